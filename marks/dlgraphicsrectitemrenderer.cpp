#include "dlgraphicsrectitemrenderer.h"

#include "dlgraphicsitemrenderernotifyhandle.h"
#include "dlpalette.h"
#include "labeldrawing.h"

#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double noHandleDistance = 10000.0;

double distanceTo(const QRectF &handle, const QPointF &point)
{
    return QLineF(handle.topLeft() + QPointF(3.5, 3.5), point).length();
}

bool nearLine(double value, double line)
{
    return std::abs(value - line) < 3.1;
}
} // namespace

QString DLGraphicsRectItemRenderer::labelText(double width, double height) const
{
    const MapPointHandler &map = mapPointHandler();
    const QPointF shown = map ? map(m_firstPoint, m_pointMode ? 0.0 : height) : m_firstPoint;
    if (m_pointMode)
        return QStringLiteral("x:%1,y:%2").arg(shown.x()).arg(shown.y());
    return QStringLiteral("%1,%2(%3x%4)").arg(shown.x()).arg(shown.y()).arg(width).arg(height);
}

void DLGraphicsRectItemRenderer::layout()
{
    const QPointF a = m_localFirstPoint;
    const QPointF b = m_localSecondPoint;
    m_pointMode = std::abs(a.x() - b.x()) <= 1e-12 && std::abs(a.y() - b.y()) <= 1e-12;

    const double x1 = std::trunc(a.x());
    const double y1 = std::trunc(a.y());
    const double x2 = std::trunc(b.x());
    const double y2 = std::trunc(b.y());
    const double midX = std::trunc((x2 - x1) / 2);
    const double midY = std::trunc((y2 - y1) / 2);

    if (m_pointMode) {
        m_frame = QRectF(x1 - 10, y1 - 10, 21, 21);
        m_text = labelText(0.0, 0.0);
        m_handles.fill(QRectF(b.x() - 3, b.y() - 3, 7, 7));
    } else {
        m_frame = QRectF(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
        m_text = labelText(m_frame.width(), m_frame.height());
        m_handles = {QRectF(x1 - 7, y1 - 7, 7, 7), QRectF(midX - 3, y1 - 7, 7, 7),
            QRectF(x2 + 2, y1 - 7, 7, 7), QRectF(x1 - 7, midY - 3, 7, 7),
            QRectF(x2 + 2, midY - 3, 7, 7), QRectF(x1 - 7, y2 + 2, 7, 7),
            QRectF(midX - 3, y2 + 2, 7, 7), QRectF(x2 + 2, y2 + 2, 7, 7)};
    }
    textChanged();
    layoutLabel();
}

void DLGraphicsRectItemRenderer::layoutLabel()
{
    const QRect tb = textBoundingRect();
    m_labelRect = QRectF(m_localFirstPoint.x() + 4.0, m_localFirstPoint.y() - tb.height() - 2.0,
        tb.width() + 2, tb.height());
    m_boundingRect = m_frame.united(m_labelRect);
    if (!m_pointMode)
        m_boundingRect.adjust(-10, -(tb.height() + 2), 7, 7);
}

void DLGraphicsRectItemRenderer::refreshLabel()
{
    m_text = labelText(m_frame.width(), m_frame.height());
    textChanged();
    // A moved mark may read a longer number; its box must still hold it.
    if (m_owner)
        m_owner->handlePrepareGeometryChange();
    layoutLabel();
}

void DLGraphicsRectItemRenderer::settingsChanged(int mask)
{
    if (mask == 0)
        return;
    layout();
    updateGeometry();
}

QRectF DLGraphicsRectItemRenderer::handle(int part) const
{
    if (part < TopLeft || part > BottomRight)
        return QRectF();
    return m_handles[size_t(part - 1)];
}

int DLGraphicsRectItemRenderer::hitTest(const QPointF &scenePoint)
{
    const QPointF local = mapToLocal(scenePoint);
    for (int part = BottomRight; part >= TopLeft; --part) {
        if (handle(part).contains(local))
            return part;
    }
    if (m_labelRect.contains(local))
        return 9;
    if (nearLine(local.y(), m_frame.top()) || nearLine(local.y(), m_frame.top() + m_frame.height())
        || nearLine(local.x(), m_frame.left())
        || nearLine(local.x(), m_frame.left() + m_frame.width()))
        return 9;
    return 0;
}

void DLGraphicsRectItemRenderer::mouseMove(const QPointF &point, int part)
{
    m_dragPoint = mapToLocal(point);
    if (part == 9) {
        DLGraphicsItemRenderer::mouseMove(point, part);
        return;
    }
    if (part == 0)
        return;
    const double dx = std::trunc(point.x() - m_pressPoint.x());
    const double dy = std::trunc(point.y() - m_pressPoint.y());
    QPointF a = m_pressFirstPoint;
    QPointF b = m_pressSecondPoint;
    switch (part) {
    case TopLeft:
        a += QPointF(dx, dy);
        break;
    case TopMiddle:
        a.ry() += dy;
        break;
    case TopRight:
        b.rx() += dx;
        a.ry() += dy;
        break;
    case MiddleLeft:
        a.rx() += dx;
        break;
    case MiddleRight:
        b.rx() += dx;
        break;
    case BottomLeft:
        a.rx() += dx;
        b.ry() += dy;
        break;
    case BottomMiddle:
        b.ry() += dy;
        break;
    case BottomRight:
        b += QPointF(dx, dy);
        break;
    default:
        break;
    }
    // Kept ordered, so a handle dragged across the opposite edge flips the rectangle.
    m_firstPoint = QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    m_secondPoint = QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    updateGeometry();
}

int DLGraphicsRectItemRenderer::nearestHandle() const
{
    switch (m_hitPart) {
    case TopLeft:
    case TopRight:
    case BottomLeft:
    case BottomRight: {
        int nearest = 0;
        double best = noHandleDistance;
        for (int part : {TopLeft, TopRight, BottomLeft, BottomRight}) {
            const double d = distanceTo(handle(part), m_dragPoint);
            if (d < best) {
                best = d;
                nearest = part;
            }
        }
        return nearest;
    }
    case TopMiddle:
    case BottomMiddle:
        return distanceTo(handle(BottomMiddle), m_dragPoint)
                > distanceTo(handle(TopMiddle), m_dragPoint)
            ? TopMiddle
            : BottomMiddle;
    case MiddleLeft:
    case MiddleRight:
        return distanceTo(handle(MiddleRight), m_dragPoint)
                > distanceTo(handle(MiddleLeft), m_dragPoint)
            ? MiddleLeft
            : MiddleRight;
    default:
        return 0;
    }
}

QPainterPath DLGraphicsRectItemRenderer::hitPath() const
{
    QPainterPath path;
    // Handles overlap the label box; an overlap must not cancel out.
    path.setFillRule(Qt::WindingFill);
    const QPointF c = m_localFirstPoint;
    path.moveTo(c.x() - 10, c.y());
    path.lineTo(c.x() + 10, c.y());
    path.moveTo(c.x(), c.y() - 10);
    path.lineTo(c.x(), c.y() + 10);
    if (m_pointMode) {
        path.addRect(handle(BottomRight));
    } else {
        path.moveTo(m_frame.topLeft());
        path.lineTo(m_frame.topRight());
        path.lineTo(m_frame.bottomRight());
        path.lineTo(m_frame.bottomLeft());
        path.lineTo(m_frame.topLeft());
        for (const QRectF &h : m_handles)
            path.addRect(h);
    }
    path.addRect(m_labelRect);
    return path;
}

void DLGraphicsRectItemRenderer::paint(QPainter *painter, bool hovered, bool selected)
{
    const QPen &solid = selected ? darkMarkPen() : markPen();
    const QBrush &fill = selected ? darkMarkBrush() : markBrush();
    painter->save();
    painter->setBrush(Qt::NoBrush);
    if (!m_pointMode) {
        QPen outline = solid;
        if (!rectDashPattern().isEmpty())
            outline.setDashPattern(rectDashPattern());
        if (hovered && !m_pressed && !selected) {
            painter->setPen(whiteHaloPen());
            painter->drawRect(m_frame);
        }
        painter->setPen(outline);
        painter->drawRect(m_frame);
    }

    painter->setPen(solid);
    const QPointF c = m_localFirstPoint;
    painter->drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
    painter->drawLine(QPointF(c.x(), c.y() - 10), QPointF(c.x(), c.y() + 10));

    auto drawHandle = [&](int part, const QBrush &brush) {
        painter->setBrush(brush);
        painter->drawRect(QRectF(handle(part).topLeft(), QSizeF(6, 6)));
    };
    if (m_pressed && m_hitPart != 9) {
        if (const int part = nearestHandle())
            drawHandle(part, fill);
    } else if (m_pressed || selected) {
        for (int part = TopLeft; part <= BottomRight; ++part)
            drawHandle(part, fill);
    } else if (hovered) {
        for (int part = TopLeft; part <= BottomRight; ++part)
            drawHandle(part, QBrush(Qt::white));
    }
    painter->restore();
    drawOutlinedLabel(*this, painter, selected);
}
