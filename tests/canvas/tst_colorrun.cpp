#include "testsupport.h"

#include "canvas/colorrun.h"

namespace {
QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
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
        QTest::addColumn<QLine>("run"); // null when nothing is found
        QImage alphas(255, 1, QImage::Format_ARGB32);
        for (int x = 0; x < 255; ++x)
            alphas.setPixel(x, 0, qRgba(200, 120, 40, x + 1));
        QTest::newRow("alpha differences never end a run")
            << alphas << QPoint(3, 0) << QLine(0, 0, 254, 0);
        QTest::newRow("premultiplied alphas 1..255 of one colour, from alpha 1")
            << alphas.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(0, 0)
            << QLine(0, 0, 254, 0);
        // Scan lines longer than their pixels: a column must step by the stride.
        paddedBuffer = QByteArray(32 * 9, char(0x7f));
        QImage padded(
            reinterpret_cast<uchar *>(paddedBuffer.data()), 5, 9, 32, QImage::Format_RGB32);
        padded.fill(Qt::black);
        padded.setPixel(1, 0, qRgb(255, 255, 255));
        padded.setPixel(1, 7, qRgb(255, 255, 255));
        QTest::newRow("column of a picture with padded scan lines")
            << padded << QPoint(1, 3) << QLine(1, 1, 1, 6);
        QTest::newRow("left of the picture") << alphas << QPoint(-1, 0) << QLine();
        QTest::newRow("below the picture") << alphas << QPoint(3, 1) << QLine();
        QTest::newRow("no picture") << QImage() << QPoint(0, 0) << QLine();
    }

    void findColorRun()
    {
        QFETCH(QImage, image);
        QFETCH(QPoint, point);
        QFETCH(QLine, run);
        QPoint start(-7, -7), end(-7, -7);
        const bool horizontal = run.dy() == 0;
        QCOMPARE(::findColorRun(image, point, horizontal, &start, &end), !run.isNull());
        QCOMPARE(QLine(start, end), run.isNull() ? QLine(-7, -7, -7, -7) : run);
    }

    void matchesAPixelWalk_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("straight ARGB") << int(QImage::Format_ARGB32);
        QTest::newRow("opaque RGB") << int(QImage::Format_RGB32);
        QTest::newRow("24-bit, converted a line at a time") << int(QImage::Format_RGB888);
    }

    // Runs of every length and start, up to both borders, broken by pixels just inside and just
    // outside the tolerance, must come out as a walk pixel by pixel finds them, from every pixel.
    void matchesAPixelWalk()
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
                image.setPixel(x, y, colour - (roll == 1 ? 1 : roll == 2 ? 2 : 0));
            }
        }
        image = image.convertToFormat(QImage::Format(format));
        const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
        const auto close = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) <= 1 && qAbs(qGreen(a) - qGreen(b)) <= 1
                && qAbs(qBlue(a) - qBlue(b)) <= 1;
        };
        for (const QPoint along : {QPoint(1, 0), QPoint(0, 1)}) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QPoint p(x, y);
                    QPoint first = p, last = p, start, end;
                    while (plain.valid(first - along)
                        && close(plain.pixel(first - along), plain.pixel(p)))
                        first -= along;
                    while (plain.valid(last + along)
                        && close(plain.pixel(last + along), plain.pixel(p)))
                        last += along;
                    QVERIFY(::findColorRun(image, p, along.x() == 1, &start, &end));
                    QCOMPARE(start, first);
                    QCOMPARE(end, last);
                }
            }
        }
    }

    void measurePath_data()
    {
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QList<QLineF>>("lines");
        QTest::newRow("row run has vertical ticks")
            << QPoint(29, 5) << QList<QLineF> {{20, 1, 20, 9}, {29, 1, 29, 9}, {20, 5, 29, 5}};
        QTest::newRow("column run has horizontal ticks")
            << QPoint(20, 14) << QList<QLineF> {{16, 5, 24, 5}, {16, 14, 24, 14}, {20, 5, 20, 14}};
    }

    void measurePath()
    {
        QFETCH(QPoint, end);
        QFETCH(QList<QLineF>, lines);
        QPainterPath path;
        for (const QLineF &line : lines)
            path.moveTo(line.p1()), path.lineTo(line.p2());
        int length = -100;
        QCOMPARE(makeMeasurePath(QPoint(20, 5), end, &length), path);
        QCOMPARE(length, 9);
    }

    // The width counts the characters of length + 1 (at least 40), so it pins the text too.
    void lengthLabel()
    {
        const QRgb left = qRgb(80, 0, 0), mid = qRgb(0, 80, 0), right = qRgb(0, 0, 80);
        for (const auto &[length, width] : {std::pair(98, 40), std::pair(99, 47)}) {
            const QImage label = makeLengthLabelImage(
                length, filled(14, 26, left), filled(2, 26, mid), filled(14, 26, right));
            QCOMPARE(label.size(), QSize(width, 26));
            QCOMPARE(label.pixel(0, 25), left);
            QCOMPARE(label.pixel(width - 15, 25), mid);
            QCOMPARE(label.pixel(width - 1, 0), right);
        }
    }
};

DIMLET_TEST_MAIN(TestColorRun)
#include "tst_colorrun.moc"
