#pragma once

#include "dlgraphicsitemrenderer.h"

#include <QPolygonF>

// Base of the callout marks: an arrowhead at the anchor (first point), a leader to the
// second point, a label box beside it, an end handle and, for comments, a width grip.
class DLGraphicsTextDrawItemRenderer : public DLGraphicsItemRenderer
{
public:
    enum Kind { ColorPickKind = 0, CommentKind = 1 };
    enum HitPart { HitArrow = 1, HitEnd = 2, HitWidthGrip = 3 };

    explicit DLGraphicsTextDrawItemRenderer(int kind);

    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;

    virtual void layoutCallout();
    virtual void relayoutText();

    int kind() const { return m_kind; }
    QPointF arrowBase() const { return m_arrowBase; }
    QPointF corner() const { return m_corner; }
    QPointF end() const { return m_end; }
    QPointF control1() const { return m_control1; }
    QPointF control2() const { return m_control2; }
    bool isCurved() const { return m_curved; }
    QPointF arrowTip() const { return m_arrowTip; }
    QPointF arrowCorner1() const { return m_arrowCorner1; }
    QPointF arrowCorner2() const { return m_arrowCorner2; }
    QRectF endHandle() const { return m_endHandle; }
    QRectF widthGrip() const { return m_widthGrip; }
    double gripStartWidth() const { return m_gripStartWidth; }

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
