#include "labelimagecache.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {
// In kibibytes: room for the labels of a few thousand marks.
constexpr int cacheLimitKiB = 48 * 1024;
} // namespace

LabelImageCache &LabelImageCache::instance()
{
    static LabelImageCache cache;
    return cache;
}

bool LabelImageCache::couldHold(double devicePixels)
{
    return devicePixels * 4 <= cacheLimitKiB * 1024.0;
}

LabelImageCache::LabelImageCache()
    : m_images(cacheLimitKiB)
{
}

void LabelImageCache::clear()
{
    m_images.clear();
    m_hits = 0;
}

void LabelImageCache::draw(QPainter *painter, const QByteArray &key, const QPointF &anchor,
    const std::function<QRectF()> &bounds, const std::function<void(QPainter *)> &paint)
{
    const QTransform device = painter->deviceTransform();
    // What the painter adds after its world transform (a widget's place in its window).
    const QTransform beyondWorld = painter->worldTransform().inverted() * device;
    const QPaintDevice *target = painter->device();
    const bool usable = painter->paintEngine()
        && painter->paintEngine()->type() == QPaintEngine::Raster && target
        && target->devicePixelRatioF() == 1.0 && painter->opacity() == 1.0
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver
        && device.type() <= QTransform::TxScale && device.isInvertible()
        && beyondWorld.type() <= QTransform::TxTranslate;
    if (!usable) {
        paint(painter);
        return;
    }

    const QPointF at = device.map(anchor);
    const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
    const QPointF fraction = at - QPointF(pixel);
    const struct
    {
        double scaleX;
        double scaleY;
        double fractionX;
        double fractionY;
        qint64 hints;
    } placement {
        device.m11(), device.m22(), fraction.x(), fraction.y(), qint64(painter->renderHints())};
    QByteArray fullKey = key;
    fullKey.append(reinterpret_cast<const char *>(&placement), int(sizeof placement));
    const Entry *entry = m_images.object(fullKey);
    if (entry)
        ++m_hits;
    if (!entry) {
        const QRect area = device.mapRect(bounds()).toAlignedRect().adjusted(-1, -1, 1, 1);
        auto made = std::make_unique<Entry>();
        made->image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        made->image.fill(Qt::transparent);
        made->offset = area.topLeft() - pixel;
        QPainter imagePainter(&made->image);
        imagePainter.setRenderHints(painter->renderHints());
        imagePainter.setFont(painter->font());
        imagePainter.setPen(painter->pen());
        imagePainter.setBrush(painter->brush());
        imagePainter.setTransform(device * QTransform::fromTranslate(-area.left(), -area.top()));
        paint(&imagePainter);
        imagePainter.end();
        const int cost = qMax(1, int(made->image.sizeInBytes() / 1024));
        entry = made.get();
        if (!m_images.insert(fullKey, made.release(), cost)) {
            // Larger than the whole cache: painted directly, as without it.
            paint(painter);
            return;
        }
    }

    const QPoint topLeft = pixel + entry->offset;
    painter->save();
    painter->setWorldTransform(
        QTransform::fromTranslate(topLeft.x(), topLeft.y()) * beyondWorld.inverted());
    painter->drawImage(QPointF(0, 0), entry->image);
    painter->restore();
}
