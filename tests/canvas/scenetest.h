#pragma once

#include "marks/dlgraphicsitem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

// Sends the scene the mouse events a view would send for one button.
class SceneMouse
{
public:
    explicit SceneMouse(QGraphicsScene *scene, Qt::MouseButton button = Qt::LeftButton)
        : m_scene(scene)
        , m_button(button)
    {
    }

    void press(const QPointF &p)
    {
        m_down = p;
        send(QEvent::GraphicsSceneMousePress, p, m_button, m_button);
    }
    void move(const QPointF &p) { send(QEvent::GraphicsSceneMouseMove, p, Qt::NoButton, m_button); }
    void release(const QPointF &p) { send(QEvent::GraphicsSceneMouseRelease, p, m_button, {}); }
    void drag(const QPointF &from, const QPointF &to)
    {
        press(from);
        move(to);
        release(to);
    }
    void click(const QPointF &p)
    {
        press(p);
        release(p);
    }

private:
    void send(QEvent::Type type, const QPointF &p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(p);
        event.setScreenPos(p.toPoint());
        event.setLastScenePos(p);
        event.setButton(button);
        event.setButtons(buttons);
        event.setButtonDownScenePos(m_button, m_down);
        event.setButtonDownScreenPos(m_button, m_down.toPoint());
        QApplication::sendEvent(m_scene, &event);
    }

    QGraphicsScene *m_scene;
    Qt::MouseButton m_button;
    QPointF m_down;
};

inline QList<DLGraphicsItem *> marksOf(const QGraphicsScene &scene)
{
    QList<DLGraphicsItem *> marks;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (isMarkItemType(item->type()))
            marks << static_cast<DLGraphicsItem *>(item);
    }
    return marks;
}

inline QLineF pointsOf(const DLGraphicsItem *mark)
{
    QPointF a, b;
    mark->points(&a, &b);
    return {a, b};
}
