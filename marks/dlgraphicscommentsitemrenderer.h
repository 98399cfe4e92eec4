#pragma once

#include "dlgraphicstextdrawitemrenderer.h"

// A callout whose label box holds the comment's text.
class DLGraphicsCommentsItemRenderer : public DLGraphicsTextDrawItemRenderer
{
public:
    DLGraphicsCommentsItemRenderer();

    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    QRect textBoundingRect() override;
    QPainterPath hitPath() const override;
};
