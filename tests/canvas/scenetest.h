#pragma once

#include "canvas/dlcommentediting.h"
#include "canvas/dledgedetector.h"
#include "canvas/dlgraphicsscene.h"
#include "marks/dlgraphicsitem.h"
#include "marks/marktest.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

// Presses at from, moves to to and releases there, as a view sends a drag with one button.
inline void drag(
    QGraphicsScene *scene, QPointF from, QPointF to, Qt::MouseButton button = Qt::LeftButton)
{
    for (QEvent::Type type : {QEvent::GraphicsSceneMousePress, QEvent::GraphicsSceneMouseMove,
             QEvent::GraphicsSceneMouseRelease}) {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(type == QEvent::GraphicsSceneMousePress ? from : to);
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : button);
        event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : button);
        event.setButtonDownScenePos(button, from);
        QApplication::sendEvent(scene, &event);
    }
}

// The scene's insides that tests set or look at.
class SceneTestAccess
{
public:
    static void setImage(DLGraphicsScene &scene, const QImage &image) { scene.m_image = image; }
    static void setNextZValue(DLGraphicsScene &scene, double z) { scene.m_nextZValue = z; }
    static auto &comments(const DLGraphicsScene &s) { return *s.m_commentEditing; }
    static auto &detector(const DLGraphicsScene &s) { return *s.m_edgeDetector; }
};

// Mark mode over a 60 x 40 black picture, white over x = 20..29, y = 5..20, red at (40, 30).
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

// Every mark, topmost first, as "x1,y1 x2,y2", in full led by kind, z and order and followed by
// a comment's text and the width.
inline QStringList describeMarks(const DLGraphicsScene &scene, bool full = true)
{
    QStringList lines;
    for (const DLGraphicsItem *m : scene.marks()) {
        QPointF a, b;
        m->points(&a, &b);
        QString at = QStringLiteral("%1,%2 %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
        const QString text = m->markType() == MarkComments ? m->text() : QString();
        lines << (full ? QStringList {QString::number(m->markType()), QString::number(m->zValue()),
                      QString::number(m->orderNumber()), at, text, QString::number(m->maxWidth())}
                             .join(' ')
                       : at);
    }
    return lines;
}
