#include "dlgraphicsscene.h"

#include "app/userprompt.h"
#include "capslock.h"
#include "colorrun.h"
#include "dlgraphicstextitem.h"
#include "dltextchangecommand.h"
#include "dlundocommand.h"
#include "guidegeometry.h"
#include "marks/dlgraphicscommentsitem.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitem.h"
#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QUndoCommand>

#include <cmath>
#include <limits>

namespace {
// Pictures above this many pixels are refused before decoding: a forged header
// must not make us allocate gigabytes. 16K x 16K (1 GiB decoded) still opens.
constexpr qint64 maxPicturePixels = qint64(16384) * 16384;

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPicturePixels)
        return QImage();
    return reader.read();
}

// The scene whose callbacks the mark framework currently holds.
DLGraphicsScene *callbackOwner = nullptr;

DLGraphicsItem *asMark(QGraphicsItem *item)
{
    return item && isMarkItemType(item->type()) ? static_cast<DLGraphicsItem *>(item) : nullptr;
}

QPointF wholePixel(const QPointF &p)
{
    return QPointF(std::floor(p.x()), std::floor(p.y()));
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

// Marks brought back from a document or by undo are not new: their next drag is a move, and
// a comment among them does not open the editor on its first release.
void markAsRestored(DLGraphicsItem *mark)
{
    mark->setPendingChange(PendingChange::None);
    if (mark->markType() == MarkComments)
        static_cast<DLGraphicsCommentsItem *>(mark)->setEditOnRelease(false);
}
} // namespace

DLGraphicsScene::DLGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
    undoStack.setUndoLimit(200);
    callbackOwner = this;
    DLGraphicsItem::setSelectedHandler(
        [this](DLGraphicsItem *mark) { onMarkSelectionChanged(mark); });
    DLGraphicsItem::setEditCommentHandler(
        [this](const QString &text, DLGraphicsItem *mark) { beginCommentEditing(text, mark); });
    DLGraphicsItem::setLenChangedHandler([this](const DLGraphicsLengthItem *mark,
                                             DLLenChanged kind) { onLengthChanged(mark, kind); });
    DLGraphicsItemRenderer::setColorAtHandler([this](QPointF p) { return pixelAt(p); });
    DLGraphicsItemRenderer::setMapPointHandler(
        [this](QPointF p, double h) { return mapToOrigin(p, h); });
    DLGraphicsItemRenderer::setMacProfile(DLSetting::macProfile());
    DLGraphicsItemRenderer::setColorFormat(DLSetting::colorFormat());
    DLGraphicsItemRenderer::setMarkColor(DLSetting::markColor());
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    connect(this, &DLGraphicsScene::itemSelected, this, &DLGraphicsScene::myItemSelected);
    lenLeftImage = QImage(QStringLiteral(":/DL/images/DLLenLeftside.png"));
    lenMidImage = QImage(QStringLiteral(":/DL/images/DLLenMidside.png"));
    lenRightImage = QImage(QStringLiteral(":/DL/images/DLLenRightside.png"));
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
    activeMark = nullptr;
    undoStack.clear();
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
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return 0xFFFFFFFF;
    return image.pixel(x, y);
}

QPointF DLGraphicsScene::mapToOrigin(const QPointF &p, double h) const
{
    if (!flipY)
        return p;
    return QPointF(p.x(), image.height() - p.y() - h);
}

QPainterPath DLGraphicsScene::dropIconPath(
    int side, int areaWidth, int areaHeight, int margin, QPointF offset)
{
    QPainterPath path;
    const double ox = offset.x();
    const double oy = offset.y();
    path.addRoundedRect(
        QRectF((areaWidth - side) / 2 + ox, (areaHeight - side) / 2 + oy, side, side), 10, 10,
        Qt::AbsoluteSize);
    const double cx = areaWidth / 2 + ox;
    const double top = areaHeight / 2 - side / 2 + 2 * margin + oy;
    const double bottom = areaHeight / 2 + side / 2 - 2 * margin + oy;
    const double barbY = areaHeight / 2 - side / 4 - 2 * margin + 2 + areaHeight / 2 + oy;
    path.moveTo(cx, top);
    path.lineTo(cx, bottom);
    path.lineTo(cx + side / 4, barbY);
    path.moveTo(cx, bottom);
    path.lineTo(cx - side / 4, barbY);
    return path;
}

