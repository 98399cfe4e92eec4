#pragma once

#include "dlgraphicstextdrawitemrenderer.h"

// A callout whose label is the colour of the pixel under its anchor.
class DLGraphicsColorPickItemRenderer : public DLGraphicsTextDrawItemRenderer
{
public:
    DLGraphicsColorPickItemRenderer();

    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    QPainterPath hitPath() const override;

    QRgb color() const { return m_color; }

private:
    QRgb m_color = 0;
};
