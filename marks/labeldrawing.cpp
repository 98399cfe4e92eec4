#include "labeldrawing.h"

#include "dlgraphicsitemrenderer.h"
#include "dlgraphicstextdrawitemrenderer.h"

#include <QPainter>

namespace {
void setHighQualityAntialiasing(QPainter *painter)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    painter->setRenderHint(QPainter::HighQualityAntialiasing, true);
    QT_WARNING_POP
}
} // namespace

void drawOutlinedLabel(
    const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected, const QPointF &offset)
{
    const QRectF label = renderer.labelRect().translated(offset);
    painter->save();
    QPainterPath outline;
    outline.addText(QPointF(label.x(), label.y() + label.height() - 3.0),
        DLGraphicsItemRenderer::labelFont(), renderer.text());
    setHighQualityAntialiasing(painter);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->strokePath(outline, DLGraphicsItemRenderer::labelOutlinePen());
    painter->setFont(DLGraphicsItemRenderer::labelFont());
    painter->setPen(
        selected ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen());
    painter->setBrush(
        selected ? DLGraphicsItemRenderer::darkMarkBrush() : DLGraphicsItemRenderer::markBrush());
    painter->drawText(label, 0, renderer.text());
    painter->restore();
}

void drawLeader(const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool emphasised,
    bool hovered)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    setHighQualityAntialiasing(painter);
    const QPainterPath leader = renderer.leaderPath();
    const QPolygonF arrow = renderer.arrowTriangle();
    if (hovered && !emphasised) {
        painter->strokePath(leader, DLGraphicsItemRenderer::whiteHaloPen());
        painter->setPen(DLGraphicsItemRenderer::whiteHaloPen());
        painter->setBrush(Qt::NoBrush);
        painter->drawPolygon(arrow);
    }
    const QPen &pen
        = emphasised ? DLGraphicsItemRenderer::darkMarkPen() : DLGraphicsItemRenderer::markPen();
    painter->strokePath(leader, pen);
    painter->setPen(pen);
    painter->setBrush(
        emphasised ? DLGraphicsItemRenderer::darkMarkBrush() : DLGraphicsItemRenderer::markBrush());
    painter->drawPolygon(arrow);
    painter->restore();
}

QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer)
{
    QPainterPath path = renderer.leaderPath();
    path.addPolygon(renderer.arrowTriangle());
    path.closeSubpath();
    return path;
}