QImage DLGraphicsScene::makeDropHintImage()
{
    QImage hint(300, 160, QImage::Format_ARGB32_Premultiplied);
    hint.fill(Qt::transparent);
    QPainter painter(&hint);
    const QPainterPath icon = dropIconPath(100, 300, 100, 12, QPointF(0, 10));
    painter.save();
    QPen iconPen(QColor(255, 255, 255, 128));
    iconPen.setWidth(12);
    painter.setPen(iconPen);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawPath(icon);
    painter.restore();

    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 17));
    painter.drawText(QRect(0, 104, 300, 40), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom,
        QCoreApplication::translate("DLGraphicsScene", "Drop File Here"));
    painter.setFont(QFont(QStringLiteral("Arial"), 11));
    painter.drawText(QRect(0, 140, 300, 20), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignTop,
        QStringLiteral("[dld, png, jpg, bmp]"));
    return hint;
}

void DLGraphicsScene::setEmptyState(bool empty)
{
    QGraphicsView *view = firstView();
    if (empty) {
        if (view)
            view->setBackgroundBrush(QBrush(QColor(50, 53, 63)));
        auto *group = new QGraphicsItemGroup();
        auto *hint = new QGraphicsPixmapItem(QPixmap::fromImage(makeDropHintImage()));
        group->addToGroup(hint);
        addItem(group);
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
    imagePath = path;
    image = readPicture(path);
    // The reader marks "@Nx" files with a pixel ratio of N; except for the halved
    // "@2x" case every picture is shown one canvas unit per pixel.
    const qreal readerRatio = image.devicePixelRatio();
    image.setDevicePixelRatio(1.0);

    if (baseNameOf(path).endsWith(QLatin1String("@2x"))) {
        if (image.width() % 2 == 0 && image.height() % 2 == 0) {
            image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                Qt::FastTransformation);
            image.setDevicePixelRatio(readerRatio * 0.5);
        } else {
            showMessage(tr("Detected retina image, but the size maybe invalid[%1x%2]. App will "
                           "treat it as normal image.")
                            .arg(image.width())
                            .arg(image.height()));
        }
    }

    const int w = image.width();
    const int h = image.height();
    int extraW = 200;
    int left = -100;
    if (w < viewW) {
        extraW = viewW - w;
        left = -(extraW / 2);
    }
    int extraH = 200;
    int top = -100;
    if (h < viewH) {
        extraH = viewH - h;
        top = -(extraH / 2);
    }
    setSceneRect(left, top, w + extraW, h + extraH);

    delete imageItem;
    imageItem = addPixmap(QPixmap::fromImage(image));
    imageItem->setPos(0, 0);
    imageItem->setZValue(-100.0);
}

void DLGraphicsScene::clearCanvas()
{
    const QList<QGraphicsItem *> all = items();
    QList<QGraphicsItem *> topLevel;
    for (QGraphicsItem *item : all) {
        if (!item->parentItem())
            topLevel.append(item);
    }
    activeMark = nullptr;
    activeHitPart = 0;
    const bool wasEditing = textEditor != nullptr;
    if (textEditor)
        textEditor->disconnect(this);
    textEditor = nullptr;
    guideLine1 = guideLine2 = nullptr;
    detectPath = nullptr;
    detectLabel = nullptr;
    imageItem = nullptr;
    qDeleteAll(topLevel);
    if (wasEditing)
        emit textEditStateChanged(false);
}

