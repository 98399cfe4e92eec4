#include "dlgraphicslengthitemrenderer.h"

#include "labeldrawing.h"

#include <QPainter>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace {
bool pointsDiffer(const QPointF &a, const QPointF &b)
{
    return std::abs(a.x() - b.x()) > 1e-12 || std::abs(a.y() - b.y()) > 1e-12;
}
} // namespace

void DLGraphicsLengthItemRenderer::init(DLGraphicsItemRendererNotifyHandle *owner,
    const QPointF &p1, const QPointF &p2, QString text, double widthValue)
{
    DLGraphicsItemRenderer::init(owner, p1, p2, std::move(text), widthValue);
    if (!pointsDiffer(p1, p2))
        return;
    if (widthValue > 0) {
        m_orientation
            = std::abs(p1.x() - p2.x()) >= std::abs(p1.y() - p2.y()) ? Horizontal : Vertical;
        return;
    }
    // A mark restored from its record was finished when it was saved.
    settleOrientation();
    m_pressFirstPoint = m_firstPoint;
    m_pressSecondPoint = m_secondPoint;
}

bool DLGraphicsLengthItemRenderer::isValid() const
{
    return pointsDiffer(m_firstPoint, m_secondPoint);
}

bool DLGraphicsLengthItemRenderer::isHorizontal() const
{
    if (m_orientation == Horizontal)
        return true;
    if (m_orientation == Vertical)
        return false;
    return std::abs(m_line.y1() - m_line.y2()) < 0.1;
}

void DLGraphicsLengthItemRenderer::layout()
{
    const QPointF a = m_localFirstPoint;
    const QPointF b = m_localSecondPoint;
    if (m_orientation == NotFixed) {
        const double minX = std::min(a.x(), b.x());
        const double maxX = std::max(a.x(), b.x());
        const double minY = std::min(a.y(), b.y());
        const double maxY = std::max(a.y(), b.y());
        if (maxX - minX >= maxY - minY)
            m_line = QLineF(minX, a.y(), maxX, a.y());
        else
            m_line = QLineF(a.x(), minY, a.x(), maxY);
    } else {
        m_line = QLineF(a, b);
    }

    const bool horizontal = isHorizontal();
    const double x1 = m_line.x1();
    const double y1 = m_line.y1();
    const double x2 = m_line.x2();
    const double y2 = m_line.y2();
    if (horizontal) {
        m_startHandle = QRectF(x1 - 8, y1 - 3, 7, 7);
        m_endHandle = QRectF(x2 + 2, y2 - 3, 7, 7);
    } else {
        m_startHandle = QRectF(x1 - 3, y1 - 8, 7, 7);
        m_endHandle = QRectF(x2 - 3, y2 + 2, 7, 7);
    }

    const double length = horizontal ? x2 - x1 + 1 : y2 - y1 + 1;
    m_text = QString::number(length, 'g', 6);
    textChanged();

    const QRect tb = textBoundingRect();
    const double tw = tb.width() + 2;
    const double th = tb.height();
    double labelX;
    double labelY;
    if (horizontal) {
        const double len = x2 - x1;
        m_split = len > 30.0;
        labelX = x1 + std::round(len * 0.5 - tw * 0.5);
        if (m_split)
            labelY = y1 - std::round(th * 0.5);
        else
            labelY = len < 1.0 ? y1 + 6 : y1 + 2;
    } else {
        const double len = y2 - y1;
        m_split = len > 30.0;
        labelY = y1 + std::round(len * 0.5 - th * 0.5);
        if (m_split)
            labelX = std::round(x1 - tw * 0.5);
        else
            labelX = len < 10.0 ? x1 - tw - 8 : x1 - tw - 4;
    }
    m_labelRect = QRectF(labelX, labelY, tw, th);
    m_boundingRect
        = m_startHandle.united(m_endHandle).united(m_labelRect).adjusted(-1.0, -1.0, 1.0, 1.0);
}

QPointF DLGraphicsLengthItemRenderer::gapStart() const
{
    if (isHorizontal())
        return QPointF(m_labelRect.x() - 2, m_line.y1());
    return QPointF(m_line.x1(), m_labelRect.y() - 2);
}

