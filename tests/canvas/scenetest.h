#pragma once

#include "canvas/dlcommentediting.h"
#include "canvas/dledgedetector.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmarkinteraction.h"
#include "marks/dlgraphicsitem.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

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
    void click(const QPointF &p) { drag(p, p); }

private:
    void send(QEvent::Type type, const QPointF &p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(p);
        event.setButton(button);
        event.setButtons(buttons);
        event.setButtonDownScenePos(m_button, m_down);
        QApplication::sendEvent(m_scene, &event);
    }

    QGraphicsScene *m_scene;
    Qt::MouseButton m_button;
    QPointF m_down;
};

// What tests set or look at inside the scene: a picture without a file, the origin, the next
// order number, and the helpers that own the transient items.
class SceneTestAccess
{
public:
    static void setImage(DLGraphicsScene &scene, const QImage &image) { scene.m_image = image; }
    static void setFlipY(DLGraphicsScene &scene, bool flipY) { scene.m_flipY = flipY; }
    static void setNextZValue(DLGraphicsScene &scene, double z) { scene.m_nextZValue = z; }
    static const DLCommentEditing &comments(const DLGraphicsScene &s)
    {
        return *s.m_commentEditing;
    }
    static const DLEdgeDetector &detector(const DLGraphicsScene &s) { return *s.m_edgeDetector; }
    static const DLMarkInteraction &interaction(const DLGraphicsScene &s)
    {
        return *s.m_markInteraction;
    }
};

// A scene in mark mode over a 60 x 40 black picture with a white block over x = 20..29,
// y = 5..20 and a lone red pixel at (40, 30).
struct MarkScene : DLGraphicsScene
{
    explicit MarkScene(DLToolType tool = ToolLength)
    {
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter(&picture).fillRect(QRect(20, 5, 10, 16), Qt::white);
        picture.setPixel(40, 30, qRgb(255, 0, 0));
        SceneTestAccess::setImage(*this, picture);
        setMode(ModeMark);
        setToolType(tool);
    }
};

inline QLineF pointsOf(const DLGraphicsItem *mark)
{
    QPointF a, b;
    mark->points(&a, &b);
    return {a, b};
}

// Every mark as comparable text, topmost first: kind, z, order, points, comment text, width.
inline QStringList describeMarks(const DLGraphicsScene &scene)
{
    QStringList lines;
    for (const DLGraphicsItem *mark : scene.marks()) {
        const QLineF p = pointsOf(mark);
        const QString text = mark->markType() == MarkComments ? mark->text() : QString();
        lines << QStringList {QString::number(mark->markType()), QString::number(mark->zValue()),
            QString::number(mark->orderNumber()), QString::number(p.x1()), QString::number(p.y1()),
            QString::number(p.x2()), QString::number(p.y2()), text,
            QString::number(mark->maxWidth())}
                     .join(' ');
    }
    return lines;
}