void DLGraphicsScene::setScale(double factor, QGraphicsView *view)
{
    if (factor == scale)
        return;
    if (view)
        view->setTransform(QTransform::fromScale(factor, factor));
    scale = factor;
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

void DLGraphicsScene::clearUndo()
{
    undoStack.clear();
}

void DLGraphicsScene::undo()
{
    undoStack.undo();
}

void DLGraphicsScene::redo()
{
    undoStack.redo();
}

void DLGraphicsScene::setMode(DLMode m)
{
    mode = m;
}

void DLGraphicsScene::setToolType(DLToolType type)
{
    toolType = type;
}

bool DLGraphicsScene::loadDocument(const MarkRecordList &records, const QString &path, double nextZ)
{
    nextZValue = nextZ;
    loadImage(path);
    for (const MarkRecord *record : records) {
        if (!record || !fitsOrderNumber(record->idx) || !isFinitePoint(record->point1)
            || !isFinitePoint(record->point2))
            continue;
        DLGraphicsItem *mark = DLGraphicsItem::create(
            record->type, record->point1, record->point2, record->text, record->maxw);
        if (!mark)
            continue;
        mark->setZValue(record->idx);
        mark->setOrderNumber(orderNumberOf(record->idx));
        markAsRestored(mark);
        addItem(mark);
    }
    return true;
}

bool DLGraphicsScene::collectMarkRecords(MarkRecordList *records)
{
    if (!records)
        return false;
    clearMarkRecords(*records);
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        const DLGraphicsItem *mark = asMark(item);
        if (!mark)
            continue;
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
        flipY = DLSetting::flipY();
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        if (DLGraphicsItem *mark = asMark(item))
            mark->settingsChanged(mask);
    }
}

void DLGraphicsScene::refreshColorPicks()
{
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        if (item->type() == markItemType(MarkColorPick))
            static_cast<DLGraphicsItem *>(item)->refresh();
    }
}

void DLGraphicsScene::renderTo(QPainter *painter)
{
    painter->drawImage(0, 0, image);
    renderMarksTo(painter);
}

void DLGraphicsScene::renderMarksTo(QPainter *painter)
{
    const QList<QGraphicsItem *> all = items(Qt::DescendingOrder);
    for (QGraphicsItem *item : all) {
        DLGraphicsItem *mark = asMark(item);
        if (!mark)
            continue;
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
    modified = true;
    undoStack.push(command);
}

void DLGraphicsScene::discardMark(DLGraphicsItem *mark)
{
    if (!mark)
        return;
    if (mark == activeMark) {
        activeMark = nullptr;
        activeHitPart = 0;
        removeGuideLines();
    }
    if (textEditor && textEditor->related == mark)
        abandonTextEditor(true);
    // Deleting in place, not removeItem() first, lets the index purge every entry it holds.
    delete mark;
}

DLGraphicsItem *DLGraphicsScene::findMarkByOrder(int order) const
{
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        DLGraphicsItem *mark = asMark(item);
        if (mark && mark->orderNumber() == order)
            return mark;
    }
    return nullptr;
}

void DLGraphicsScene::recreateMark(int order, int type, const QString &text, const QPointF &p1,
    const QPointF &p2, double widthValue)
{
    DLGraphicsItem *mark = DLGraphicsItem::createDefault(type, p1);
    if (!mark)
        return;
    if (widthValue > 0.0)
        mark->renderer()->setMaxWidth(widthValue);
    mark->setPoints(p1, p2);
    mark->setText(text);
    mark->refresh();
    mark->setZValue(order);
    mark->setOrderNumber(order);
    markAsRestored(mark);
    addItem(mark);
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
    if (textEditor || !item || !item->isSelected())
        return;
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *other : selected) {
        if (other != item)
            other->setSelected(false);
    }
}

QRectF DLGraphicsScene::visibleSceneRect() const
{
    const QGraphicsView *view = firstView();
    return ::visibleSceneRect(sceneRect(), scale, view ? view->horizontalScrollBar() : nullptr,
        view ? view->verticalScrollBar() : nullptr);
}

void DLGraphicsScene::placeGuideLines(const QPointF &p1, const QPointF &p2)
{
    if (guideVertical) {
        guideLine1->setPos(p1.x(), 0);
        guideLine2->setPos(p2.x(), 0);
    } else {
        guideLine1->setPos(0, p1.y());
        guideLine2->setPos(0, p2.y());
    }
}

void DLGraphicsScene::removeGuideLines()
{
    delete guideLine1;
    delete guideLine2;
    guideLine1 = nullptr;
    guideLine2 = nullptr;
}

