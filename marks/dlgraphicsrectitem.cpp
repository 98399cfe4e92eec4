#include "dlgraphicsrectitem.h"

DLGraphicsRectItem::DLGraphicsRectItem(const QPointF &p1, const QPointF &p2, const QString &text,
    double widthValue, QGraphicsItem *parent)
    : DLGraphicsItem(MarkRect, p1, p2, text, widthValue, parent)
{
}
