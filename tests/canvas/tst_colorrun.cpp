#include "testsupport.h"

#include "canvas/colorrun.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb grey = qRgb(100, 100, 100);

QImage filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// 60 x 10 black picture with a white bar over the columns 20..29.
QImage whiteBar()
{
    QImage image = filled(60, 10, black);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 20; x <= 29; ++x)
            image.setPixel(x, y, white);
    return image;
}

QRgb shifted(QRgb colour, int channel, int delta)
{
    int rgb[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
    rgb[channel] += delta;
    return qRgba(rgb[0], rgb[1], rgb[2], qAlpha(colour));
}

// An 11-pixel row of grey whose pixels 2 and 8 differ in one channel.
QImage rowWithOddPair(int channel, int delta)
{
    QImage image = filled(11, 1, grey);
    image.setPixel(2, 0, shifted(grey, channel, delta));
    image.setPixel(8, 0, shifted(grey, channel, delta));
    return image;
}

QImage transposed(const QImage &image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

struct Segment
{
    QPointF from;
    QPointF to;
};

QList<Segment> segmentsOf(const QPainterPath &path)
{
    QList<Segment> segments;
    // A zero-length line is dropped by QPainterPath, leaving its move alone at the end.
    const int count = path.elementCount();
    if (count % 2 == 1 && !path.elementAt(count - 1).isMoveTo())
        return {};
    for (int i = 0; i + 1 < count; i += 2) {
        const QPainterPath::Element move = path.elementAt(i);
        const QPainterPath::Element line = path.elementAt(i + 1);
        if (!move.isMoveTo() || !line.isLineTo())
            return {};
        segments.append({QPointF(move), QPointF(line)});
    }
    return segments;
}

bool sameSegments(QList<Segment> actual, QList<Segment> expected)
{
    if (actual.size() != expected.size())
        return false;
    for (const Segment &want : expected) {
        const auto found = std::find_if(actual.begin(), actual.end(),
            [&](const Segment &s) { return s.from == want.from && s.to == want.to; });
        if (found == actual.end())
            return false;
        actual.erase(found);
    }
    return true;
}

// Where the white text of a label drawn on dark slices lies: the columns of the pixels that
// took on some of the white (each slice colour has two channels at 0).
std::pair<int, int> whiteColumns(const QImage &label)
{
    int left = label.width(), right = -1;
    for (int y = 0; y < label.height(); ++y) {
        for (int x = 0; x < label.width(); ++x) {
            const QRgb pixel = label.pixel(x, y);
            if (qRed(pixel) > 40 && qGreen(pixel) > 40 && qBlue(pixel) > 40) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// Where text would be drawn with its baseline at (12, 18) in a painter's default font.
QRect textRectOnLabel(const QString &text, const QImage &label)
{
    return QFontMetrics(QFont(), &label).boundingRect(text).translated(12, 18);
}

bool textMatches(const QImage &label, const QString &text)
{
    const std::pair<int, int> columns = whiteColumns(label);
    const QRect expected = textRectOnLabel(text, label);
    return columns.second >= 0 && qAbs(columns.first - expected.left()) <= 1
        && qAbs(columns.second - expected.right()) <= 1;
}

} // namespace

class TestColorRun : public QObject
{
    Q_OBJECT

private slots:
    void findsRun_data();
    void findsRun();
    void premultipliedAlphaNeverEndsRun_data();
    void premultipliedAlphaNeverEndsRun();
    void pointOutsideLeavesOutputs_data();
    void pointOutsideLeavesOutputs();
    void formatsMatchTheirArgb32Conversion_data();
    void formatsMatchTheirArgb32Conversion();
    void measurePath_data();
    void measurePath();
    void labelSize_data();
    void labelSize();
    void labelSlicesAndText_data();
    void labelSlicesAndText();
    void whiteBarEndToEnd();

private:
    QByteArray paddedBuffer;
};

void TestColorRun::findsRun_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");

    const QImage bar = whiteBar();
    QTest::newRow("white bar pointed in the middle")
        << bar << QPoint(24, 5) << true << QPoint(20, 5) << QPoint(29, 5);
    QTest::newRow("white bar pointed at its first pixel")
        << bar << QPoint(20, 3) << true << QPoint(20, 3) << QPoint(29, 3);
    QTest::newRow("white bar pointed at its last pixel")
        << bar << QPoint(29, 3) << true << QPoint(20, 3) << QPoint(29, 3);
    QTest::newRow("black left of the bar reaches the left border")
        << bar << QPoint(7, 0) << true << QPoint(0, 0) << QPoint(19, 0);
    QTest::newRow("black right of the bar reaches the right border")
        << bar << QPoint(59, 9) << true << QPoint(30, 9) << QPoint(59, 9);
    QTest::newRow("column through the bar reaches top and bottom")
        << bar << QPoint(24, 5) << false << QPoint(24, 0) << QPoint(24, 9);
    QTest::newRow("column pointed at the top row")
        << bar << QPoint(3, 0) << false << QPoint(3, 0) << QPoint(3, 9);
    QTest::newRow("column pointed at the bottom row")
        << bar << QPoint(3, 9) << false << QPoint(3, 0) << QPoint(3, 9);

    const char *channels[] = {"red", "green", "blue"};
    for (int channel = 0; channel < 3; ++channel) {
        for (int delta : {1, -1, 2, -2}) {
            const QImage row = rowWithOddPair(channel, delta);
            const bool inside = qAbs(delta) <= 1;
            const QPoint start = inside ? QPoint(0, 0) : QPoint(3, 0);
            const QPoint end = inside ? QPoint(10, 0) : QPoint(7, 0);
            const QByteArray name = QByteArray(channels[channel]) + (delta > 0 ? " +" : " ")
                + QByteArray::number(delta) + (inside ? " stays in the run" : " ends the run");
            QTest::newRow(name.constData()) << row << QPoint(5, 0) << true << start << end;
            QTest::newRow(("column: " + name).constData())
                << transposed(row) << QPoint(0, 5) << false << QPoint(start.y(), start.x())
                << QPoint(end.y(), end.x());
        }
    }

    QImage alphas = filled(6, 1, qRgba(30, 60, 90, 255));
    const int alphaValues[] = {255, 0, 17, 128, 254, 200};
    for (int x = 0; x < 6; ++x)
        alphas.setPixel(x, 0, qRgba(30, 60, 90, alphaValues[x]));
    QTest::newRow("alpha differences never end a run")
        << alphas << QPoint(3, 0) << true << QPoint(0, 0) << QPoint(5, 0);

    // Stored premultiplied, (200,120,40) at half alpha has the values of opaque (100,60,20).
    QImage twins = filled(5, 1, qRgba(100, 60, 20, 255));
    twins.setPixel(2, 0, qRgba(200, 120, 40, 128));
    twins.setPixel(3, 0, qRgba(200, 120, 40, 128));
    QTest::newRow("premultiplied: half-transparent colour differs from its dark twin")
        << twins.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(2, 0) << true
        << QPoint(2, 0) << QPoint(3, 0);

    QImage apart = filled(5, 1, qRgba(200, 120, 40, 200));
    apart.setPixel(3, 0, qRgba(200, 120, 50, 200));
    QTest::newRow("premultiplied: translucent colour 10 bluer ends the run")
        << apart.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(0, 0) << true
        << QPoint(0, 0) << QPoint(2, 0);

    for (int delta : {1, 2}) {
        QImage nearlyOpaque = filled(5, 1, grey);
        nearlyOpaque.setPixel(3, 0, qRgba(100 + delta, 100, 100, 254));
        const bool inside = delta == 1;
        QTest::newRow(inside ? "premultiplied: nearly opaque red +1 stays in the run"
                             : "premultiplied: nearly opaque red +2 ends the run")
            << nearlyOpaque.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(0, 0)
            << true << QPoint(0, 0) << QPoint(inside ? 4 : 2, 0);
    }

    QImage clear = filled(6, 1, black);
    clear.setPixel(2, 0, qRgba(0, 0, 0, 0));
    clear.setPixel(3, 0, qRgba(0, 0, 0, 0));
    clear.setPixel(5, 0, qRgb(255, 0, 0));
    QTest::newRow("premultiplied: fully transparent pixels count as black")
        << clear.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(2, 0) << true
        << QPoint(0, 0) << QPoint(4, 0);

    QImage premultipliedStep = filled(5, 1, qRgb(10, 10, 10));
    premultipliedStep.setPixel(4, 0, qRgb(10, 10, 12));
    QTest::newRow("premultiplied: opaque blue +2 ends the run")
        << premultipliedStep.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(0, 0)
        << true << QPoint(0, 0) << QPoint(3, 0);

    QImage gradient(21, 1, QImage::Format_ARGB32);
    for (int x = 0; x < gradient.width(); ++x)
        gradient.setPixel(x, 0, qRgb(50, 50, 100 + x));
    QTest::newRow("gradient of 1 per pixel ends 1 from the reference")
        << gradient << QPoint(10, 0) << true << QPoint(9, 0) << QPoint(11, 0);

    QImage slowGradient(21, 1, QImage::Format_ARGB32);
    for (int x = 0; x < slowGradient.width(); ++x)
        slowGradient.setPixel(x, 0, qRgb(50, 50, 100 + x / 2));
    QTest::newRow("gradient of 1 per two pixels ends where it drifted by 2")
        << slowGradient << QPoint(10, 0) << true << QPoint(8, 0) << QPoint(13, 0);

    QImage dot = filled(7, 7, grey);
    dot.setPixel(3, 3, white);
    QTest::newRow("one-pixel run along a row")
        << dot << QPoint(3, 3) << true << QPoint(3, 3) << QPoint(3, 3);
    QTest::newRow("one-pixel run along a column")
        << dot << QPoint(3, 3) << false << QPoint(3, 3) << QPoint(3, 3);
    QTest::newRow("one-pixel picture")
        << filled(1, 1, grey) << QPoint(0, 0) << false << QPoint(0, 0) << QPoint(0, 0);

    // 7 wide and 13 tall, so swapped axes or a wrong stride show.
    QImage column = filled(7, 13, grey);
    for (int y = 0; y < 13; ++y)
        column.setPixel(3, y, y == 2 || y == 10 ? white : black);
    QTest::newRow("column in a tall narrow picture")
        << column << QPoint(3, 6) << false << QPoint(3, 3) << QPoint(3, 9);
    QTest::newRow("row in a tall narrow picture")
        << column << QPoint(3, 6) << true << QPoint(3, 6) << QPoint(3, 6);

    // Scan lines longer than the pixels they hold: columns must step by the stride.
    const int width = 5, height = 9, stride = 4 * width + 12;
    paddedBuffer = QByteArray(stride * height, char(0x7f));
    QImage padded(reinterpret_cast<uchar *>(paddedBuffer.data()), width, height, stride,
        QImage::Format_RGB32);
    padded.fill(black);
    padded.setPixel(1, 0, white);
    padded.setPixel(1, 7, white);
    padded.setPixel(4, 4, white);
    QTest::newRow("column of a picture with padded scan lines")
        << padded << QPoint(1, 3) << false << QPoint(1, 1) << QPoint(1, 6);
    QTest::newRow("row of a picture with padded scan lines")
        << padded << QPoint(1, 4) << true << QPoint(0, 4) << QPoint(3, 4);
}

void TestColorRun::findsRun()
{
    QFETCH(QImage, image);
    QFETCH(QPoint, point);
    QFETCH(bool, horizontal);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);

    QPoint foundStart(-7, -7), foundEnd(-7, -7);
    QVERIFY(findColorRun(image, point, horizontal, &foundStart, &foundEnd));
    QCOMPARE(foundStart, start);
    QCOMPARE(foundEnd, end);
}

void TestColorRun::premultipliedAlphaNeverEndsRun_data()
{
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("orange") << qRgb(200, 120, 40);
    QTest::newRow("near black") << qRgb(1, 2, 3);
    QTest::newRow("near white") << qRgb(254, 255, 253);
    QTest::newRow("extremes mixed") << qRgb(0, 255, 128);
}

// Premultiplied storage rounds each colour differently at each alpha; every alpha from 1 to
// 255 of one colour must still read as one run, from wherever it is measured.
void TestColorRun::premultipliedAlphaNeverEndsRun()
{
    QFETCH(QRgb, colour);

    QImage row(255, 1, QImage::Format_ARGB32);
    for (int x = 0; x < row.width(); ++x)
        row.setPixel(x, 0, (colour & 0x00FFFFFFu) | (uint(x + 1) << 24));
    const QImage premultiplied = row.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    for (int x = 0; x < premultiplied.width(); ++x) {
        QPoint start, end;
        QVERIFY(findColorRun(premultiplied, QPoint(x, 0), true, &start, &end));
        if (start != QPoint(0, 0) || end != QPoint(254, 0))
            QFAIL(qPrintable(QStringLiteral("measured from alpha %1: run %2..%3")
                                 .arg(x + 1)
                                 .arg(start.x())
                                 .arg(end.x())));
    }
}

void TestColorRun::pointOutsideLeavesOutputs_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("horizontal");

    const QImage image = filled(8, 5, grey);
    QTest::newRow("left of the picture") << image << QPoint(-1, 2) << true;
    QTest::newRow("right of the picture (x = W)") << image << QPoint(8, 2) << true;
    QTest::newRow("above the picture") << image << QPoint(3, -1) << false;
    QTest::newRow("below the picture (y = H)") << image << QPoint(3, 5) << false;
    QTest::newRow("below the picture, scanning a row") << image << QPoint(3, 5) << true;
    QTest::newRow("diagonally outside") << image << QPoint(-1, -1) << true;
    QTest::newRow("no picture") << QImage() << QPoint(0, 0) << true;
}

void TestColorRun::pointOutsideLeavesOutputs()
{
    QFETCH(QImage, image);
    QFETCH(QPoint, point);
    QFETCH(bool, horizontal);

    QPoint start(-7, -7), end(-8, -8);
    QVERIFY(!findColorRun(image, point, horizontal, &start, &end));
    QCOMPARE(start, QPoint(-7, -7));
    QCOMPARE(end, QPoint(-8, -8));
}

void TestColorRun::formatsMatchTheirArgb32Conversion_data()
{
    QTest::addColumn<QImage>("image");

    // 37 x 23: odd widths give padded scan lines in the 8- and 24-bit formats. Bands change
    // by 1 so that the tolerance decides where runs end.
    const int width = 37, height = 23;

    QImage grey8(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grey8.scanLine(y)[x] = uchar(100 + (x / 4) % 4 + (y / 3) % 3);
    QTest::newRow("Grayscale8") << grey8;

    QImage rgb888(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *line = rgb888.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = uchar(50 + (x / 4) % 4);
            line[3 * x + 1] = uchar(60 + (y / 3) % 4);
            line[3 * x + 2] = uchar(70 + ((x + y) / 5) % 3);
        }
    }
    QTest::newRow("RGB888") << rgb888;

    QImage indexed(width, height, QImage::Format_Indexed8);
    QVector<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table.append(qRgb(80 + i % 3, 90 + (i / 3) % 3, 100 + i / 9));
    indexed.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            indexed.scanLine(y)[x] = uchar((x / 3 + y / 4) % 16);
    QTest::newRow("Indexed8") << indexed;

    QImage rgba(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgba.setPixel(x, y,
                qRgba(10 + (x / 5) % 3, 20 + (y / 2) % 3, 30 + (x * y) % 4, 128 + (x % 3) * 60));
    QTest::newRow("RGBA8888") << rgba.convertToFormat(QImage::Format_RGBA8888);
    QTest::newRow("RGB16") << rgb888.convertToFormat(QImage::Format_RGB16);

    QImage mono(width, height, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            mono.setPixel(x, y, uint((x / 6 + y / 5) % 2));
    QTest::newRow("Mono") << mono;
}

void TestColorRun::formatsMatchTheirArgb32Conversion()
{
    QFETCH(QImage, image);
    const QImage reference = image.convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!reference.isNull());

    int shortRuns = 0;
    for (bool horizontal : {true, false}) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QPoint start, end, expectedStart, expectedEnd;
                QVERIFY(findColorRun(image, QPoint(x, y), horizontal, &start, &end));
                QVERIFY(findColorRun(
                    reference, QPoint(x, y), horizontal, &expectedStart, &expectedEnd));
                if (start != expectedStart || end != expectedEnd)
                    QFAIL(qPrintable(QStringLiteral("at (%1, %2) %3: got %4..%5, expected %6..%7")
                                         .arg(x)
                                         .arg(y)
                                         .arg(horizontal ? "row" : "column")
                                         .arg(horizontal ? start.x() : start.y())
                                         .arg(horizontal ? end.x() : end.y())
                                         .arg(horizontal ? expectedStart.x() : expectedStart.y())
                                         .arg(horizontal ? expectedEnd.x() : expectedEnd.y())));
                const int span = horizontal ? end.x() - start.x() + 1 : end.y() - start.y() + 1;
                if (span < (horizontal ? image.width() : image.height()))
                    ++shortRuns;
            }
        }
    }
    // A picture made of one run everywhere would let a broken scan pass.
    QVERIFY(shortRuns > 0);
}

