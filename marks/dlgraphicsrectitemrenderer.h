#pragma once

#include "dlgraphicsitemrenderer.h"

#include <QLineF>
#include <QVector>

#include <array>

// Geometry of a rectangle mark: a dashed frame from the first to the second point with
// eight resize handles and a position-and-size label, or a crosshair and a position label
// when both points coincide.
class DLGraphicsRectItemRenderer : public DLGraphicsItemRenderer
{
public:
    void settingsChanged(int mask) override;
    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    void refreshLabel() override;
    QPainterPath hitPath() const override;

    // The handle shown while a handle is dragged: the one nearest the pointer among those
    // the dragged part can become after a flip; HitNone for none.
    int nearestHandle() const;
    // The handle of a part from HitTopLeft to HitBottomRight; empty for any other part.
    QRectF handle(int part) const;

private:
    // The label text for the current first point; height is the one passed to the origin
    // mapping (0 for a point).
    QString labelText(double width, double height) const;
    // Places the label box for the current text and grows the bounds around it.
    void layoutLabel();
    // From a handle's centre to the pointer during a drag.
    double dragDistance(int part) const;
    // Of two opposite handles, the one nearer the pointer; the second on a tie.
    int nearerOf(int first, int second) const;
    QVector<QLineF> crosshair() const;

    QRectF m_frame;
    std::array<QRectF, 8> m_handles;
    bool m_pointMode = false;
    QPointF m_dragPoint;
};
