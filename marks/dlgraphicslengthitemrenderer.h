#pragma once

#include "dlgraphicsitemrenderer.h"

#include <QLineF>
#include <QVector>

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

    bool isSplit() const { return m_split; }
    // The ends of the gap left in a split line for the label.
    QPointF gapStart() const;
    QPointF gapEnd() const;

private:
    void fixOrientation();
    bool isHorizontal() const;
    // The drawn line: whole, or the two pieces either side of the label.
    QVector<QLineF> bodyLines() const;

    QRectF m_startHandle;
    QRectF m_endHandle;
    QLineF m_line;
    bool m_split = false;
    int m_orientation = NotFixed;
};