void TestColorRun::measurePath_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<QLineF>>("segments");

    const auto row = [](const char *name, QPoint start, QPoint end, int length,
                         const QList<QLineF> &segments) {
        QTest::newRow(name) << start << end << length << segments;
    };
    row("row run has vertical ticks", {20, 5}, {29, 5}, 9,
        {{20, 1, 20, 9}, {29, 1, 29, 9}, {20, 5, 29, 5}});
    row("column run has horizontal ticks", {24, 0}, {24, 9}, 9,
        {{20, 0, 28, 0}, {20, 9, 28, 9}, {24, 0, 24, 9}});
    row("one pixel counts as a row run, its line is empty", {3, 3}, {3, 3}, 0,
        {{3, -1, 3, 7}, {3, -1, 3, 7}});
    row("row along the top border", {0, 0}, {59, 0}, 59,
        {{0, -4, 0, 4}, {59, -4, 59, 4}, {0, 0, 59, 0}});
    row("column of two pixels", {7, 10}, {7, 11}, 1,
        {{3, 10, 11, 10}, {3, 11, 11, 11}, {7, 10, 7, 11}});
}

void TestColorRun::measurePath()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(int, length);
    QFETCH(QList<QLineF>, segments);

    int measured = -100;
    const QPainterPath path = makeMeasurePath(start, end, &measured);
    QCOMPARE(measured, length);
    QList<Segment> expected;
    for (const QLineF &line : segments)
        expected.append({line.p1(), line.p2()});
    QVERIFY2(sameSegments(segmentsOf(path), expected),
        "each tick and the main line must be its own move-then-line subpath");
}

