#include "dlgraphicslengthitem.h"

#include "dlgraphicslengthitemrenderer.h"

DLGraphicsLengthItem::DLGraphicsLengthItem(const QPointF &p1, const QPointF &p2,
    const QString &text, double widthValue, QGraphicsItem *parent)
    : DLGraphicsItem(MarkLength, p1, p2, text, widthValue, parent)
{
}

void DLGraphicsLengthItem::pressAt(const QPointF &point, int part)
{
    DLGraphicsItem::pressAt(point, part);
    notifyLengthChanged(this, LenChangeBegin);
}

void DLGraphicsLengthItem::dragTo(const QPointF &point, int part)
{
    DLGraphicsItem::dragTo(point, part);
    notifyLengthChanged(this, LenChanging);
}

void DLGraphicsLengthItem::releaseAt(const QPointF &point, int part)
{
    DLGraphicsItem::releaseAt(point, part);
    notifyLengthChanged(this, LenChangeEnd);
}

void DLGraphicsLengthItem::setPoints(const QPointF &first, const QPointF &second)
{
    DLGraphicsItem::setPoints(first, second);
    // A mark brought back by undo is a finished mark, not one still being drawn.
    static_cast<DLGraphicsLengthItemRenderer *>(renderer())->settleOrientation();
}
