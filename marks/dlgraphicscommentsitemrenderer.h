#pragma once

#include "dlgraphicstextdrawitemrenderer.h"

#include <QTextLayout>

#include <memory>

// A callout whose label box holds the comment's text, wrapped at the width value that the
// width grip sets. The text layout is built once per text and only re-flowed for a new width.
class DLGraphicsCommentsItemRenderer : public DLGraphicsTextDrawItemRenderer
{
public:
    DLGraphicsCommentsItemRenderer();
    ~DLGraphicsCommentsItemRenderer() override;

    double maxWidthLimit() const override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    QRect textBoundingRect() override;
    void textChanged() override;
    QPainterPath hitPath() const override;
    void relayoutText() override;

    const QTextLayout *textLayout() const { return m_textLayout.get(); }
    QRect textRect() const { return m_textRect; }
    bool isTextDirty() const { return m_textDirty; }

private:
    void buildTextLayout();
    // Breaks the text into lines of lineWidth (none when 0 or less) and stacks them from
    // (0, 0).
    QRectF layoutLines(double lineWidth);

    bool m_textDirty = true;
    double m_lineWidth = 0.0;
    std::unique_ptr<QTextLayout> m_textLayout;
    QRect m_textRect;
};
