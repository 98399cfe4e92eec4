#include "thumbnail.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {
// The shorter side scaled like the longer one, rounded to the nearest pixel (halves up).
int scaledSide(int side, int longerSide, int maximum)
{
    const qint64 scaled = (qint64(side) * maximum * 2 + longerSide) / (qint64(longerSide) * 2);
    return qMax(1, int(scaled));
}
} // namespace

QSize thumbnailSize(const QSize &pictureSize, int maximum)
{
    const int width = pictureSize.width();
    const int height = pictureSize.height();
    if (width < 1 || height < 1 || maximum < 1)
        return QSize();
    if (width <= maximum && height <= maximum)
        return pictureSize;
    if (width >= height)
        return QSize(maximum, scaledSide(height, width, maximum));
    return QSize(scaledSide(width, height, maximum), maximum);
}

QImage makeThumbnail(const QImage &picture, int maximum)
{
    const QSize size = thumbnailSize(picture.size(), maximum);
    if (size.isEmpty())
        return QImage();
    if (size == picture.size())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeThumbnail(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
