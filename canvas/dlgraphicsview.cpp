#include "dlgraphicsview.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

DLGraphicsView::DLGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
}

void DLGraphicsView::setTrackMouseFreeMove(bool on)
{
    trackMouseFreeMove = on;
    if (!on)
        return;
    if (!hasMouseTracking())
        setMouseTracking(true);
    const QPoint widgetPos = mapFromGlobal(QCursor::pos());
    emit trackMouseFreeMoveStart(mapToScene(widgetPos));
}

void DLGraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    if (trackMouseFreeMove)
        emit trackMouseFreeMovePosChanged(mapToScene(event->pos()));
    QGraphicsView::mouseMoveEvent(event);
}

void DLGraphicsView::mousePressEvent(QMouseEvent *event)
{
    // The scene sees the press first, so the click that ends tracking starts no mark.
    QGraphicsView::mousePressEvent(event);
    if (trackMouseFreeMove) {
        emit trackMouseFreeMoveEnd(true, mapToScene(event->pos()));
        trackMouseFreeMove = false;
    }
}

void DLGraphicsView::keyReleaseEvent(QKeyEvent *event)
{
    QGraphicsView::keyReleaseEvent(event);
    if (trackMouseFreeMove && !event->isAutoRepeat() && event->key() == Qt::Key_Space) {
        emit trackMouseFreeMoveEnd(false, QPointF(0, 0));
        trackMouseFreeMove = false;
    }
}

void DLGraphicsView::wheelEvent(QWheelEvent *event)
{
    if (trackMouseFreeMove || !(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const int delta = event->delta();
    QT_WARNING_POP
    if (delta < 1)
        emit suoxiao();
    else
        emit fangda();
    event->accept();
}