void TestColorRun::labelSize_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("width");

    QTest::newRow("one pixel shows 1, minimum width") << 0 << 40;
    QTest::newRow("9 pixels") << 8 << 40;
    QTest::newRow("10 pixels, two characters still minimum") << 9 << 40;
    QTest::newRow("99 pixels") << 98 << 40;
    QTest::newRow("100 pixels, three characters") << 99 << 47;
    QTest::newRow("1000 pixels, four characters") << 999 << 56;
    QTest::newRow("1234 pixels") << 1233 << 56;
    QTest::newRow("99999 pixels") << 99998 << 65;
}

void TestColorRun::labelSize()
{
    QFETCH(int, length);
    QFETCH(int, width);

    const QImage slice = filled(14, 26, grey);
    const QImage label = makeLengthLabelImage(length, slice, filled(2, 26, grey), slice);
    QCOMPARE(label.size(), QSize(width, 26));
    QCOMPARE(label.format(), QImage::Format_ARGB32_Premultiplied);
}

void TestColorRun::labelSlicesAndText_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");

    QTest::newRow("one pixel") << 0 << QStringLiteral("1");
    QTest::newRow("ten pixels") << 9 << QStringLiteral("10");
    QTest::newRow("hundred pixels") << 99 << QStringLiteral("100");
    QTest::newRow("1234 pixels") << 1233 << QStringLiteral("1234");
}

