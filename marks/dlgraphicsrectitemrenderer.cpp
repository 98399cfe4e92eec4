#include "dlgraphicsrectitemrenderer.h"

#include "dlgraphicsitemrenderernotifyhandle.h"
#include "dlpalette.h"
#include "labeldrawing.h"

#include <QLineF>
#include <QPainter>

#include <cmath>

namespace {
// Handles 1 to 8 sit on a 3 x 3 grid around the frame, row by row, the centre left out.
QPoint gridCell(int part)
{
    const int cell = part <= HitMiddleLeft ? part - 1 : part;
    return QPoint(cell % 3, cell / 3);
}

bool isHandle(int part)
{
    return part >= HitTopLeft && part <= HitBottomRight;
}

bool nearLine(double value, double line)
{
    return std::abs(value - line) < 3.1;
}
} // namespace

QString DLGraphicsRectItemRenderer::labelText(double width, double height) const
{
    const MapPointHandler &map = style().mapPointHandler;
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

    if (m_pointMode) {
        m_frame = QRectF(x1 - 10, y1 - 10, 21, 21);
        m_text = labelText(0.0, 0.0);
        m_handles.fill(QRectF(b.x() - 3, b.y() - 3, 7, 7));
    } else {
        m_frame = QRectF(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
        m_text = labelText(m_frame.width(), m_frame.height());
        const double columns[] = {x1 - 7, std::trunc((x2 - x1) / 2) - 3, x2 + 2};
        const double rows[] = {y1 - 7, std::trunc((y2 - y1) / 2) - 3, y2 + 2};
        for (int part = HitTopLeft; part <= HitBottomRight; ++part) {
            const QPoint cell = gridCell(part);
            m_handles[size_t(part - 1)] = QRectF(columns[cell.x()], rows[cell.y()], 7, 7);
        }
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
    m_owner->handlePrepareGeometryChange();
    layoutLabel();
}

void DLGraphicsRectItemRenderer::settingsChanged(int mask)
{
    // Any change may be the origin, which every label depends on.
    if (mask != 0)
        updateGeometry();
}

QRectF DLGraphicsRectItemRenderer::handle(int part) const
{
    return isHandle(part) ? m_handles[size_t(part - 1)] : QRectF();
}

int DLGraphicsRectItemRenderer::hitTest(const QPointF &scenePoint)
{
    const QPointF local = mapToLocal(scenePoint);
    for (int part = HitBottomRight; part >= HitTopLeft; --part) {
        if (handle(part).contains(local))
            return part;
    }
    if (m_labelRect.contains(local))
        return HitBody;
    if (nearLine(local.y(), m_frame.top()) || nearLine(local.y(), m_frame.top() + m_frame.height())
        || nearLine(local.x(), m_frame.left())
        || nearLine(local.x(), m_frame.left() + m_frame.width()))
        return HitBody;
    return HitNone;
}

void DLGraphicsRectItemRenderer::mouseMove(const QPointF &point, int part)
{
    m_dragPoint = mapToLocal(point);
    if (part == HitBody) {
        DLGraphicsItemRenderer::mouseMove(point, part);
        return;
    }
    if (part == HitNone)
        return;
    const double dx = std::trunc(point.x() - m_pressPoint.x());
    const double dy = std::trunc(point.y() - m_pressPoint.y());
    QPointF a = m_pressFirstPoint;
    QPointF b = m_pressSecondPoint;
    if (isHandle(part)) {
        // A handle moves the edges it sits on: left or right, top or bottom.
        const QPoint cell = gridCell(part);
        if (cell.x() == 0)
            a.rx() += dx;
        else if (cell.x() == 2)
            b.rx() += dx;
        if (cell.y() == 0)
            a.ry() += dy;
        else if (cell.y() == 2)
            b.ry() += dy;
    }
    // Kept ordered, so a handle dragged across the opposite edge flips the rectangle.
    setOrderedPoints(a, b);
}

double DLGraphicsRectItemRenderer::dragDistance(int part) const
{
    return QLineF(handle(part).topLeft() + QPointF(3.5, 3.5), m_dragPoint).length();
}

int DLGraphicsRectItemRenderer::nearestHandle() const
{
    switch (m_hitPart) {
    case HitTopLeft:
    case HitTopRight:
    case HitBottomLeft:
    case HitBottomRight: {
        // On a tie the earlier corner stays; from 10000 pixels away none is shown.
        int nearest = HitNone;
        double best = 10000.0;
        for (int corner : {HitTopLeft, HitTopRight, HitBottomLeft, HitBottomRight}) {
            if (dragDistance(corner) < best) {
                best = dragDistance(corner);
                nearest = corner;
            }
        }
        return nearest;
    }
    case HitTopMiddle:
    case HitBottomMiddle:
        return nearerOf(HitTopMiddle, HitBottomMiddle);
    case HitMiddleLeft:
    case HitMiddleRight:
        return nearerOf(HitMiddleLeft, HitMiddleRight);
    default:
        return HitNone;
    }
}

int DLGraphicsRectItemRenderer::nearerOf(int first, int second) const
{
    return dragDistance(second) > dragDistance(first) ? first : second;
}

QVector<QLineF> DLGraphicsRectItemRenderer::crosshair() const
{
    const QPointF c = m_localFirstPoint;
    return {
        QLineF(c.x() - 10, c.y(), c.x() + 10, c.y()), QLineF(c.x(), c.y() - 10, c.x(), c.y() + 10)};
}

QPainterPath DLGraphicsRectItemRenderer::hitPath() const
{
    QPainterPath path;
    // Handles overlap the label box; an overlap must not cancel out.
    path.setFillRule(Qt::WindingFill);
    for (const QLineF &line : crosshair()) {
        path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    if (m_pointMode) {
        path.addRect(handle(HitBottomRight));
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
    const QPen &solid = penFor(selected);
    painter->save();
    painter->setBrush(Qt::NoBrush);
    if (!m_pointMode) {
        QPen outline = solid;
        if (!rectDashPattern().isEmpty())
            outline.setDashPattern(rectDashPattern());
        if (showsHoverHalo(hovered, selected)) {
            painter->setPen(style().whiteHaloPen);
            painter->drawRect(m_frame);
        }
        painter->setPen(outline);
        painter->drawRect(m_frame);
    }

    painter->setPen(solid);
    for (const QLineF &line : crosshair())
        painter->drawLine(line);

    if (m_pressed && m_hitPart != HitBody) {
        // Only the handle the pointer is pulling, wherever the drag has flipped it.
        if (const int part = nearestHandle()) {
            painter->setBrush(brushFor(selected));
            drawHandle(painter, handle(part));
        }
    } else if (m_pressed || selected || hovered) {
        painter->setBrush(handleBrush(hovered, selected));
        for (const QRectF &h : m_handles)
            drawHandle(painter, h);
    }
    painter->restore();
    drawOutlinedLabel(*this, painter, selected);
}
