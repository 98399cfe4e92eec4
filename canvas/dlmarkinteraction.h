#pragma once

#include "marks/dlmarktypes.h"

#include <QPointF>
#include <QRectF>

class QGraphicsPathItem;
class QGraphicsSceneMouseEvent;
class DLGraphicsItem;
class DLGraphicsLengthItem;
class DLGraphicsScene;

// The left-button dialogue with the marks: a press picks the topmost mark under the pointer
// or starts a new one of the current tool, drags go to it, and the release records the
// change for undo. While a length mark is dragged, dashed guide lines run through its ends.
class DLMarkInteraction
{
public:
    explicit DLMarkInteraction(DLGraphicsScene &scene);

    void press(QGraphicsSceneMouseEvent *event);
    void move(QGraphicsSceneMouseEvent *event);
    void release(QGraphicsSceneMouseEvent *event);
    void onLengthChanged(const DLGraphicsLengthItem *mark, DLLenChanged kind);
    // The mark is about to go: a drag on it ends here.
    void forgetMark(const DLGraphicsItem *mark);
    // The canvas deleted the guide lines with every other item.
    void forgetAll();

    DLGraphicsItem *activeMark() const { return m_activeMark; }
    QGraphicsPathItem *guideLine(int which) const
    {
        return which == 1 ? m_guideLine1 : m_guideLine2;
    }

private:
    QRectF visibleSceneRect() const;
    void placeGuideLines(const QPointF &p1, const QPointF &p2);
    void removeGuideLines();

    DLGraphicsScene &m_scene;
    DLGraphicsItem *m_activeMark = nullptr;
    unsigned int m_activeHitPart = HitNone;
    bool m_guideVertical = true;
    QGraphicsPathItem *m_guideLine1 = nullptr;
    QGraphicsPathItem *m_guideLine2 = nullptr;
};
