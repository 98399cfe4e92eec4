#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// Keeps painted labels as images in device pixels, so a repaint copies a label instead of
// stroking its glyph outlines again. A kept image is used only where it gives the pixels that
// painting directly would: a raster painter, fully opaque, composing source-over, scaled but not
// rotated, and at the same fraction of a device pixel. Otherwise the label is painted directly.
class LabelImageCache
{
public:
    // The one cache of the process; labels are painted on the GUI thread only.
    static LabelImageCache &instance();
    // Whether an image of this many device pixels could be kept at all.
    static bool couldHold(double devicePixels);

    // key names everything that decides the pixels apart from the painter (text, font, pens,
    // size). anchor is a point of the label in painter coordinates; bounds() gives, in the same
    // coordinates, where paint can draw, and is asked only when the image is made.
    void draw(QPainter *painter, const QByteArray &key, const QPointF &anchor,
        const std::function<QRectF()> &bounds, const std::function<void(QPainter *)> &paint);

    // How many labels are kept, and how many draws were copies of a kept image.
    int count() const { return m_images.count(); }
    int hits() const { return m_hits; }
    void clear();

private:
    struct Entry
    {
        QImage image;
        // Where the image's top left lies from the device pixel that holds the anchor.
        QPoint offset;
    };

    LabelImageCache();

    QCache<QByteArray, Entry> m_images;
    int m_hits = 0;
};
