#include "dlmarkinteraction.h"

#include "dlgraphicsscene.h"
#include "dlundocommand.h"
#include "guidegeometry.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitem.h"
#include "marks/dlpalette.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QScrollBar>

#include <cmath>

namespace {
QPointF wholePixel(const QPointF &p)
{
    return QPointF(std::floor(p.x()), std::floor(p.y()));
}

// Parts that start no drag: nothing of a mark, or the part the scene ignores.
bool isDragPart(unsigned int part)
{
    return int(part) != HitNone && int(part) != HitIgnored;
}
} // namespace

DLMarkInteraction::DLMarkInteraction(DLGraphicsScene &scene)
    : m_scene(scene)
{
}

void DLMarkInteraction::press(QGraphicsSceneMouseEvent *event)
{
    m_activeMark = nullptr;
    if (!m_scene.acceptsMarkEdits() || event->button() != Qt::LeftButton)
        return;
    const QPointF p = wholePixel(event->scenePos());
    const QList<QGraphicsItem *> hits
        = m_scene.items(p, Qt::ContainsItemBoundingRect, Qt::DescendingOrder);
    for (QGraphicsItem *item : hits) {
        if (item->type() == commentEditorItemType)
            return;
        if (!isMarkItemType(item->type()))
            continue;
        auto *mark = static_cast<DLGraphicsItem *>(item);
        const int part = mark->hitTest(p);
        if (part != HitNone) {
            m_activeMark = mark;
            m_activeHitPart = unsigned(part);
            break;
        }
    }
    if (!m_activeMark) {
        m_activeMark = DLGraphicsItem::createDefault(m_scene.toolType(), p);
        m_activeHitPart = unsigned(defaultHitPart(m_scene.toolType()));
        m_scene.placeNewMark(m_activeMark);
    }
    if (m_activeMark)
        m_activeMark->pressAt(p, int(m_activeHitPart));
}

void DLMarkInteraction::move(QGraphicsSceneMouseEvent *event)
{
    if (m_scene.acceptsMarkEdits() && m_activeMark && isDragPart(m_activeHitPart))
        m_activeMark->dragTo(wholePixel(event->scenePos()), int(m_activeHitPart));
}

void DLMarkInteraction::release(QGraphicsSceneMouseEvent *event)
{
    if (!m_scene.acceptsMarkEdits() || event->button() != Qt::LeftButton || !m_activeMark
        || !isDragPart(m_activeHitPart))
        return;
    m_activeMark->releaseAt(wholePixel(event->scenePos()), int(m_activeHitPart));
    if (m_activeMark && !m_activeMark->isValid()) {
        qDebug("mouseReleaseEvent--> remove invalid operation.");
        m_scene.discardMark(m_activeMark);
    }
    if (m_activeMark)
        m_scene.pushUndoCommand(m_activeMark->takeUndoCommand(&m_scene, false));
    m_activeMark = nullptr;
    m_activeHitPart = HitNone;
}

void DLMarkInteraction::forgetMark(const DLGraphicsItem *mark)
{
    if (mark != m_activeMark)
        return;
    m_activeMark = nullptr;
    m_activeHitPart = HitNone;
    removeGuideLines();
}

void DLMarkInteraction::forgetAll()
{
    m_activeMark = nullptr;
    m_activeHitPart = HitNone;
    m_guideLine1 = m_guideLine2 = nullptr;
}

QRectF DLMarkInteraction::visibleSceneRect() const
{
    const QList<QGraphicsView *> views = m_scene.views();
    const QGraphicsView *view = views.isEmpty() ? nullptr : views.first();
    return ::visibleSceneRect(m_scene.sceneRect(), m_scene.scale(),
        view ? view->horizontalScrollBar() : nullptr, view ? view->verticalScrollBar() : nullptr);
}

void DLMarkInteraction::placeGuideLines(const QPointF &p1, const QPointF &p2)
{
    if (m_guideVertical) {
        m_guideLine1->setPos(p1.x(), 0);
        m_guideLine2->setPos(p2.x(), 0);
    } else {
        m_guideLine1->setPos(0, p1.y());
        m_guideLine2->setPos(0, p2.y());
    }
}

void DLMarkInteraction::removeGuideLines()
{
    delete m_guideLine1;
    delete m_guideLine2;
    m_guideLine1 = nullptr;
    m_guideLine2 = nullptr;
}

void DLMarkInteraction::onLengthChanged(const DLGraphicsLengthItem *mark, DLLenChanged kind)
{
    if (!mark)
        return;
    QPointF p1;
    QPointF p2;
    mark->points(&p1, &p2);
    const bool vertical = std::abs(p1.x() - p2.x()) > std::abs(p1.y() - p2.y());
    switch (kind) {
    case LenChangeBegin: {
        removeGuideLines();
        QPen pen = DLGraphicsItemRenderer::darkMarkPen();
        if (!guideDashPattern().isEmpty())
            pen.setDashPattern(guideDashPattern());
        m_guideVertical = vertical;
        const QPainterPath path = makeGuidePath(visibleSceneRect(), m_guideVertical);
        m_guideLine1 = m_scene.addPath(path);
        m_guideLine1->setPen(pen);
        m_guideLine2 = m_scene.addPath(path);
        m_guideLine2->setPen(pen);
        placeGuideLines(p1, p2);
        break;
    }
    case LenChanging:
        if (!m_guideLine1 || !m_guideLine2)
            return;
        if (vertical != m_guideVertical) {
            const QPainterPath path = makeGuidePath(visibleSceneRect(), vertical);
            m_guideLine1->setPath(path);
            m_guideLine2->setPath(path);
            m_guideVertical = vertical;
        }
        placeGuideLines(p1, p2);
        break;
    case LenChangeEnd:
        removeGuideLines();
        break;
    }
}
