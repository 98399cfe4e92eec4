#include "dlgraphicsscene.h"

#include "colorrun.h"
#include "dlcommentediting.h"
#include "dldrophint.h"
#include "dledgedetector.h"
#include "dlgraphicstextitem.h"
#include "dlmarkinteraction.h"
#include "dlpictureloader.h"
#include "dlundocommand.h"
#include "marks/dlgraphicscommentsitem.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitem.h"
#include "marks/dlpalette.h"
#include "settings/dlsetting.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QUndoCommand>

#include <cmath>
#include <limits>

namespace {
// The scene whose callbacks the mark framework currently holds.
DLGraphicsScene *callbackOwner = nullptr;
DLGraphicsItem *asMark(QGraphicsItem *item)
{
    return item && isMarkItemType(item->type()) ? static_cast<DLGraphicsItem *>(item) : nullptr;
}

int orderNumberOf(double z)
{
    return int(std::lround(z));
}

bool fitsOrderNumber(double z)
{
    return std::isfinite(z) && std::abs(z) < double(std::numeric_limits<int>::max());
}

bool isFinitePoint(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}
} // namespace

DLGraphicsScene::DLGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
    , m_commentEditing(std::make_unique<DLCommentEditing>(*this))
    , m_edgeDetector(std::make_unique<DLEdgeDetector>(*this))
    , m_markInteraction(std::make_unique<DLMarkInteraction>(*this))
{
    m_undoStack.setUndoLimit(200);
    // The origin stored in an earlier session holds from the start, as the settings show it.
    m_flipY = DLSetting::flipY();
    callbackOwner = this;
    DLGraphicsItem::setSelectedHandler(
        [this](DLGraphicsItem *mark) { onMarkSelectionChanged(mark); });
    DLGraphicsItem::setEditCommentHandler(
        [this](const QString &text, DLGraphicsItem *mark) { beginCommentEditing(text, mark); });
    DLGraphicsItem::setLenChangedHandler(
        [this](const DLGraphicsLengthItem *mark, DLLenChanged kind) {
            m_markInteraction->onLengthChanged(mark, kind);
        });
    DLGraphicsItemRenderer::setColorAtHandler([this](QPointF p) { return pixelAt(p); });
    DLGraphicsItemRenderer::setMapPointHandler(
        [this](QPointF p, double h) { return mapToOrigin(p, h); });
    DLGraphicsItemRenderer::setMacProfile(DLSetting::macProfile());
    DLGraphicsItemRenderer::setColorFormat(DLSetting::colorFormat());
    DLGraphicsItemRenderer::setMarkColor(DLSetting::markColor());
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    connect(this, &DLGraphicsScene::itemSelected, this, &DLGraphicsScene::myItemSelected);
}

DLGraphicsScene::~DLGraphicsScene()
{
    // Marks outliving this scene must not call back into it.
    if (callbackOwner == this) {
        callbackOwner = nullptr;
        DLGraphicsItem::setSelectedHandler(nullptr);
        DLGraphicsItem::setEditCommentHandler(nullptr);
        DLGraphicsItem::setLenChangedHandler(nullptr);
        DLGraphicsItemRenderer::setColorAtHandler(nullptr);
        DLGraphicsItemRenderer::setMapPointHandler(nullptr);
    }
    m_markInteraction->forgetAll();
    m_undoStack.clear();
    clear();
}

QGraphicsView *DLGraphicsScene::firstView() const
{
    const QList<QGraphicsView *> list = views();
    return list.isEmpty() ? nullptr : list.first();
}

QRgb DLGraphicsScene::pixelAt(const QPointF &p) const
{
    const int x = int(std::floor(p.x()));
    const int y = int(std::floor(p.y()));
    if (m_image.isNull() || x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 0xFFFFFFFF;
    return m_image.pixel(x, y);
}

QPointF DLGraphicsScene::mapToOrigin(const QPointF &p, double h) const
{
    if (!m_flipY)
        return p;
    return QPointF(p.x(), m_image.height() - p.y() - h);
}

void DLGraphicsScene::setEmptyState(bool empty)
{
    QGraphicsView *view = firstView();
    if (empty) {
        if (view)
            view->setBackgroundBrush(QBrush(QColor(50, 53, 63)));
        addItem(DLDropHint::makeDropHintItem());
        return;
    }
    if (view)
        view->setBackgroundBrush(DLSetting::backgroundBrush());
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        if (item->type() == QGraphicsItemGroup::Type)
            delete item;
    }
}

