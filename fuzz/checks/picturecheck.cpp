#include "picturecheck.h"

#include "canvas/dlgraphicsscene.h"

#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>

namespace {
struct Format
{
    const char *suffix;
    QByteArray signature;
};

const Format formats[] = {
    {"png", QByteArray("\x89PNG\r\n\x1a\n", 8)},
    {"jpg", QByteArray("\xFF\xD8\xFF", 3)},
    {"bmp", QByteArray("BM", 2)},
};
constexpr int formatCount = int(sizeof(formats) / sizeof(formats[0]));
constexpr qint64 maxPixels = qint64(16384) * 16384;

QString checkPixels(const DLGraphicsScene &scene)
{
    const QImage &image = scene.image();
    const int w = image.width();
    const int h = image.height();
    const QPointF outside[] = {{-1, 0}, {0, -1}, {-0.5, 0}, {double(w), 0}, {0, double(h)},
        {double(w), double(h)}, {-1e9, -1e9}, {1e9, 1e9}, {2147483647.0, 0}};
    for (const QPointF &p : outside) {
        if (scene.pixelAt(p) != 0xFFFFFFFF)
            return QStringLiteral("pixelAt(%1, %2) outside the picture is not white")
                .arg(p.x())
                .arg(p.y());
    }
    if (image.isNull())
        return QString();
    const QPoint inside[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, h / 2}};
    for (const QPoint &p : inside) {
        if (scene.pixelAt(QPointF(p) + QPointF(0.75, 0.25)) != image.pixel(p))
            return QStringLiteral("pixelAt(%1, %2) is not the picture's pixel")
                .arg(p.x())
                .arg(p.y());
    }
    return QString();
}
} // namespace

QByteArray pictureInputFor(const QByteArray &fileBytes)
{
    for (int i = 0; i < formatCount; ++i) {
        if (fileBytes.startsWith(formats[i].signature))
            return char(i) + fileBytes.mid(formats[i].signature.size());
    }
    return QByteArray();
}

QString checkPictureInput(const QByteArray &bytes, const QString &dir)
{
    if (bytes.isEmpty())
        return QString();
    const Format &format = formats[uchar(bytes.at(0)) % formatCount];
    const QString path = QDir(dir).filePath(QStringLiteral("picture.") + format.suffix);
    QFile file(path);
    const QByteArray content = format.signature + bytes.mid(1);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QStringLiteral("cannot write %1").arg(path);
    file.close();

    DLGraphicsScene scene;
    scene.loadImage(path);
    QFile::remove(path);

    const QImage &image = scene.image();
    if (!scene.imageItem())
        return QStringLiteral("no picture item after loading");
    if (!image.isNull()) {
        if (image.width() <= 0 || image.height() <= 0
            || qint64(image.width()) * image.height() > maxPixels)
            return QStringLiteral("picture of %1 x %2 pixels accepted")
                .arg(image.width())
                .arg(image.height());
        if (scene.imageItem()->pixmap().size() != image.size())
            return QStringLiteral("shown pixmap differs in size from the picture");
        if (!scene.sceneRect().contains(QRectF(QPointF(0, 0), QSizeF(image.size()))))
            return QStringLiteral("scene rectangle does not hold the picture");
    }
    return checkPixels(scene);
}