void DLGraphicsScene::onLengthChanged(const DLGraphicsLengthItem *mark, DLLenChanged kind)
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
        guideVertical = vertical;
        const QPainterPath path = makeGuidePath(visibleSceneRect(), guideVertical);
        guideLine1 = addPath(path);
        guideLine1->setPen(pen);
        guideLine2 = addPath(path);
        guideLine2->setPen(pen);
        placeGuideLines(p1, p2);
        break;
    }
    case LenChanging:
        if (!guideLine1 || !guideLine2)
            return;
        if (vertical != guideVertical) {
            const QPainterPath path = makeGuidePath(visibleSceneRect(), vertical);
            guideLine1->setPath(path);
            guideLine2->setPath(path);
            guideVertical = vertical;
        }
        placeGuideLines(p1, p2);
        break;
    case LenChangeEnd:
        removeGuideLines();
        break;
    }
}

void DLGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    activeMark = nullptr;
    if (!textEditor && !detectPath && event->button() == Qt::LeftButton && mode == ModeMark) {
        const QPointF p = wholePixel(event->scenePos());
        bool editorHit = false;
        const QList<QGraphicsItem *> hits
            = items(p, Qt::ContainsItemBoundingRect, Qt::DescendingOrder);
        for (QGraphicsItem *item : hits) {
            if (item->type() == commentEditorItemType) {
                editorHit = true;
                break;
            }
            DLGraphicsItem *mark = asMark(item);
            if (!mark)
                continue;
            const int part = mark->hitTest(p);
            if (part != 0) {
                activeMark = mark;
                activeHitPart = unsigned(part);
                break;
            }
        }
        if (!editorHit) {
            if (!activeMark) {
                activeMark = DLGraphicsItem::createDefault(toolType, p);
                activeHitPart = unsigned(defaultHitPart(toolType));
                if (activeMark) {
                    activeMark->setZValue(nextZValue);
                    activeMark->setOrderNumber(orderNumberOf(nextZValue));
                    addItem(activeMark);
                    nextZValue += 1.0;
                }
            }
            if (activeMark)
                activeMark->pressAt(p, int(activeHitPart));
        }
    }
    QGraphicsScene::mousePressEvent(event);
}

void DLGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!textEditor && !detectPath && activeMark && mode == ModeMark && activeHitPart != 0
        && activeHitPart != 10)
        activeMark->dragTo(wholePixel(event->scenePos()), int(activeHitPart));
    QGraphicsScene::mouseMoveEvent(event);
}

void DLGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!textEditor && !detectPath && event->button() == Qt::LeftButton && mode == ModeMark
        && activeMark && activeHitPart != 0 && activeHitPart != 10) {
        activeMark->releaseAt(wholePixel(event->scenePos()), int(activeHitPart));
        if (activeMark && !activeMark->isValid()) {
            qDebug("mouseReleaseEvent--> remove invalid operation.");
            discardMark(activeMark);
        }
        if (activeMark)
            pushUndoCommand(activeMark->takeUndoCommand(this, false));
        activeMark = nullptr;
        activeHitPart = 0;
    }
    QGraphicsScene::mouseReleaseEvent(event);
}

void DLGraphicsScene::beginCommentEditing(const QString &text, DLGraphicsItem *mark)
{
    if (!mark || mark->type() != markItemType(MarkComments))
        return;
    const QPointF at = mark->labelSceneRect().topLeft();
    if (textEditor)
        abandonTextEditor(false);

    auto *editor = new DLGraphicsTextItem(text);
    textEditor = editor;
    connect(editor, &DLGraphicsTextItem::lostFocus, this, &DLGraphicsScene::textEditorDidEndEditor);
    editor->related = mark;
    editor->setZValue(10000.0);
    editor->setDefaultTextColor(QColor::fromRgba(DLGraphicsItemRenderer::markColor()));
    editor->setFont(DLGraphicsItemRenderer::labelFont());
    editor->setPos(at);
    editor->setTextWidth(mark->maxWidth());
    editor->document()->setDocumentMargin(0);
    addItem(editor);
    editor->setTextInteractionFlags(Qt::TextEditorInteraction);
    QTextCursor cursor = editor->textCursor();
    cursor.select(QTextCursor::Document);
    editor->setTextCursor(cursor);
    editor->setFocus(Qt::MouseFocusReason);
    emit textEditStateChanged(true);
}

void DLGraphicsScene::abandonTextEditor(bool announce)
{
    DLGraphicsTextItem *editor = textEditor;
    textEditor = nullptr;
    // Its focus loss must not write its text anywhere any more.
    editor->disconnect(this);
    editor->clearFocus();
    removeItem(editor);
    editor->deleteLater();
    if (announce)
        emit textEditStateChanged(false);
}

