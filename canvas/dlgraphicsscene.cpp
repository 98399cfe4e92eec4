#include "dlgraphicsscene.h"

#include "app/userprompt.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

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
} // namespace

DLGraphicsScene::DLGraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
    undoStack.setUndoLimit(200);
    DLGraphicsItemRenderer::setMacProfile(DLSetting::macProfile());
    DLGraphicsItemRenderer::setColorFormat(DLSetting::colorFormat());
    DLGraphicsItemRenderer::setMarkColor(DLSetting::markColor());
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    connect(this, &DLGraphicsScene::itemSelected, this, &DLGraphicsScene::myItemSelected);
    lenLeftImage = QImage(QStringLiteral(":/DL/images/DLLenLeftside.png"));
    lenMidImage = QImage(QStringLiteral(":/DL/images/DLLenMidside.png"));
    lenRightImage = QImage(QStringLiteral(":/DL/images/DLLenRightside.png"));
}

DLGraphicsScene::~DLGraphicsScene() = default;

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

    if (baseNameOf(path).endsWith(QLatin1String("@2x"))) {
        if (image.width() % 2 == 0 && image.height() % 2 == 0) {
            const qreal dpr = image.devicePixelRatio();
            image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                Qt::FastTransformation);
            image.setDevicePixelRatio(dpr * 0.5);
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
    textEditor = nullptr;
    guideLine1 = guideLine2 = nullptr;
    detectPath = nullptr;
    detectLabel = nullptr;
    imageItem = nullptr;
    qDeleteAll(topLevel);
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

// ---- Mark side: filled in with the marks ----

bool DLGraphicsScene::loadDocument(const MarkRecordList &records, const QString &path, double nextZ)
{
    Q_UNUSED(records)
    nextZValue = nextZ;
    loadImage(path);
    return true;
}

bool DLGraphicsScene::collectMarkRecords(MarkRecordList *records)
{
    clearMarkRecords(*records);
    return true;
}

void DLGraphicsScene::applySettingsChanges(int mask)
{
    if (mask & ChangedOrigin)
        flipY = DLSetting::flipY();
}

void DLGraphicsScene::refreshColorPicks() { }

void DLGraphicsScene::renderTo(QPainter *painter)
{
    painter->drawImage(0, 0, image);
}

void DLGraphicsScene::recreateMark(int, int, const QString &, const QPointF &, const QPointF &) { }
void DLGraphicsScene::removeMarkByOrder(int) { }
void DLGraphicsScene::setMarkPointsByOrder(int, const QPointF &, const QPointF &) { }
void DLGraphicsScene::setMarkTextByOrder(int, const QString &) { }
DLGraphicsItem *DLGraphicsScene::findMarkByOrder(int) const
{
    return nullptr;
}
void DLGraphicsScene::deleteSelectedMarks() { }
void DLGraphicsScene::finishEditingAndDeselect() { }
void DLGraphicsScene::beginCommentEditing(const QString &, DLGraphicsItem *) { }
void DLGraphicsScene::makeEditorFinishEditing() { }
void DLGraphicsScene::myItemSelected(QGraphicsItem *) { }
void DLGraphicsScene::textEditorDidEndEditor(DLGraphicsTextItem *, DLGraphicsItem *) { }
void DLGraphicsScene::onMarkSelectionChanged(DLGraphicsItem *) { }
void DLGraphicsScene::onLengthChanged(const DLGraphicsLengthItem *, DLLenChanged) { }
void DLGraphicsScene::forgetTransientItem(QGraphicsItem *) { }

bool DLGraphicsScene::findColorRun(const QPoint &, bool, QPoint *, QPoint *) const
{
    return false;
}

void DLGraphicsScene::onTrackMouseFreeMoveStart(QPointF) { }
void DLGraphicsScene::onTrackMouseFreeMovePosChanged(QPointF) { }
void DLGraphicsScene::onTrackMouseFreeMoveEnd(bool, QPointF) { }

void DLGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
}

void DLGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseMoveEvent(event);
}

void DLGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseReleaseEvent(event);
}
