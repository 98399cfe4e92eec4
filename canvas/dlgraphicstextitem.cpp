#include "dlgraphicstextitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

DLGraphicsTextItem::DLGraphicsTextItem(const QString &text, QGraphicsItem *parent)
    : QGraphicsTextItem(text, parent)
{
    setFlag(ItemIsMovable, false);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemSendsGeometryChanges, false);
}

void DLGraphicsTextItem::paint(
    QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    painter->save();
    painter->fillRect(boundingRect(), QColor(255, 255, 255, 100));
    painter->setPen(QPen(Qt::red, 1, Qt::SolidLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(boundingRect());
    painter->restore();

    if (!option) {
        QGraphicsTextItem::paint(painter, option, widget);
        return;
    }
    // Without the selected and focus states the toolkit draws no frame of its own.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QGraphicsTextItem::paint(painter, &plain, widget);
}

int DLGraphicsTextItem::type() const
{
    return Type;
}

void DLGraphicsTextItem::finishEditing()
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    emit lostFocus(this, related);
}

void DLGraphicsTextItem::focusOutEvent(QFocusEvent *event)
{
    finishEditing();
    QGraphicsTextItem::focusOutEvent(event);
}
