#include "dlgraphicstextdrawitemrenderer.h"

#include "settings/helpers.h"

#include <cmath>

DLGraphicsTextDrawItemRenderer::DLGraphicsTextDrawItemRenderer(int kind)
    : m_kind(kind)
{
}

bool DLGraphicsTextDrawItemRenderer::pointsRight() const
{
    return m_secondPoint.x() > m_firstPoint.x();
}

void DLGraphicsTextDrawItemRenderer::layoutCallout()
{
    const QPointF a = m_localFirstPoint;
    const QPointF b = m_localSecondPoint;
    const bool right = pointsRight();

    const double dy = b.y() - a.y();
    m_corner = QPointF(right ? a.x() + std::abs(dy) : a.x() - std::abs(dy), b.y());
    m_end = b;
    // A 45 degree leg that would pass the end point becomes a curve instead.
    m_curved = right ? m_corner.x() > m_end.x() : m_end.x() > m_corner.x();
    m_control1 = QPointF(a.x(), a.y() + dy / 2);
    m_control2 = QPointF(b.x(), a.y() + dy / 2);

    if (m_curved) {
        const bool up = m_firstPoint.y() > m_secondPoint.y();
        m_arrowTip = up ? QPointF(a.x(), a.y() - 2) : QPointF(a.x(), a.y() + 2);
        const double s = up ? -6 : 6;
        m_arrowCorner1 = QPointF(m_arrowTip.x() - 5, m_arrowTip.y() + s);
        m_arrowCorner2 = QPointF(m_arrowTip.x() + 5, m_arrowTip.y() + s);
        m_arrowBase = QPointF(m_arrowTip.x(), m_arrowTip.y() + s);
    } else {
        m_arrowTip = right ? QPointF(a.x() + 2, a.y()) : QPointF(a.x() - 2, a.y());
        const double h = right ? 1 : -1;
        const QPointF tip = m_arrowTip;
        if (b.y() == a.y()) {
            m_arrowCorner1 = QPointF(tip.x() + 6 * h, tip.y() - 5);
            m_arrowCorner2 = QPointF(tip.x() + 6 * h, tip.y() + 5);
            m_arrowBase = QPointF(tip.x() + 6 * h, tip.y());
        } else if (b.y() > a.y()) {
            m_arrowCorner1 = QPointF(tip.x() + 7 * h, tip.y());
            m_arrowCorner2 = QPointF(tip.x(), tip.y() + 7);
            m_arrowBase = QPointF(tip.x() + 3.5 * h, tip.y() + 3.5);
        } else {
            m_arrowCorner1 = QPointF(tip.x() + 7 * h, tip.y());
            m_arrowCorner2 = QPointF(tip.x(), tip.y() - 7);
            m_arrowBase = QPointF(tip.x() + 3.5 * h, tip.y() - 3.5);
        }
    }

    const QRect tb = textBoundingRect();
    const double tw = tb.width() + 2;
    const double th = tb.height();
    const double labelX = right ? b.x() + 7 : b.x() - tw - 7;
    m_labelRect = QRectF(labelX, b.y() - 6, tw, th);

    m_endHandle = QRectF(b.x() - 3, b.y() - 3, 7, 7);
    m_widthGrip
        = right ? QRectF(labelX + tw, b.y() - 3, 7, 7) : QRectF(labelX - 7, b.y() - 3, 7, 7);

    const QRectF anchorBox(a.x() - 6, a.y() - 6, 13, 13);
    if (m_kind == CommentKind)
        m_boundingRect = anchorBox.united(m_widthGrip).united(m_labelRect);
    else
        m_boundingRect = anchorBox.united(m_endHandle).united(m_labelRect.adjusted(0, 0, 0, 1.0));
}

void DLGraphicsTextDrawItemRenderer::relayoutText() { }

QPainterPath DLGraphicsTextDrawItemRenderer::leaderPath() const
{
    QPainterPath path;
    if (m_curved) {
        path.moveTo(m_arrowBase);
        path.cubicTo(m_control1, m_control2, m_end);
    } else {
        path.moveTo(m_end);
        path.lineTo(m_corner);
        path.lineTo(m_arrowBase);
    }
    return path;
}

QPolygonF DLGraphicsTextDrawItemRenderer::arrowTriangle() const
{
    return QPolygonF({m_arrowTip, m_arrowCorner1, m_arrowCorner2});
}

int DLGraphicsTextDrawItemRenderer::hitTest(const QPointF &scenePoint)
{
    const QPointF local = mapToLocal(scenePoint);
    if (!m_boundingRect.contains(local))
        return HitNone;
    if (pointInTriangle(local, m_arrowTip, m_arrowCorner1, m_arrowCorner2))
        return HitArrow;
    if (m_endHandle.contains(local))
        return HitEndHandle;
    if (m_kind == CommentKind && m_widthGrip.contains(local)) {
        m_gripStartWidth = maxWidth();
        return HitWidthGrip;
    }
    if (m_labelRect.contains(local))
        return HitBody;
    return HitNone;
}

void DLGraphicsTextDrawItemRenderer::mouseMove(const QPointF &point, int part)
{
    if (part == HitBody) {
        DLGraphicsItemRenderer::mouseMove(point, part);
        return;
    }
    const QPointF d = point - m_pressPoint;
    switch (part) {
    case HitArrow:
        m_firstPoint = m_pressFirstPoint + d;
        updateGeometry();
        break;
    case HitEndHandle:
        m_secondPoint = m_pressSecondPoint + d;
        updateGeometry();
        break;
    case HitWidthGrip: {
        if (m_kind != CommentKind)
            break;
        // The grip sits on the box's outer side, so dragging outward widens either way.
        const double w = m_localSecondPoint.x() > m_localFirstPoint.x() ? m_gripStartWidth + d.x()
                                                                        : m_gripStartWidth - d.x();
        if (maxWidthLimit() > w) {
            setMaxWidth(w);
            relayoutText();
            updateGeometry();
        }
        break;
    }
    default:
        break;
    }
}
