#include "testsupport.h"

#include "canvas/colorrun.h"

namespace {
const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(100, 100, 100);

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QPainterPath lines(std::initializer_list<QLineF> segments)
{
    QPainterPath path;
    for (const QLineF &line : segments) {
        path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    return path;
}
} // namespace

Q_DECLARE_METATYPE(QPainterPath)

class TestColorRun : public QObject
{
    Q_OBJECT

private:
    QByteArray paddedBuffer;

private slots:
    void findColorRun_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QPoint>("start"); // (-7, -7) when nothing is found
        QTest::addColumn<QPoint>("end");
        const auto row = [](const QByteArray &name, const QImage &image, QPoint p, bool horizontal,
                             QPoint start, QPoint end) {
            QTest::newRow(name.constData()) << image << p << horizontal << start << end;
        };

        // 60 x 10 black with a white bar over the columns 20..29.
        QImage bar = filled(60, 10, black);
        for (int y = 0; y < 10; ++y)
            for (int x = 20; x <= 29; ++x)
                bar.setPixel(x, y, white);
        row("white bar pointed in the middle", bar, {24, 5}, true, {20, 5}, {29, 5});
        row("run reaching the left border", bar, {7, 0}, true, {0, 0}, {19, 0});
        row("run reaching the right border", bar, {59, 9}, true, {30, 9}, {59, 9});
        row("column reaching top and bottom", bar, {24, 5}, false, {24, 0}, {24, 9});

        QImage odd = filled(11, 1, grey);
        odd.setPixel(2, 0, qRgb(100, 100, 101));
        odd.setPixel(8, 0, qRgb(100, 100, 102));
        row("blue 1 apart stays in the run, 2 apart ends it", odd, {5, 0}, true, {0, 0}, {7, 0});

        QImage alphas = filled(6, 1, black);
        for (int x = 0; x < 6; ++x)
            alphas.setPixel(x, 0, qRgba(30, 60, 90, (x * 97) % 256));
        row("alpha differences never end a run", alphas, {3, 0}, true, {0, 0}, {5, 0});
        QImage allAlphas(255, 1, QImage::Format_ARGB32);
        for (int x = 0; x < 255; ++x)
            allAlphas.setPixel(x, 0, qRgba(200, 120, 40, x + 1));
        const QImage premultiplied = allAlphas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        row("premultiplied alphas 1..255 of one colour, from alpha 1", premultiplied, {0, 0}, true,
            {0, 0}, {254, 0});

        // Scan lines longer than their pixels: a column must step by the stride.
        const int width = 5, height = 9, stride = 4 * width + 12;
        paddedBuffer = QByteArray(stride * height, char(0x7f));
        QImage padded(reinterpret_cast<uchar *>(paddedBuffer.data()), width, height, stride,
            QImage::Format_RGB32);
        padded.fill(black);
        padded.setPixel(1, 0, white);
        padded.setPixel(1, 7, white);
        row("column of a picture with padded scan lines", padded, {1, 3}, false, {1, 1}, {1, 6});

        const QImage small = filled(8, 5, grey);
        row("left of the picture", small, {-1, 2}, true, {-7, -7}, {-7, -7});
        row("below the picture", small, {3, 5}, true, {-7, -7}, {-7, -7});
        row("no picture", QImage(), {0, 0}, true, {-7, -7}, {-7, -7});
    }

    void findColorRun()
    {
        QFETCH(QImage, image);
        QFETCH(QPoint, point);
        QFETCH(bool, horizontal);
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QPoint foundStart(-7, -7), foundEnd(-7, -7);
        QCOMPARE(::findColorRun(image, point, horizontal, &foundStart, &foundEnd),
            start != QPoint(-7, -7));
        QCOMPARE(foundStart, start);
        QCOMPARE(foundEnd, end);
    }

