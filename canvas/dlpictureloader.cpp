#include "dlpictureloader.h"

#include "app/userprompt.h"
#include "settings/helpers.h"

#include <QCoreApplication>
#include <QImageReader>

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

// One axis of the scene rectangle: its start and length.
std::pair<int, int> sceneSpan(int picture, int view)
{
    if (picture >= view)
        return {-100, picture + 200};
    const int extra = view - picture;
    return {-(extra / 2), picture + extra};
}
} // namespace

QImage DLPictureLoader::load(const QString &path)
{
    QImage image = readPicture(path);
    // The reader marks "@Nx" files with a pixel ratio of N; except for the halved
    // "@2x" case every picture is shown one canvas unit per pixel.
    const qreal readerRatio = image.devicePixelRatio();
    image.setDevicePixelRatio(1.0);
    if (!baseNameOf(path).endsWith(QLatin1String("@2x")))
        return image;
    if (image.width() % 2 == 0 && image.height() % 2 == 0) {
        image = image.scaled(
            image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        image.setDevicePixelRatio(readerRatio * 0.5);
    } else {
        showMessage(QCoreApplication::translate("DLGraphicsScene",
            "Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as "
            "normal image.")
                        .arg(image.width())
                        .arg(image.height()));
    }
    return image;
}

QRect DLPictureLoader::sceneRectFor(const QSize &picture, const QSize &view)
{
    const auto [left, width] = sceneSpan(picture.width(), view.width());
    const auto [top, height] = sceneSpan(picture.height(), view.height());
    return QRect(left, top, width, height);
}
