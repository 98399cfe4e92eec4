#include "dlgraphicsview.h"

#include <QApplication>
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
    // While tracking, Space released on any control or the window losing focus ends it too.
    if (!on) {
        qApp->removeEventFilter(this);
        return;
    }
    qApp->installEventFilter(this);
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
        setTrackMouseFreeMove(false);
    }
}

void DLGraphicsView::endTrackMouseFreeMove()
{
    if (!trackMouseFreeMove)
        return;
    emit trackMouseFreeMoveEnd(false, QPointF(0, 0));
    setTrackMouseFreeMove(false);
}

bool DLGraphicsView::eventFilter(QObject *watched, QEvent *event)
{
    // The view's own key release runs through keyReleaseEvent.
    if (event->type() == QEvent::KeyRelease && watched != this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat() && key->key() == Qt::Key_Space)
            endTrackMouseFreeMove();
    } else if (event->type() == QEvent::WindowDeactivate && watched == window()) {
        endTrackMouseFreeMove();
    }
    return QGraphicsView::eventFilter(watched, event);
}

void DLGraphicsView::keyReleaseEvent(QKeyEvent *event)
{
    QGraphicsView::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && event->key() == Qt::Key_Space)
        endTrackMouseFreeMove();
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
