#pragma once

#include "canvas/dlcommentediting.h"
#include "canvas/dledgedetector.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmarkinteraction.h"
#include "marks/dlgraphicsitem.h"
#include "marks/marktest.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

// Sends the scene a mouse event as a view would for one button pressed at down.
inline void sendMouse(QGraphicsScene *scene, QEvent::Type type, QPointF at, QPointF down,
    Qt::MouseButton button = Qt::LeftButton)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(at);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : button);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : button);
    event.setButtonDownScenePos(button, down);
    QApplication::sendEvent(scene, &event);
}

inline void drag(
    QGraphicsScene *scene, QPointF from, QPointF to, Qt::MouseButton button = Qt::LeftButton)
{
    for (QEvent::Type type : {QEvent::GraphicsSceneMousePress, QEvent::GraphicsSceneMouseMove,
             QEvent::GraphicsSceneMouseRelease})
        sendMouse(scene, type, type == QEvent::GraphicsSceneMousePress ? from : to, from, button);
}

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

// The points of every mark, topmost first: "x1,y1 x2,y2/x1,y1 x2,y2".
inline QString pointsText(const DLGraphicsScene &scene)
{
    QStringList marks;
    for (const DLGraphicsItem *mark : scene.marks()) {
        const QLineF p = pointsOf(mark);
        marks << QStringLiteral("%1,%2 %3,%4").arg(p.x1()).arg(p.y1()).arg(p.x2()).arg(p.y2());
    }
    return marks.join('/');
}
