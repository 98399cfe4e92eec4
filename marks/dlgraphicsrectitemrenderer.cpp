#include "dlgraphicsrectitemrenderer.h"

#include "labeldrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

void DLGraphicsRectItemRenderer::layout()
{
    const QPointF a = m_localFirstPoint;
    const QPointF b = m_localSecondPoint;
    const bool pointMode = std::abs(a.x() - b.x()) <= 1e-12 && std::abs(a.y() - b.y()) <= 1e-12;
    const QPointF shown = mapPointHandler() ? mapPointHandler()(m_firstPoint, 0.0) : m_firstPoint;
    if (pointMode) {
        m_frame = QRectF(a.x() - 10, a.y() - 10, 21, 21);
        m_text = QStringLiteral("x:%1,y:%2").arg(shown.x()).arg(shown.y());
    } else {
        m_frame = QRectF(a.x(), a.y(), b.x() - a.x() + 1, b.y() - a.y() + 1);
        m_text = QStringLiteral("%1,%2(%3x%4)")
                     .arg(shown.x())
                     .arg(shown.y())
                     .arg(m_frame.width())
                     .arg(m_frame.height());
    }
    textChanged();
    m_cornerHandle = QRectF(b.x() + 2, b.y() + 2, 7, 7);
    const QRect tb = textBoundingRect();
    m_labelRect = QRectF(a.x() + 4.0, a.y() - tb.height() - 2.0, tb.width() + 2, tb.height());
    m_boundingRect = m_frame.united(m_labelRect).united(m_cornerHandle).adjusted(-10, -2, 7, 7);
}

int DLGraphicsRectItemRenderer::hitTest(const QPointF &scenePoint)
{
    const QPointF local = mapToLocal(scenePoint);
    if (m_cornerHandle.contains(local))
        return 8;
    return m_boundingRect.contains(local) ? 9 : 0;
}

void DLGraphicsRectItemRenderer::mouseMove(const QPointF &point, int part)
{
    if (part != 8) {
        DLGraphicsItemRenderer::mouseMove(point, part);
        return;
    }
    const QPointF b = m_pressSecondPoint
        + QPointF(
            std::trunc(point.x() - m_pressPoint.x()), std::trunc(point.y() - m_pressPoint.y()));
    const QPointF a = m_pressFirstPoint;
    m_firstPoint = QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    m_secondPoint = QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    updateGeometry();
}

QPainterPath DLGraphicsRectItemRenderer::hitPath() const
{
    QPainterPath path;
    path.addRect(m_frame);
    path.addRect(m_cornerHandle);
    path.addRect(m_labelRect);
    return path;
}

void DLGraphicsRectItemRenderer::paint(QPainter *painter, bool, bool selected)
{
    painter->save();
    painter->setPen(selected ? darkMarkPen() : markPen());
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(m_frame);
    painter->restore();
    drawOutlinedLabel(*this, painter, selected);
}
