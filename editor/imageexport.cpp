#include "imageexport.h"

#include "outputfile.h"

#include "canvas/dlgraphicsscene.h"
#include "deployment.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/labelimagecache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {
// Pictures that, drawn at the origin, land one to one on every pixel of the export image and
// whose premultiplied form the drawing computes exactly as a plain copy would.
bool coversEveryPixelAsIs(const QImage &picture)
{
    if (picture.devicePixelRatio() != 1.0)
        return false;
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

bool everyPixelOpaque(const QImage &image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        quint32 alphas = 0xFF000000u;
        for (int x = 0; x < width; ++x)
            alphas &= line[x];
        if (alphas != 0xFF000000u)
            return false;
    }
    return true;
}

// Writers store premultiplied pixels as straight ones and convert the whole image first. Where
// every pixel is opaque both forms hold the same bytes, so the writer reads the image's own
// pixels as straight ARGB: the same file, without a second picture-sized buffer or a copy. The
// view over the pixels cannot take other metadata without copying them, so an image that
// carries any goes through a straight copy instead.
QImage asWritten(const QImage &image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied || !everyPixelOpaque(image))
        return image;
    const QImage straight(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
        QImage::Format_ARGB32);
    if (straight.dotsPerMeterX() == image.dotsPerMeterX()
        && straight.dotsPerMeterY() == image.dotsPerMeterY()
        && straight.devicePixelRatio() == image.devicePixelRatio() && image.textKeys().isEmpty())
        return straight;
    QImage copy = image;
    copy.reinterpretAsFormat(QImage::Format_ARGB32);
    return copy;
}

// A picture-sized buffer is first touched one page fault per 4 KiB page, which on some machines
// costs more than composing it; asking for huge pages makes that one fault per 2 MiB. Only a
// hint to the kernel: the pixels are the same either way.
void preferHugePages(QImage *image)
{
#ifdef Q_OS_LINUX
    constexpr quintptr hugePage = 2 * 1024 * 1024;
    const quintptr start = quintptr(image->bits());
    const quintptr begin = (start + hugePage - 1) & ~(hugePage - 1);
    const quintptr end = (start + quintptr(image->sizeInBytes())) & ~(hugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    Q_UNUSED(image);
#endif
}
// Label text is sized in points, so its pixels follow the dpi the desktop asks for (Xft.dpi on
// X11). The command line draws at 96 dpi; an export laid out and drawn at 96 dpi too is the same
// picture wherever it is made. The canvas keeps the desktop's dpi: it is laid out again after.
class ExportAt96Dpi
{
public:
    explicit ExportAt96Dpi(DLGraphicsScene *scene)
        : m_scene(scene)
        , m_active(!QCoreApplication::testAttribute(Qt::AA_Use96Dpi)
              && QImage(1, 1, QImage::Format_ARGB32_Premultiplied).logicalDpiY() != 96)
    {
        if (!m_active)
            return;
        m_screenFont = DLGraphicsItemRenderer::labelFont();
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
        // A copy would keep the dpi the original was made at; a font for a device takes its dpi.
        const QImage at96Dpi(1, 1, QImage::Format_ARGB32_Premultiplied);
        relayout(QFont(m_screenFont, &at96Dpi));
    }
    ~ExportAt96Dpi()
    {
        if (!m_active)
            return;
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
        relayout(m_screenFont);
    }
    ExportAt96Dpi(const ExportAt96Dpi &) = delete;
    ExportAt96Dpi &operator=(const ExportAt96Dpi &) = delete;

private:
    void relayout(const QFont &font)
    {
        DLGraphicsItemRenderer::setLabelFont(font);
        // Cached label pictures are keyed by the font's name and size, not by its dpi.
        LabelImageCache::instance().clear();
        const QList<QGraphicsItem *> all = m_scene->items();
        for (QGraphicsItem *item : all) {
            auto *mark = dynamic_cast<DLGraphicsItem *>(item);
            if (!mark)
                continue;
            QPointF first, second;
            mark->points(&first, &second);
            mark->setText(mark->text());
            mark->setPoints(first, second);
        }
    }

    DLGraphicsScene *m_scene;
    bool m_active;
    QFont m_screenFont;
};
} // namespace

// Writing to a device, the writer cannot guess the format from a file name.
QByteArray exportFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png") || suffix == QLatin1String("jpeg")
        || suffix == QLatin1String("jpg") || suffix == QLatin1String("bmp"))
        return suffix.toLatin1();
    return QByteArray();
}

QImage buildExportImage(DLGraphicsScene *scene)
{
    if (!scene)
        return QImage();
    const QImage &picture = scene->image();
    const QSize size(picture.width(), picture.height());
    if (size.width() < 1 || size.height() < 1)
        return QImage();
    // A picture that covers every pixel as it is overwrites them all: no fill, and it is copied
    // in instead of blended, since over transparent it leaves exactly its premultiplied pixels.
    const bool copiedIn = coversEveryPixelAsIs(picture);
    QImage composed(size, QImage::Format_ARGB32_Premultiplied);
    if (composed.isNull())
        return QImage();
    preferHugePages(&composed);
    if (!copiedIn)
        composed.fill(Qt::transparent);
    // Keeps the image's own dpi, that of every other image here, so the writer can use its pixels.
    const int dotsPerMeterX = composed.dotsPerMeterX();
    const int dotsPerMeterY = composed.dotsPerMeterY();
    {
        const ExportAt96Dpi fixedDpi(scene);
        composed.setDotsPerMeterX(QImage(1, 1, QImage::Format_Mono).dotsPerMeterX());
        composed.setDotsPerMeterY(QImage(1, 1, QImage::Format_Mono).dotsPerMeterY());
        QPainter painter(&composed);
        painter.save();
        if (copiedIn) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, picture);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            scene->renderMarksTo(&painter);
        } else {
            scene->renderTo(&painter);
        }
        painter.restore();
        painter.end();
    }
    composed.setDotsPerMeterX(dotsPerMeterX);
    composed.setDotsPerMeterY(dotsPerMeterY);
    return composed;
}

bool exportImage(const QImage &image, const QString &path)
{
    const QByteArray format = exportFormatForPath(path);
    if (image.isNull() || format.isEmpty())
        return false;
    OutputFile file(path);
    if (!file.open())
        return false;
    QImageWriter writer(file.device(), format);
    writer.setQuality(100);
    writer.setText(QStringLiteral("PowerBy"), QStringLiteral("Dimlet"));
    writer.setText(QStringLiteral("home"), QStringLiteral(DIMLET_HOME_URL));
    if (!writer.write(asWritten(image))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
