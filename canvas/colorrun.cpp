#include "colorrun.h"

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QString>

#include <algorithm>

namespace {

// One row or column of 32-bit pixels: where its first pixel is, how many bytes lie between
// neighbours (4 along a row, the scan-line stride down a column) and how many pixels it has.
struct PixelLine
{
    const uchar *first;
    qptrdiff step;
    int count;
};

inline QRgb pixelAt(const uchar *pixel)
{
    return *reinterpret_cast<const QRgb *>(pixel);
}

inline bool closeColor(QRgb a, QRgb b)
{
    if (((a ^ b) & 0x00FFFFFFu) == 0)
        return true;
    return qAbs(qRed(a) - qRed(b)) <= 1 && qAbs(qGreen(a) - qGreen(b)) <= 1
        && qAbs(qBlue(a) - qBlue(b)) <= 1;
}

class PlainMatch
{
public:
    // Bits that must be equal for two pixels to be the same colour outright.
    static constexpr QRgb exactBits = 0x00FFFFFFu;

    explicit PlainMatch(QRgb reference)
        : reference(reference)
    {
    }
    bool operator()(QRgb pixel) const { return closeColor(pixel, reference); }

private:
    QRgb reference;
};

// Premultiplied storage rounds each channel to about value * alpha / 255, so one stored value
// stands for a range of true values. Two pixels match when their ranges come within 1 of each
// other: alpha alone then never ends a run, and a half-transparent colour still differs from
// the darker opaque one with the same stored values. Fully transparent pixels count as black.
class PremultipliedMatch
{
public:
    static constexpr QRgb exactBits = 0xFFFFFFFFu;

    explicit PremultipliedMatch(QRgb reference)
        : reference(reference)
        , referenceRanges(rangesOf(reference))
    {
    }

    bool operator()(QRgb pixel) const
    {
        if (pixel == reference)
            return true;
        if (qAlpha(pixel) == 255 && qAlpha(reference) == 255)
            return closeColor(pixel, reference);
        const Ranges ranges = rangesOf(pixel);
        for (int c = 0; c < 3; ++c) {
            if (ranges.low[c] > referenceRanges.high[c] + 1
                || referenceRanges.low[c] > ranges.high[c] + 1)
                return false;
        }
        return true;
    }

private:
    struct Ranges
    {
        int low[3];
        int high[3];
    };