void DLGraphicsScene::loadImage(const QString &path)
{
    int viewW = 0;
    int viewH = 0;
    if (QGraphicsView *view = firstView()) {
        viewW = view->geometry().width();
        viewH = view->geometry().height();
    }
    m_imagePath = path;
    m_image = DLPictureLoader::load(path);
    setSceneRect(DLPictureLoader::sceneRectFor(m_image.size(), QSize(viewW, viewH)));

    delete m_imageItem;
    m_imageItem = addPixmap(QPixmap::fromImage(m_image));
    m_imageItem->setPos(0, 0);
    m_imageItem->setZValue(-100.0);
}

void DLGraphicsScene::forgetImage()
{
    m_imagePath.clear();
    m_image = QImage();
}

void DLGraphicsScene::clearCanvas()
{
    const QList<QGraphicsItem *> all = items();
    QList<QGraphicsItem *> topLevel;
    for (QGraphicsItem *item : all) {
        if (!item->parentItem())
            topLevel.append(item);
    }
    m_markInteraction->forgetAll();
    const bool wasEditing = m_commentEditing->forget();
    m_edgeDetector->forget();
    m_imageItem = nullptr;
    qDeleteAll(topLevel);
    if (wasEditing)
        emit textEditStateChanged(false);
}

void DLGraphicsScene::setScale(double factor, QGraphicsView *view)
{
    if (factor == m_scale)
        return;
    if (view)
        view->setTransform(QTransform::fromScale(factor, factor));
    m_scale = factor;
}

bool DLGraphicsScene::hasMarks() const
{
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        if (item->type() >= QGraphicsItem::UserType)
            return true;
    }
    return false;
}

QList<DLGraphicsItem *> DLGraphicsScene::marks() const
{
    QList<DLGraphicsItem *> found;
    const QList<QGraphicsItem *> all = items(Qt::DescendingOrder);
    for (QGraphicsItem *item : all) {
        if (DLGraphicsItem *mark = asMark(item))
            found.append(mark);
    }
    return found;
}

void DLGraphicsScene::placeNewMark(DLGraphicsItem *mark)
{
    if (!mark)
        return;
    mark->setZValue(m_nextZValue);
    mark->setOrderNumber(orderNumberOf(m_nextZValue));
    addItem(mark);
    m_nextZValue += 1.0;
}

DLGraphicsItem *DLGraphicsScene::restoreMark(const MarkRecord &record)
{
    if (!fitsOrderNumber(record.idx) || !isFinitePoint(record.point1)
        || !isFinitePoint(record.point2))
        return nullptr;
    DLGraphicsItem *mark = DLGraphicsItem::create(
        record.type, record.point1, record.point2, record.text, record.maxw);
    if (!mark)
        return nullptr;
    mark->setZValue(record.idx);
    mark->setOrderNumber(orderNumberOf(record.idx));
    // Not new: its next drag is a move, and a comment does not open the editor on release.
    mark->setPendingChange(PendingChange::None);
    if (mark->markType() == MarkComments)
        static_cast<DLGraphicsCommentsItem *>(mark)->setEditOnRelease(false);
    addItem(mark);
    return mark;
}

DLGraphicsItem *DLGraphicsScene::findMarkByOrder(int order) const
{
    const QList<DLGraphicsItem *> all = marks();
    for (DLGraphicsItem *mark : all) {
        if (mark->orderNumber() == order)
            return mark;
    }
    return nullptr;
}

void DLGraphicsScene::removeMarkByOrder(int order)
{
    discardMark(findMarkByOrder(order));
}

void DLGraphicsScene::setMarkPointsByOrder(int order, const QPointF &p1, const QPointF &p2)
{
    if (DLGraphicsItem *mark = findMarkByOrder(order))
        mark->setPoints(p1, p2);
}

void DLGraphicsScene::setMarkTextByOrder(int order, const QString &text)
{
    if (DLGraphicsItem *mark = findMarkByOrder(order)) {
        mark->setText(text);
        mark->refresh();
    }
}

bool DLGraphicsScene::loadDocument(const MarkRecordList &records, const QString &path, double nextZ)
{
    m_nextZValue = nextZ;
    loadImage(path);
    for (const MarkRecord *record : records) {
        if (record)
            restoreMark(*record);
    }
    return true;
}

bool DLGraphicsScene::collectMarkRecords(MarkRecordList *records)
{
    if (!records)
        return false;
    clearMarkRecords(*records);
    const QList<DLGraphicsItem *> all = marks();
    for (const DLGraphicsItem *mark : all) {
        auto record = std::make_unique<MarkRecord>();
        record->type = mark->markType();
        record->idx = -1.0;
        record->maxw = -1.0;
        if (!mark->fillRecord(record.get()))
            return false;
        records->append(record.release());
    }
    return true;
}

