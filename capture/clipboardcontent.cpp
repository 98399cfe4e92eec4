#include "clipboardcontent.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

namespace {
// As for pictures opened from files: 16K x 16K still opens, a forged header does not.
constexpr qint64 maxPicturePixels = qint64(16384) * 16384;
const QString qtImageFormat = QStringLiteral("application/x-qt-image");

QString firstAcceptedFile(const QMimeData *data, const FileFilter &accepts)
{
    if (!data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && accepts(path))
            return path;
    }
    return QString();
}

// The offered picture formats Qt reads, PNG first: it is lossless and the most common.
QStringList readablePictureFormats(const QMimeData *data)
{
    const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    QStringList formats;
    for (const QString &format : data->formats()) {
        if (readable.contains(format.toLatin1()))
            formats << format;
    }
    formats.removeDuplicates();
    if (formats.removeAll(QStringLiteral("image/png")))
        formats.prepend(QStringLiteral("image/png"));
    return formats;
}

QImage decodePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maxPicturePixels)
        return QImage();
    return reader.read();
}
} // namespace

ClipboardContent readClipboardContent(const QMimeData *data, const FileFilter &accepts)
{
    ClipboardContent content;
    if (!data)
        return content;
    content.filePath = firstAcceptedFile(data, accepts);
    if (!content.filePath.isEmpty())
        return content;
    const QStringList formats = readablePictureFormats(data);
    for (const QString &format : formats) {
        content.picture = decodePicture(data->data(format));
        if (!content.picture.isNull())
            return content;
    }
    // A picture this program put there itself is held as an image, not as encoded bytes.
    if (formats.isEmpty() && data->hasFormat(qtImageFormat))
        content.picture = qvariant_cast<QImage>(data->imageData());
    return content;
}

bool offersClipboardContent(const QMimeData *data, const FileFilter &accepts)
{
    return data
        && (!readablePictureFormats(data).isEmpty() || data->hasFormat(qtImageFormat)
            || !firstAcceptedFile(data, accepts).isEmpty());
}
