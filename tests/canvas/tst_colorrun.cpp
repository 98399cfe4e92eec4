#include "testsupport.h"

#include "canvas/colorrun.h"
#include "marks/marktest.h"

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
        rows({"straight ARGB|5", "opaque RGB|4", "24-bit, converted a line at a time|13"});
    }

    // Runs of every length and start, up to both borders, broken by pixels just inside and just
    // outside the tolerance, must come out as a walk pixel by pixel finds them, from every pixel.
    void matchesAPixelWalk()
    {
        QFETCH(QStringList, f);
        QImage plain(37, 23, QImage::Format_ARGB32);
        quint32 seed = 7;
        const auto next = [&seed](quint32 range) {
            return ((seed = seed * 1103515245u + 12345u) >> 16 & 0x7FFF) % range;
        };
        for (int y = 0; y < plain.height(); ++y) {
            QRgb colour = qRgb(100, 100, 100);
            for (int x = 0; x < plain.width(); ++x) {
                const quint32 roll = next(12);
                colour = roll == 0 ? qRgb(next(256), 100, 100) : colour;
                plain.setPixel(x, y, colour - (roll == 1 || roll == 2 ? roll : 0));
            }
        }
        const QImage image = plain.convertToFormat(QImage::Format(f[0].toInt()));
        const auto same = [&](QPoint a, QRgb q) {
            const QRgb p = plain.valid(a) ? plain.pixel(a) : q ^ 0x800000; // never matches
            return qAbs(qRed(p) - qRed(q)) <= 1 && qAbs(qGreen(p) - qGreen(q)) <= 1
                && qAbs(qBlue(p) - qBlue(q)) <= 1;
        };
        for (const QPoint along : {QPoint(1, 0), QPoint(0, 1)}) {
            for (int i = 0; i < plain.width() * plain.height(); ++i) {
                const QPoint p(i % plain.width(), i / plain.width());
                QPoint first = p, last = p, start, end;
                while (same(first - along, plain.pixel(p)))
                    first -= along;
                while (same(last + along, plain.pixel(p)))
                    last += along;
                QVERIFY(::findColorRun(image, p, along.x() == 1, &start, &end));
                QCOMPARE(QLine(start, end), QLine(first, last));
            }
        }
    }

    // End|the lines of the bracket from the start 20,5; both runs are 9 long.
    void measurePath_data()
    {
        rows({"row run has vertical ticks|29,5|20,1 20,9 29,1 29,9 20,5 29,5",
            "column run has horizontal ticks|20,14|16,5 24,5 16,14 24,14 20,5 20,14"});
    }

    void measurePath()
    {
        QFETCH(QStringList, f);
        const QPolygonF ends = polygon(f[1]);
        QPainterPath path;
        for (int i = 0; i < ends.size(); i += 2)
            path.moveTo(ends[i]), path.lineTo(ends[i + 1]);
        int length = -100;
        QCOMPARE(makeMeasurePath(QPoint(20, 5), point(f[0]).toPoint(), &length), path);
        QCOMPARE(length, 9);
    }

    // The width counts the characters of length + 1 (at least 40), so it pins the text too.
    void lengthLabel()
    {
        const QRgb left = qRgb(80, 0, 0), mid = qRgb(0, 80, 0), right = qRgb(0, 0, 80);
        for (const auto &[length, width] : {std::pair(98, 40), std::pair(99, 47)}) {
            const auto filled = [](int width, QRgb colour) {
                QImage image(width, 26, QImage::Format_ARGB32);
                image.fill(colour);
                return image;
            };
            const QImage label
                = makeLengthLabelImage(length, filled(14, left), filled(2, mid), filled(14, right));
            QCOMPARE(label.size(), QSize(width, 26));
            QCOMPARE(label.pixel(0, 25), left);
            QCOMPARE(label.pixel(width - 15, 25), mid);
            QCOMPARE(label.pixel(width - 1, 0), right);
        }
    }
};

DIMLET_TEST_MAIN(TestColorRun)
#include "tst_colorrun.moc"
