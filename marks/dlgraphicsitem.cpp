#include "dlgraphicsitem.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "dlgraphicscolorpickitem.h"
#include "dlgraphicscolorpickitemrenderer.h"
#include "dlgraphicscommentsitem.h"
#include "dlgraphicscommentsitemrenderer.h"
#include "dlgraphicsitemrenderer.h"
#include "dlgraphicslengthitem.h"
#include "dlgraphicslengthitemrenderer.h"
#include "dlgraphicsrectitem.h"
#include "dlgraphicsrectitemrenderer.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>

namespace {
struct Handlers
{
    DLGraphicsItem::SelectedHandler selected;
    DLGraphicsItem::EditCommentHandler editComment;
    DLGraphicsItem::LenChangedHandler lenChanged;
};

Handlers &handlers()
{
    static Handlers h;
    return h;
}
} // namespace

QPainterPath strokedShape(const QPainterPath &path, const QPen &pen)
{
    if (path.isEmpty() || pen.style() == Qt::NoPen)
        return path;
    QPainterPathStroker stroker;
    stroker.setCapStyle(pen.capStyle());
    stroker.setWidth(pen.widthF() <= 0.0 ? 0.00000001 : pen.widthF());
    stroker.setJoinStyle(pen.joinStyle());
    stroker.setMiterLimit(pen.miterLimit());
    QPainterPath result = stroker.createStroke(path);
    result.addPath(path);
    return result;
}

DLGraphicsItem::DLGraphicsItem(int type, const QPointF &p1, const QPointF &p2, const QString &text,
    double widthValue, QGraphicsItem *parent)
    : QGraphicsItem(parent)
    , m_markType(type)
    , m_renderer(createRenderer(type))
{
    setAcceptHoverEvents(true);
    setFlag(ItemIsMovable, false);
    setFlag(ItemIsFocusable, true);
    setFlag(ItemIsSelectable, true);
    setFlag(ItemSendsGeometryChanges, true);
    // Only the four kinds have items; create() turns every other type away.
    Q_ASSERT(m_renderer);
    m_renderer->init(this, p1, p2, text, widthValue);
    m_renderer->setHitPart(defaultHitPart(type));
}

DLGraphicsItem::~DLGraphicsItem() = default;

QRectF DLGraphicsItem::boundingRect() const
{
    return m_renderer->boundingRect();
}

QPainterPath DLGraphicsItem::shape() const
{
    return strokedShape(m_renderer->hitPath(), DLGraphicsItemRenderer::style().hitPen);
}

void DLGraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const bool hovered = option && (option->state & QStyle::State_MouseOver);
    const bool selected = option && (option->state & QStyle::State_Selected);
    m_renderer->paint(painter, hovered, selected);
}

int DLGraphicsItem::type() const
{
    return markItemType(m_markType);
}

QVariant DLGraphicsItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedHasChanged && handlers().selected)
        handlers().selected(this);
    return value;
}

bool DLGraphicsItem::isValid() const
{
    return m_renderer->isValid();
}

int DLGraphicsItem::hitTest(const QPointF &scenePoint)
{
    const int part = m_renderer->hitTest(scenePoint);
    m_renderer->setHitPart(part);
    return part;
}

void DLGraphicsItem::pressAt(const QPointF &point, int part)
{
    m_renderer->mousePress(point, part);
}

void DLGraphicsItem::dragTo(const QPointF &point, int part)
{
    m_renderer->mouseMove(point, part);
}

void DLGraphicsItem::releaseAt(const QPointF &point, int part)
{
    if (!m_renderer->movedSincePress(point)) {
        // Handles drawn for the drag must not stay drawn after it.
        m_renderer->cancelPress();
        update();
        return;
    }
    m_renderer->mouseRelease(point, part);
    m_renderer->setHitPart(HitNone);
    if (m_pendingChange == PendingChange::Created)
        return;
    if (part == HitNone || part == HitIgnored)
        m_pendingChange = PendingChange::None;
    else if (part == HitBody)
        m_pendingChange = PendingChange::Moved;
    else
        m_pendingChange = PendingChange::Resized;
}

void DLGraphicsItem::settingsChanged(int mask)
{
    m_renderer->settingsChanged(mask);
    update();
}

bool DLGraphicsItem::fillRecord(MarkRecord *record) const
{
    if (!record)
        return false;
    record->idx = zValue();
    record->point1 = m_renderer->firstPoint();
    record->point2 = m_renderer->secondPoint();
    record->text = m_renderer->text();
    record->maxw = m_renderer->maxWidth();
    return true;
}

void DLGraphicsItem::setStartPoint(const QPointF &point)
{
    m_renderer->setFirstPoint(point);
    m_renderer->updateGeometry();
}

void DLGraphicsItem::setEndPoint(const QPointF &point)
{
    m_renderer->setSecondPoint(point);
    m_renderer->updateGeometry();
}