    // The true values whose product with alpha, rounded or truncated, gives the stored one.
    static Ranges rangesOf(QRgb pixel)
    {
        const int alpha = qAlpha(pixel);
        const int stored[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
        Ranges ranges;
        for (int c = 0; c < 3; ++c) {
            if (alpha == 255 || alpha == 0) {
                ranges.low[c] = ranges.high[c] = alpha ? stored[c] : 0;
                continue;
            }
            const int lowNumerator = (2 * stored[c] - 1) * 255;
            const int low = lowNumerator <= 0 ? 0 : (lowNumerator + 2 * alpha - 1) / (2 * alpha);
            const int high = ((stored[c] + 1) * 255 + alpha - 1) / alpha - 1;
            ranges.low[c] = std::min(low, 255);
            ranges.high[c] = std::min(high, 255);
        }
        return ranges;
    }

    QRgb reference;
    Ranges referenceRanges;
};

// Returns the first and last index of the run around index at.
template<typename Match> std::pair<int, int> runAround(const PixelLine &line, int at)
{
    const uchar *origin = line.first + line.step * at;
    const Match matches(pixelAt(origin));

    // Flat areas are the common case: whole groups of four pixels of exactly the reference
    // colour are passed with one test before the per-pixel comparison takes over.
    const QRgb reference = pixelAt(origin);
    const qptrdiff step = line.step;
    const auto differInFour = [&](const uchar *a) {
        return ((pixelAt(a) ^ reference) | (pixelAt(a + step) ^ reference)
                   | (pixelAt(a + 2 * step) ^ reference) | (pixelAt(a + 3 * step) ^ reference))
            & Match::exactBits;
    };

    int low = at;
    while (low >= 4 && !differInFour(line.first + step * (low - 4)))
        low -= 4;
    const uchar *pixel = line.first + step * low;
    while (low > 0) {
        pixel -= step;
        if (!matches(pixelAt(pixel)))
            break;
        --low;
    }

    int high = at;
    while (high + 4 <= line.count - 1 && !differInFour(line.first + step * (high + 1)))
        high += 4;
    pixel = line.first + step * high;
    while (high < line.count - 1) {
        pixel += step;
        if (!matches(pixelAt(pixel)))
            break;
        ++high;
    }
    return {low, high};
}

} // namespace

bool findColorRun(const QImage &image, QPoint p, bool horizontal, QPoint *start, QPoint *end)
{
    const int width = image.width();
    const int height = image.height();
    if (image.isNull() || p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height)
        return false;

    // Other formats are brought to ARGB32 one line at a time, so a move over a huge picture
    // never converts the whole of it.
    QImage lineImage;
    const QImage *source = &image;
    QPoint at = p;
    const QImage::Format format = image.format();
    const bool direct = format == QImage::Format_ARGB32 || format == QImage::Format_RGB32
        || format == QImage::Format_ARGB32_Premultiplied;
    if (!direct) {
        const QRect lineRect = horizontal ? QRect(0, p.y(), width, 1) : QRect(p.x(), 0, 1, height);
        lineImage = image.copy(lineRect).convertToFormat(QImage::Format_ARGB32);
        if (lineImage.isNull())
            return false;
        source = &lineImage;
        at = horizontal ? QPoint(p.x(), 0) : QPoint(0, p.y());
    }

    PixelLine line;
    int index;
    if (horizontal) {
        line = {source->constScanLine(at.y()), 4, width};
        index = at.x();
    } else {
        line = {
            source->constBits() + 4 * qptrdiff(at.x()), qptrdiff(source->bytesPerLine()), height};
        index = at.y();
    }

    const std::pair<int, int> run = source->format() == QImage::Format_ARGB32_Premultiplied
        ? runAround<PremultipliedMatch>(line, index)
        : runAround<PlainMatch>(line, index);

    const QPoint first = horizontal ? QPoint(run.first, p.y()) : QPoint(p.x(), run.first);
    const QPoint last = horizontal ? QPoint(run.second, p.y()) : QPoint(p.x(), run.second);
    if (start)
        *start = first;
    if (end)
        *end = last;
    return true;
}

QPainterPath makeMeasurePath(QPoint start, QPoint end, int *length)
{
    constexpr int tick = 4;
    QPainterPath path;
    int distance;
    if (start.y() != end.y()) {
        path.moveTo(start.x() - tick, start.y());
        path.lineTo(start.x() + tick, start.y());
        path.moveTo(end.x() - tick, end.y());
        path.lineTo(end.x() + tick, end.y());
        distance = end.y() - start.y();
    } else {
        path.moveTo(start.x(), start.y() - tick);
        path.lineTo(start.x(), start.y() + tick);
        path.moveTo(end.x(), end.y() - tick);
        path.lineTo(end.x(), end.y() + tick);
        distance = end.x() - start.x();
    }
    path.moveTo(start);
    path.lineTo(end);
    if (length)
        *length = distance;
    return path;
}

QImage makeLengthLabelImage(int length, const QImage &left, const QImage &mid, const QImage &right)
{
    constexpr int height = 26;
    const QString text = QStringLiteral("%1").arg(qint64(length) + 1);
    const int width = std::max(40, 9 * int(text.size()) + 20);

    QImage label(width, height, QImage::Format_ARGB32_Premultiplied);
    label.fill(Qt::transparent);

    QPainter painter(&label);
    painter.drawImage(0, 0, left);
    painter.drawImage(width - right.width(), 0, right);
    painter.drawImage(QRectF(left.width(), 0, width - left.width() - right.width(), height), mid,
        QRectF(mid.rect()));
    painter.setPen(Qt::white);
    painter.drawText(QPointF(12, 18), text);
    painter.end();
    return label;
}
