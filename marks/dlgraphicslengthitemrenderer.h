#pragma once

#include "dlgraphicsitemrenderer.h"

#include <QLineF>

// Geometry of a length mark: a line on one axis with a tick and a handle at each end and
// the inclusive pixel length as its label.
class DLGraphicsLengthItemRenderer : public DLGraphicsItemRenderer
{
public:
    enum Orientation { NotFixed = 0, Horizontal = 1, Vertical = 2 };

    void init(DLGraphicsItemRendererNotifyHandle *owner, const QPointF &p1, const QPointF &p2,
        QString text, double widthValue) override;
    bool isValid() const override;
    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;
    void mouseRelease(const QPointF &point, int part) override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    QPainterPath hitPath() const override;

    // Fixes the axis of a finished mark from its points, ordering them onto that axis;
    // does nothing while the mark is drawn or when its points coincide.
    void settleOrientation();

    QRectF startHandle() const { return m_startHandle; }
    QRectF endHandle() const { return m_endHandle; }
    QLineF line() const { return m_line; }
    bool isSplit() const { return m_split; }
    int orientation() const { return m_orientation; }
    bool isHorizontal() const;
    // The ends of the gap left in a split line for the label.
    QPointF gapStart() const;
    QPointF gapEnd() const;

private:
    void fixOrientation();

    QRectF m_startHandle;
    QRectF m_endHandle;
    QLineF m_line;
    bool m_split = false;
    int m_orientation = NotFixed;
};