void DLGraphicsScene::makeEditorFinishEditing()
{
    DLGraphicsTextItem *editor = textEditor;
    if (!editor)
        return;
    editor->setActive(false);
    editor->clearFocus();
    // An editor that never had the focus (an inactive window) gets no focus-out event.
    if (textEditor == editor)
        editor->finishEditing();
}

void DLGraphicsScene::textEditorDidEndEditor(DLGraphicsTextItem *editor, DLGraphicsItem *item)
{
    if (!editor || editor != textEditor)
        return;
    QString text = editor->toPlainText();
    // A comment never has an empty text: it would leave nothing to click.
    if (text.isEmpty())
        text = QStringLiteral(" ");
    if (item) {
        pushUndoCommand(DLTextChangeCommand::create(this, item, item->text(), text));
        item->setText(text);
        item->refresh();
        item->handlePrepareGeometryChange();
        item->handleUpdate();
    }
    textEditor = nullptr;
    editor->deleteLater();
    emit textEditStateChanged(false);
}

namespace {
// Where a detection looks: the whole pixel under pos. A position no int can hold lies
// outside every picture, so it is sent far outside instead of overflowing.
QPoint detectPixel(const QPointF &pos)
{
    const QPointF p = wholePixel(pos);
    constexpr double limit = 1e9;
    if (!isFinitePoint(p) || std::abs(p.x()) > limit || std::abs(p.y()) > limit)
        return QPoint(-1, -1);
    return QPoint(int(p.x()), int(p.y()));
}

template<typename Item> void deleteAndForget(Item *&item)
{
    delete item;
    item = nullptr;
}
} // namespace

bool DLGraphicsScene::findColorRun(
    const QPoint &p, bool horizontal, QPoint *start, QPoint *end) const
{
    return ::findColorRun(image, p, horizontal, start, end);
}

void DLGraphicsScene::onTrackMouseFreeMoveStart(QPointF pos)
{
    // A start while a phase runs replaces its preview rather than leaving it on the canvas.
    deleteAndForget(detectPath);
    deleteAndForget(detectLabel);
    // Empty until the first look: without a run under the pointer the bracket stays empty.
    detectPath = addPath(QPainterPath(), DLGraphicsItemRenderer::darkMarkPen(), QBrush(Qt::white));
    detectLabel = addPixmap(QPixmap());
    onTrackMouseFreeMovePosChanged(pos);
}

void DLGraphicsScene::onTrackMouseFreeMovePosChanged(QPointF pos)
{
    // The canvas was cleared under a running phase: there is no preview left to follow.
    if (!detectPath || !detectLabel)
        return;
    QPoint start;
    QPoint end;
    int length = 0;
    if (findColorRun(detectPixel(pos), !capsLockOn(), &start, &end))
        detectPath->setPath(makeMeasurePath(start, end, &length));
    detectLabel->setPixmap(
        QPixmap::fromImage(makeLengthLabelImage(length, lenLeftImage, lenMidImage, lenRightImage)));
    detectLabel->setPos(pos.x(), pos.y() - 28);
}

void DLGraphicsScene::onTrackMouseFreeMoveEnd(bool select, QPointF pos)
{
    // Without a preview there is no phase to end: a click after the canvas was cleared under
    // it, or one the view still takes for tracking, must not make a mark nobody saw.
    const bool previewing = detectPath != nullptr;
    deleteAndForget(detectPath);
    deleteAndForget(detectLabel);
    if (!select || !previewing)
        return;
    QPoint start;
    QPoint end;
    // A one-pixel run still makes its mark, with both points on the one pixel.
    if (!findColorRun(detectPixel(pos), !capsLockOn(), &start, &end))
        return;
    DLGraphicsItem *mark
        = DLGraphicsItem::create(MarkLength, QPointF(start), QPointF(end), QString(), 100.0);
    if (!mark)
        return;
    mark->setZValue(nextZValue);
    mark->setOrderNumber(orderNumberOf(nextZValue));
    addItem(mark);
    nextZValue += 1.0;
    pushUndoCommand(mark->takeUndoCommand(this, false));
}