QPointF DLGraphicsLengthItemRenderer::gapEnd() const
{
    if (isHorizontal())
        return QPointF(m_labelRect.x() + m_labelRect.width() + 2, m_line.y2());
    return QPointF(m_line.x2(), m_labelRect.y() + m_labelRect.height() + 2);
}

int DLGraphicsLengthItemRenderer::hitTest(const QPointF &scenePoint)
{
    // Both handles lie inside the bounds.
    const QPointF local = mapToLocal(scenePoint);
    if (m_startHandle.contains(local))
        return HitStartHandle;
    if (m_endHandle.contains(local))
        return HitEndHandle;
    return m_boundingRect.contains(local) ? HitBody : HitNone;
}

void DLGraphicsLengthItemRenderer::mouseMove(const QPointF &point, int part)
{
    if (part == HitBody) {
        DLGraphicsItemRenderer::mouseMove(point, part);
        return;
    }
    if (m_orientation == NotFixed) {
        m_secondPoint = point;
        updateGeometry();
        return;
    }
    const QPointF delta = m_orientation == Horizontal ? QPointF(point.x() - m_pressPoint.x(), 0)
                                                      : QPointF(0, point.y() - m_pressPoint.y());
    const QPointF a = m_pressFirstPoint + (part == HitStartHandle ? delta : QPointF());
    const QPointF b = m_pressSecondPoint + (part == HitEndHandle ? delta : QPointF());
    // Dragging one end past the other swaps the ends.
    setOrderedPoints(a, b);
}

void DLGraphicsLengthItemRenderer::mouseRelease(const QPointF &point, int part)
{
    DLGraphicsItemRenderer::mouseRelease(point, part);
    if (m_orientation == NotFixed)
        fixOrientation();
}

void DLGraphicsLengthItemRenderer::settleOrientation()
{
    if (m_orientation != NotFixed || m_pressed || !pointsDiffer(m_firstPoint, m_secondPoint))
        return;
    fixOrientation();
}

void DLGraphicsLengthItemRenderer::fixOrientation()
{
    const QPointF p1 = m_firstPoint;
    const QPointF p2 = m_secondPoint;
    if (std::abs(p1.x() - p2.x()) < std::abs(p1.y() - p2.y())) {
        m_orientation = Vertical;
        m_firstPoint = QPointF(p1.x(), std::min(p1.y(), p2.y()));
        m_secondPoint = QPointF(p1.x(), std::max(p1.y(), p2.y()));
    } else {
        m_orientation = Horizontal;
        m_firstPoint = QPointF(std::min(p1.x(), p2.x()), p1.y());
        m_secondPoint = QPointF(std::max(p1.x(), p2.x()), p1.y());
    }
    updateGeometry();
}

QVector<QLineF> DLGraphicsLengthItemRenderer::bodyLines() const
{
    if (!m_split)
        return {m_line};
    return {QLineF(m_line.p1(), gapStart()), QLineF(gapEnd(), m_line.p2())};
}

QPainterPath DLGraphicsLengthItemRenderer::hitPath() const
{
    QPainterPath path;
    for (const QLineF &piece : bodyLines()) {
        path.moveTo(piece.p1());
        path.lineTo(piece.p2());
    }
    path.addRect(m_labelRect);
    path.addRect(m_startHandle);
    path.addRect(m_endHandle);
    return path;
}

void DLGraphicsLengthItemRenderer::paint(QPainter *painter, bool hovered, bool selected)
{
    const bool horizontal = isHorizontal();
    QVector<QLineF> lines;
    for (const QPointF &end : {m_line.p1(), m_line.p2()}) {
        if (horizontal)
            lines << QLineF(end.x(), end.y() - 3, end.x(), end.y() + 3);
        else
            lines << QLineF(end.x() - 3, end.y(), end.x() + 3, end.y());
    }
    lines << bodyLines();

    painter->save();
    if (showsHoverHalo(hovered, selected)) {
        painter->setPen(style().whiteHaloPen);
        painter->drawLines(lines);
    }
    painter->setPen(penFor(selected));
    painter->drawLines(lines);
    if (m_pressed || selected || hovered) {
        painter->setBrush(handleBrush(hovered, selected));
        drawHandle(painter, m_startHandle);
        drawHandle(painter, m_endHandle);
    }
    painter->restore();
    drawOutlinedLabel(*this, painter, selected);
}