void DLGraphicsScene::applySettingsChanges(int mask)
{
    if (mask & ChangedOrigin)
        m_flipY = DLSetting::flipY();
    const QList<DLGraphicsItem *> all = marks();
    for (DLGraphicsItem *mark : all)
        mark->settingsChanged(mask);
}

void DLGraphicsScene::refreshColorPicks()
{
    const QList<DLGraphicsItem *> all = marks();
    for (DLGraphicsItem *mark : all) {
        if (mark->markType() == MarkColorPick)
            mark->refresh();
    }
}

void DLGraphicsScene::renderTo(QPainter *painter)
{
    painter->drawImage(0, 0, m_image);
    renderMarksTo(painter);
}

void DLGraphicsScene::renderMarksTo(QPainter *painter)
{
    const QList<DLGraphicsItem *> all = marks();
    for (DLGraphicsItem *mark : all) {
        const QPointF p = mark->pos();
        painter->save();
        painter->translate(p);
        mark->paintPlain(painter);
        painter->translate(-p);
        painter->restore();
    }
}

void DLGraphicsScene::pushUndoCommand(QUndoCommand *command)
{
    if (!command)
        return;
    m_modified = true;
    m_undoStack.push(command);
}

void DLGraphicsScene::discardMark(DLGraphicsItem *mark)
{
    if (!mark)
        return;
    m_markInteraction->forgetMark(mark);
    if (m_commentEditing->isEditing(mark)) {
        m_commentEditing->abandon();
        emit textEditStateChanged(false);
    }
    delete mark;
}

void DLGraphicsScene::deleteSelectedMarks()
{
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected) {
        if (item->type() == commentEditorItemType || item->parentItem())
            continue;
        DLGraphicsItem *mark = asMark(item);
        if (!mark)
            continue;
        pushUndoCommand(mark->takeUndoCommand(this, true));
        discardMark(mark);
    }
}

void DLGraphicsScene::finishEditingAndDeselect()
{
    makeEditorFinishEditing();
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected)
        item->setSelected(false);
}

void DLGraphicsScene::onMarkSelectionChanged(DLGraphicsItem *mark)
{
    if (QGuiApplication::keyboardModifiers() & Qt::ControlModifier)
        return;
    emit itemSelected(mark);
}

void DLGraphicsScene::myItemSelected(QGraphicsItem *item)
{
    // A mark losing its selection leaves the others alone; otherwise deselecting the rest
    // would in turn deselect the mark that was just chosen.
    if (isEditingComment() || !item || !item->isSelected())
        return;
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *other : selected) {
        if (other != item)
            other->setSelected(false);
    }
}

bool DLGraphicsScene::acceptsMarkEdits() const
{
    return !isEditingComment() && !isDetecting() && m_mode == ModeMark;
}

bool DLGraphicsScene::isEditingComment() const
{
    return m_commentEditing->textEditor() != nullptr;
}

bool DLGraphicsScene::isDetecting() const
{
    return m_edgeDetector->isDetecting();
}

void DLGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_markInteraction->press(event);
    QGraphicsScene::mousePressEvent(event);
}

void DLGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    m_markInteraction->move(event);
    QGraphicsScene::mouseMoveEvent(event);
}

void DLGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    m_markInteraction->release(event);
    QGraphicsScene::mouseReleaseEvent(event);
}

void DLGraphicsScene::beginCommentEditing(const QString &text, DLGraphicsItem *mark)
{
    DLGraphicsTextItem *editor = m_commentEditing->begin(text, mark);
    if (!editor)
        return;
    connect(editor, &DLGraphicsTextItem::lostFocus, this, &DLGraphicsScene::textEditorDidEndEditor);
    editor->setFocus(Qt::MouseFocusReason);
    emit textEditStateChanged(true);
}

void DLGraphicsScene::textEditorDidEndEditor(DLGraphicsTextItem *editor, DLGraphicsItem *item)
{
    if (m_commentEditing->commit(editor, item))
        emit textEditStateChanged(false);
}

void DLGraphicsScene::makeEditorFinishEditing()
{
    m_commentEditing->finish();
}

bool DLGraphicsScene::findColorRun(
    const QPoint &p, bool horizontal, QPoint *start, QPoint *end) const
{
    return ::findColorRun(m_image, p, horizontal, start, end);
}

void DLGraphicsScene::onTrackMouseFreeMoveStart(QPointF pos)
{
    m_edgeDetector->start(pos);
}

void DLGraphicsScene::onTrackMouseFreeMovePosChanged(QPointF pos)
{
    m_edgeDetector->follow(pos);
}

void DLGraphicsScene::onTrackMouseFreeMoveEnd(bool select, QPointF pos)
{
    m_edgeDetector->end(select, pos);
}
