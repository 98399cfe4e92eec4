#pragma once

#include "dlgraphicsitemrenderer.h"

#include <array>

// Geometry of a rectangle mark: a dashed frame from the first to the second point with
// eight resize handles and a position-and-size label, or a crosshair and a position label
// when both points coincide.
class DLGraphicsRectItemRenderer : public DLGraphicsItemRenderer
{
public:
    enum HitPart {
        TopLeft = 1,
        TopMiddle = 2,
        TopRight = 3,
        MiddleLeft = 4,
        MiddleRight = 5,
        BottomLeft = 6,
        BottomMiddle = 7,
        BottomRight = 8
    };

    void settingsChanged(int mask) override;
    int hitTest(const QPointF &scenePoint) override;
    void mouseMove(const QPointF &point, int part) override;
    void paint(QPainter *painter, bool hovered, bool selected) override;
    void layout() override;
    void refreshLabel() override;
    QPainterPath hitPath() const override;

    // The handle shown while a handle is dragged: the one nearest the pointer among those
    // the dragged part can become after a flip; 0 for none.
    int nearestHandle() const;

    QRectF frame() const { return m_frame; }
    // Handle of part 1 to 8; an empty rectangle for any other part.
    QRectF handle(int part) const;
    bool isPointMode() const { return m_pointMode; }
    QPointF dragPoint() const { return m_dragPoint; }

private:
    // The label text for the current first point; height is the one passed to the origin
    // mapping (0 for a point).
    QString labelText(double width, double height) const;
    // Places the label box for the current text and grows the bounds around it.
    void layoutLabel();

    QRectF m_frame;
    std::array<QRectF, 8> m_handles;
    bool m_pointMode = false;
    QPointF m_dragPoint;
};
