#include "dlgraphicscommentsitem.h"

DLGraphicsCommentsItem::DLGraphicsCommentsItem(const QPointF &p1, const QPointF &p2,
    const QString &text, double widthValue, QGraphicsItem *parent)
    : DLGraphicsItem(MarkComments, p1, p2, text, widthValue, parent)
{
}

void DLGraphicsCommentsItem::releaseAt(const QPointF &point, int part)
{
    DLGraphicsItem::releaseAt(point, part);
    if (!m_editOnRelease)
        return;
    requestCommentEdit();
    m_editOnRelease = false;
}

void DLGraphicsCommentsItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    requestCommentEdit();
    DLGraphicsItem::mouseDoubleClickEvent(event);
}
