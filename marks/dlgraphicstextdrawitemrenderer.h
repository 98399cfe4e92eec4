#pragma once

#include "dlgraphicsitemrenderer.h"

#include <QPolygonF>

// Base of the callout marks: an arrowhead at the anchor (first point), a leader to the
// second point, a label box beside it, an end handle and, for comments, a width grip.
class DLGraphicsTextDrawItemRenderer : public DLGraphicsItemRenderer
{
public:
    enum Kind { ColorPickKind = 0, CommentKind = 1 };

    explicit DLGraphicsTextDrawItemRenderer(int kind);

    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;

    virtual void layoutCallout();
    virtual void relayoutText();

    QRectF endHandle() const { return m_endHandle; }
    QRectF widthGrip() const { return m_widthGrip; }
    // The leader from the arrowhead to the end, and the arrowhead as tip and two corners.
    QPainterPath leaderPath() const;
    QPolygonF arrowTriangle() const;

protected:
    // The second point lies strictly right of the anchor.
    bool pointsRight() const;

    int m_kind;
    QPointF m_arrowBase;
    QPointF m_corner;
    QPointF m_end;
    QPointF m_control1;
    QPointF m_control2;
    bool m_curved = false;
    QPointF m_arrowTip;
    QPointF m_arrowCorner1;
    QPointF m_arrowCorner2;
    QRectF m_endHandle;
    QRectF m_widthGrip;
    double m_gripStartWidth = 0.0;
};
