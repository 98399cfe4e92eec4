#include "journeychecks.h"

#include "editor/dldocument.h"

#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>

namespace {
bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

template<typename Visit> void forEachPixel(const QImage &image, const QRect &area, Visit visit)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            visit(x, y);
    }
}
} // namespace

QString markLine(int type, int idx, QPoint p1, QPoint p2, double maxw, const QString &text)
{
    return QString::asprintf("type %d idx %d (%d,%d)-(%d,%d) maxw %g text '", type, idx, p1.x(),
               p1.y(), p2.x(), p2.y(), maxw)
        + text + QLatin1Char('\'');
}

double maxWidthOf(const QString &line)
{
    const int at = line.indexOf(QLatin1String(" maxw "));
    return at < 0 ? -1.0 : line.mid(at + 6).section(QLatin1Char(' '), 0, 0).toDouble();
}

DocumentMarks readDocumentMarks(const QString &documentPath)
{
    DocumentMarks result;
    const QTemporaryDir extractDir;
    DocumentReadResult read = readDocumentFile(documentPath, extractDir.path());
    if (read.error != DocumentError::None) {
        result.marks << documentErrorMessage(read.error, read.minVersionCode);
        return result;
    }
    MarkRecordList records = read.takeRecords();
    std::sort(records.begin(), records.end(),
        [](const MarkRecord *a, const MarkRecord *b) { return a->idx < b->idx; });
    for (const MarkRecord *record : qAsConst(records)) {
        // Points are whole pixels in documents; anything else shows up in the text.
        const bool whole = record->point1 == record->point1.toPoint()
            && record->point2 == record->point2.toPoint();
        QString line = markLine(record->type, qRound(record->idx), record->point1.toPoint(),
            record->point2.toPoint(), record->maxw, record->text);
        if (!whole || record->idx != qRound(record->idx))
            line += QStringLiteral(" (fractional values)");
        result.marks << line;
    }
    clearMarkRecords(records);
    result.zValue = read.zValue;
    return result;
}

QRect inkExtent(const QImage &image, const QRect &band, QRgb colour, int tolerance)
{
    QRect extent;
    forEachPixel(image, band, [&](int x, int y) {
        if (near(image.pixel(x, y), colour, tolerance))
            extent |= QRect(x, y, 1, 1);
    });
    return extent;
}

int countNear(const QImage &image, const QRect &area, QRgb colour, int tolerance)
{
    int count = 0;
    forEachPixel(
        image, area, [&](int x, int y) { count += near(image.pixel(x, y), colour, tolerance); });
    return count;
}

int countNearerThanOriginal(
    const QImage &image, const QImage &original, const QRect &area, QRgb colour)
{
    auto distance = [](QRgb a, QRgb b) {
        const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
        return r * r + g * g + bl * bl;
    };
    int count = 0;
    forEachPixel(image, area.intersected(original.rect()), [&](int x, int y) {
        count += distance(image.pixel(x, y), colour)
            < distance(image.pixel(x, y), original.pixel(x, y));
    });
    return count;
}

int longestRowRun(const QImage &image, QRgb colour)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    return longest;
}

namespace {
const QRgb frameColour = qRgb(17, 219, 203);
const QRgb lightBackground = qRgb(236, 238, 241);
const QRgb interfaceBackground = qRgb(247, 248, 250);

void drawFrame(QImage *image)
{
    QPainter painter(image);
    painter.setPen(QColor(frameColour));
    painter.drawRect(image->rect().adjusted(0, 0, -1, -1));
}
} // namespace

QRect markingPatch()
{
    return QRect(180, 60, 60, 40);
}

QRgb markingPatchColour()
{
    return qRgb(51, 102, 204);
}

QImage makeMarkingPicture()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(lightBackground);
    QPainter painter(&image);
    painter.fillRect(markingPatch(), QColor(markingPatchColour()));
    painter.fillRect(QRect(20, 220, 120, 50), QColor(230, 126, 34));
    painter.end();
    drawFrame(&image);
    return image;
}

QVector<QRect> interfaceButtons()
{
    return {QRect(40, 90, 120, 36), QRect(184, 90, 93, 36), QRect(300, 150, 141, 44)};
}

QImage makeInterfacePicture()
{
    QImage image(480, 300, QImage::Format_RGB32);
    image.fill(interfaceBackground);
    QPainter painter(&image);
    painter.fillRect(QRect(1, 1, 478, 40), QColor(226, 229, 234));
    painter.fillRect(QRect(12, 14, 140, 12), QColor(120, 126, 138));
    const QColor fills[] = {QColor(52, 120, 246), QColor(46, 204, 113), QColor(231, 76, 60)};
    int i = 0;
    for (const QRect &button : interfaceButtons()) {
        painter.fillRect(button, fills[i++]);
        // The caption stays clear of the top and bottom eight rows and of the side
        // ten columns, where the journeys measure.
        painter.fillRect(button.adjusted(20, 14, -20, -14), Qt::white);
    }
    painter.end();
    drawFrame(&image);
    return image;
}

QPoint findPictureOrigin(const QImage &screen)
{
    for (int y = 0; y + 1 < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x + 1 < screen.width(); ++x) {
            if ((line[x] & 0xffffff) != (frameColour & 0xffffff))
                continue;
            // The corner continues to the right and downwards.
            if ((screen.pixel(x + 1, y) & 0xffffff) == (frameColour & 0xffffff)
                && (screen.pixel(x, y + 1) & 0xffffff) == (frameColour & 0xffffff))
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}