void DLGraphicsItem::setPoints(const QPointF &first, const QPointF &second)
{
    m_renderer->setFirstPoint(first);
    m_renderer->setSecondPoint(second);
    m_renderer->updateGeometry();
}

void DLGraphicsItem::points(QPointF *first, QPointF *second) const
{
    if (first)
        *first = m_renderer->firstPoint();
    if (second)
        *second = m_renderer->secondPoint();
}

void DLGraphicsItem::paintPlain(QPainter *painter)
{
    m_renderer->paint(painter, false, false);
}

DLGraphicsItemRenderer *DLGraphicsItem::renderer()
{
    return m_renderer.get();
}

const DLGraphicsItemRenderer *DLGraphicsItem::renderer() const
{
    return m_renderer.get();
}

DLUndoCommand *DLGraphicsItem::takeUndoCommand(DLGraphicsScene *scene, bool deleting)
{
    if (deleting)
        m_pendingChange = PendingChange::Deleted;
    DLUndoCommand *command = nullptr;
    const QPointF first = m_renderer->firstPoint();
    const QPointF second = m_renderer->secondPoint();
    switch (m_pendingChange) {
    case PendingChange::Created:
        command = new DLCreateCommand(
            m_markType, m_orderNumber, first, second, m_renderer->text(), m_renderer->maxWidth());
        break;
    case PendingChange::Moved:
    case PendingChange::Resized:
        command = new DLMoveCommand(m_markType, m_orderNumber, m_renderer->pressFirstPoint(),
            m_renderer->pressSecondPoint(), first, second);
        break;
    case PendingChange::Deleted:
        command = new DLDeleteCommand(
            m_markType, m_orderNumber, first, second, m_renderer->text(), m_renderer->maxWidth());
        break;
    case PendingChange::None:
        break;
    }
    if (command)
        command->setScene(scene);
    m_pendingChange = PendingChange::None;
    return command;
}

void DLGraphicsItem::setText(const QString &text)
{
    m_renderer->setText(text);
    m_renderer->textChanged();
}

QString DLGraphicsItem::text() const
{
    return m_renderer->text();
}

double DLGraphicsItem::maxWidth() const
{
    return m_renderer->maxWidth();
}

void DLGraphicsItem::refresh()
{
    m_renderer->updateGeometry();
}

QRectF DLGraphicsItem::labelSceneRect() const
{
    return mapRectToScene(m_renderer->labelRect());
}

QPointF DLGraphicsItem::handlePos() const
{
    return pos();
}

void DLGraphicsItem::handleSetPos(const QPointF &pos)
{
    setPos(pos);
}

void DLGraphicsItem::handlePrepareGeometryChange()
{
    prepareGeometryChange();
}

void DLGraphicsItem::handleUpdate()
{
    update();
}

DLGraphicsItem *DLGraphicsItem::create(
    int type, const QPointF &p1, const QPointF &p2, const QString &text, double widthValue)
{
    switch (type) {
    case MarkLength:
        return new DLGraphicsLengthItem(p1, p2, text, widthValue);
    case MarkRect:
        return new DLGraphicsRectItem(p1, p2, text, -1.0);
    case MarkColorPick:
        return new DLGraphicsColorPickItem(p1, p2, text, -1.0);
    case MarkComments:
        return new DLGraphicsCommentsItem(p1, p2, text, widthValue);
    default:
        return nullptr;
    }
}

DLGraphicsItem *DLGraphicsItem::createDefault(int type, const QPointF &point)
{
    const QString text = type == MarkComments ? QStringLiteral("Comments") : QString();
    return create(type, point, point, text, -1.0);
}

DLGraphicsItemRenderer *DLGraphicsItem::createRenderer(int type)
{
    switch (type) {
    case MarkLength:
        return new DLGraphicsLengthItemRenderer();
    case MarkRect:
        return new DLGraphicsRectItemRenderer();
    case MarkColorPick:
        return new DLGraphicsColorPickItemRenderer();
    case MarkComments:
        return new DLGraphicsCommentsItemRenderer();
    default:
        return nullptr;
    }
}

void DLGraphicsItem::setSelectedHandler(SelectedHandler handler)
{
    handlers().selected = std::move(handler);
}

void DLGraphicsItem::setEditCommentHandler(EditCommentHandler handler)
{
    handlers().editComment = std::move(handler);
}

void DLGraphicsItem::setLenChangedHandler(LenChangedHandler handler)
{
    handlers().lenChanged = std::move(handler);
}

void DLGraphicsItem::requestCommentEdit()
{
    if (handlers().editComment)
        handlers().editComment(text(), this);
}

void DLGraphicsItem::notifyLengthChanged(const DLGraphicsLengthItem *item, DLLenChanged kind)
{
    if (handlers().lenChanged)
        handlers().lenChanged(item, kind);
}