    void matchesAPlainScan_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("straight ARGB") << int(QImage::Format_ARGB32);
        QTest::newRow("opaque RGB") << int(QImage::Format_RGB32);
        QTest::newRow("24-bit, converted a line at a time") << int(QImage::Format_RGB888);
    }

    // Runs of every length and start, broken by pixels just inside and just outside the
    // tolerance, must come out as a pixel-by-pixel walk finds them, from every pointer position.
    void matchesAPlainScan()
    {
        QFETCH(int, format);
        QImage image(37, 23, QImage::Format_ARGB32);
        quint32 seed = 7;
        const auto next = [&seed](quint32 range) {
            return ((seed = seed * 1103515245u + 12345u) >> 16 & 0x7FFF) % range;
        };
        for (int y = 0; y < image.height(); ++y) {
            QRgb colour = qRgb(100, 100, 100);
            for (int x = 0; x < image.width(); ++x) {
                const quint32 roll = next(12);
                if (roll == 0)
                    colour = qRgb(next(256), 100, 100);
                const int nudge = roll == 1 ? 1 : roll == 2 ? 2 : 0;
                image.setPixel(x, y, qRgb(qRed(colour), qGreen(colour), qBlue(colour) - nudge));
            }
        }
        image = image.convertToFormat(QImage::Format(format));
        const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
        const auto close = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) <= 1 && qAbs(qGreen(a) - qGreen(b)) <= 1
                && qAbs(qBlue(a) - qBlue(b)) <= 1;
        };
        for (bool horizontal : {true, false}) {
            const QPoint along = horizontal ? QPoint(1, 0) : QPoint(0, 1);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QPoint p(x, y);
                    const QRgb reference = plain.pixel(p);
                    QPoint first = p, last = p;
                    while (
                        plain.valid(first - along) && close(plain.pixel(first - along), reference))
                        first -= along;
                    while (plain.valid(last + along) && close(plain.pixel(last + along), reference))
                        last += along;
                    QPoint start, end;
                    QVERIFY(::findColorRun(image, p, horizontal, &start, &end));
                    QCOMPARE(start, first);
                    QCOMPARE(end, last);
                }
            }
        }
    }

    void measurePath_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<int>("length");
        QTest::addColumn<QPainterPath>("path");
        QTest::newRow("row run has vertical ticks") << QPoint(
            20, 5) << QPoint(29, 5) << 9 << lines({{20, 1, 20, 9}, {29, 1, 29, 9}, {20, 5, 29, 5}});
        QTest::newRow("column run has horizontal ticks") << QPoint(
            24, 0) << QPoint(24, 9) << 9 << lines({{20, 0, 28, 0}, {20, 9, 28, 9}, {24, 0, 24, 9}});
        QTest::newRow("one pixel is a row run") << QPoint(
            3, 3) << QPoint(3, 3) << 0 << lines({{3, -1, 3, 7}, {3, -1, 3, 7}, {3, 3, 3, 3}});
    }

    void measurePath()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(int, length);
        QFETCH(QPainterPath, path);
        int measured = -100;
        QCOMPARE(makeMeasurePath(start, end, &measured), path);
        QCOMPARE(measured, length);
    }

    void lengthLabel_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("width");
        // The width counts the characters of length + 1, so it pins the text too.
        QTest::newRow("one pixel, minimum width") << 0 << 40;
        QTest::newRow("99 pixels, still minimum width") << 98 << 40;
        QTest::newRow("100 pixels, three characters") << 99 << 47;
        QTest::newRow("1234 pixels, four characters") << 1233 << 56;
    }

    void lengthLabel()
    {
        QFETCH(int, length);
        QFETCH(int, width);
        const QRgb left = qRgb(80, 0, 0), mid = qRgb(0, 80, 0), right = qRgb(0, 0, 80);
        const QImage label = makeLengthLabelImage(
            length, filled(14, 26, left), filled(2, 26, mid), filled(14, 26, right));
        QCOMPARE(label.size(), QSize(width, 26));
        QCOMPARE(label.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(label.pixel(0, 25), left);
        QCOMPARE(label.pixel(width - 15, 25), mid);
        QCOMPARE(label.pixel(width - 1, 0), right);
    }
};

DIMLET_TEST_MAIN(TestColorRun)
#include "tst_colorrun.moc"
