#pragma once

#include "dlgraphicsitemrenderer.h"

// Geometry of a rectangle mark: the frame from the first to the second point, its
// bottom-right handle and a label with its position and size.
class DLGraphicsRectItemRenderer : public DLGraphicsItemRenderer
{
public:
    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    QPainterPath hitPath() const override;

    QRectF frame() const { return m_frame; }

private:
    QRectF m_frame;
    QRectF m_cornerHandle;
};
