#include "dlgraphicscolorpickitem.h"

DLGraphicsColorPickItem::DLGraphicsColorPickItem(const QPointF &p1, const QPointF &p2,
    const QString &text, double widthValue, QGraphicsItem *parent)
    : DLGraphicsItem(MarkColorPick, p1, p2, text, widthValue, parent)
{
}