void TestColorRun::labelSlicesAndText()
{
    QFETCH(int, length);
    QFETCH(QString, text);

    const QRgb leftColour = qRgb(80, 0, 0), midColour = qRgb(0, 80, 0),
               rightColour = qRgb(0, 0, 80);
    const QImage label = makeLengthLabelImage(
        length, filled(14, 26, leftColour), filled(2, 26, midColour), filled(14, 26, rightColour));
    const int width = label.width();

    const QRect textRect = textRectOnLabel(text, label);
    const QList<QPair<QPoint, QRgb>> slicePixels = {
        {{0, 0}, leftColour},
        {{13, 25}, leftColour},
        {{14, 0}, midColour},
        {{width - 15, 25}, midColour},
        {{width - 14, 0}, rightColour},
        {{width - 1, 25}, rightColour},
    };
    for (const auto &probe : slicePixels) {
        QVERIFY(!textRect.contains(probe.first));
        QCOMPARE(label.pixel(probe.first), probe.second);
    }
    QVERIFY2(textMatches(label, text),
        qPrintable(QStringLiteral("white pixels span columns %1..%2, \"%3\" spans %4..%5")
                       .arg(whiteColumns(label).first)
                       .arg(whiteColumns(label).second)
                       .arg(text)
                       .arg(textRect.left())
                       .arg(textRect.right())));
}

void TestColorRun::whiteBarEndToEnd()
{
    QPoint start, end;
    QVERIFY(findColorRun(whiteBar(), QPoint(24, 4), true, &start, &end));
    QCOMPARE(start, QPoint(20, 4));
    QCOMPARE(end, QPoint(29, 4));

    int length = -1;
    const QPainterPath path = makeMeasurePath(start, end, &length);
    QVERIFY(sameSegments(
        segmentsOf(path), {{{20, 0}, {20, 8}}, {{29, 0}, {29, 8}}, {{20, 4}, {29, 4}}}));

    const QImage label = makeLengthLabelImage(length, filled(14, 26, qRgb(80, 0, 0)),
        filled(2, 26, qRgb(0, 80, 0)), filled(14, 26, qRgb(0, 0, 80)));
    QCOMPARE(label.width(), 40);
    QVERIFY(textMatches(label, QStringLiteral("10")));
}

DIMLET_TEST_MAIN(TestColorRun)
#include "tst_colorrun.moc"
