#pragma once

#include "dlgraphicstextdrawitemrenderer.h"

// A callout whose label is the colour of the pixel under its anchor, sampled again
// whenever the anchor moves, with a swatch of that colour at the label end.
class DLGraphicsColorPickItemRenderer : public DLGraphicsTextDrawItemRenderer
{
public:
    DLGraphicsColorPickItemRenderer();

    void settingsChanged(int mask) override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    void refreshLabel() override;
    QPainterPath hitPath() const override;

    // Sets the text to color in the current colour format and profile.
    void format(QRgb color);

    QRgb color() const { return m_color; }

private:
    QRgb m_color = 0;
};
