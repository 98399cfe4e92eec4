#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>

class TestAutoDetect : public QObject
{
    Q_OBJECT

private:
    QByteArray paddedBuffer;

private slots:
    void cleanup() { setCapsLockOverride(std::nullopt); }

    // Pictures outside the walk below; the edges of the picture are seen by preview and end.
    void findColorRun_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QLine>("run");
        QImage alphas(255, 1, QImage::Format_ARGB32);
        for (int x = 0; x < 255; ++x)
            alphas.setPixel(x, 0, qRgba(200, 120, 40, x + 1));
        QTest::newRow("alpha differences never end a run")
            << alphas << QPoint(3, 0) << QLine(0, 0, 254, 0);
        QTest::newRow("premultiplied alphas 1..255 of one colour, from alpha 1")
            << alphas.convertToFormat(QImage::Format_ARGB32_Premultiplied) << QPoint(0, 0)
            << QLine(0, 0, 254, 0);
        QImage clear(5, 1, QImage::Format_ARGB32_Premultiplied);
        clear.fill(Qt::black);
        clear.setPixel(1, 0, 0);
        clear.setPixel(4, 0, qRgb(255, 255, 255));
        QTest::newRow("premultiplied: transparent counts as black")
            << clear << QPoint(3, 0) << QLine(0, 0, 3, 0);
        // Scan lines longer than their pixels: a column must step by the stride.
        paddedBuffer = QByteArray(32 * 9, char(0x7f));
        QImage padded(
            reinterpret_cast<uchar *>(paddedBuffer.data()), 5, 9, 32, QImage::Format_RGB32);
        padded.fill(Qt::black);
        padded.setPixel(1, 0, qRgb(255, 255, 255));
        padded.setPixel(1, 7, qRgb(255, 255, 255));
        QTest::newRow("column of a picture with padded scan lines")
            << padded << QPoint(1, 3) << QLine(1, 1, 1, 6);
    }

    void findColorRun()
    {
        QFETCH(QImage, image);
        QFETCH(QPoint, point);
        QFETCH(QLine, run);
        QPoint start, end;
        QVERIFY(::findColorRun(image, point, run.dy() == 0, &start, &end));
        QCOMPARE(QLine(start, end), run);
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

    // The label widens for each digit of length + 1 beyond the minimum of 40.
    void lengthLabel()
    {
        const QImage piece(14, 26, QImage::Format_ARGB32);
        QCOMPARE(makeLengthLabelImage(98, piece, piece, piece).size(), QSize(40, 26));
        QCOMPARE(makeLengthLabelImage(99, piece, piece, piece).size(), QSize(47, 26));
    }

    // Start|move|caps lock|run at the start|run after the move; an empty run, an empty bracket.
    void preview_data()
    {
        rows({"along the bar, fractions floor|24,8|29.9,10.5|0|20,8 29,8|20,10 29,10",
            "caps lock column to the top border|24,8|24,4.5|1|24,5 24,20|24,0 24,4",
            "out of the picture keeps the last bracket, label 1|24,8|60,8|0|20,8 29,8|20,8 29,8",
            "starting outside shows an empty bracket|-0.5,8|24,40|1||"});
    }

    void preview()
    {
        QFETCH(QStringList, f);
        const QPointF movePos = point(f[1]);
        const QLineF moveRun = line(f[4]);
        const auto bracket = [](const QLineF &run) {
            return run == QLineF()
                ? QPainterPath()
                : makeMeasurePath(run.p1().toPoint(), run.p2().toPoint(), nullptr);
        };
        MarkScene scene;
        const DLEdgeDetector &detector = SceneTestAccess::detector(scene);
        setCapsLockOverride(f[2] == "1");
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8)); // a second start replaces this one
        scene.onTrackMouseFreeMoveStart(point(f[0]));
        QCOMPARE(scene.items().size(), 2);
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[3])));
        scene.onTrackMouseFreeMovePosChanged(movePos);
        QCOMPARE(detector.previewPath()->path(), bracket(moveRun));
        const int length = movePos.x() < 60 && movePos.y() < 40 ? int(moveRun.length()) : 0;
        QCOMPARE(detector.previewLabel()->pixmap().toImage().convertToFormat(
                     QImage::Format_ARGB32_Premultiplied),
            detector.makeLengthLabelImage(length));
        QCOMPARE(detector.previewLabel()->pos(), movePos - QPointF(0, 28));
    }

    // Select|end|whether the canvas was cleared under the preview|mark made, if any.
    void end_data()
    {
        rows({"click on the bar|1|24.9,8.9|0|0 7 7 20,8 29,8  100",
            "space released over the bar|0|24,8|0|", "click just left of the picture|1|-0.1,8|0|",
            "click after the canvas was cleared under the preview|1|25,8|1|",
            "click on a one-pixel run: the points coincide|1|40,30|0|0 7 7 40,30 40,30  100"});
    }

    void end()
    {
        QFETCH(QStringList, f);
        const bool made = !f[3].isEmpty();
        MarkScene scene;
        SceneTestAccess::setNextZValue(scene, 7.0);
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8));
        if (f[2] == "1")
            scene.clearCanvas();
        scene.onTrackMouseFreeMoveEnd(f[0] == "1", point(f[1]));
        QVERIFY(!scene.isDetecting());
        QCOMPARE(scene.items().size(), int(made));
        QCOMPARE(describeMarks(scene), made ? QStringList {f[3]} : QStringList());
        QCOMPARE(scene.undoStack().count(), int(made));
        QCOMPARE(scene.nextZValue(), made ? 8.0 : 7.0);
    }
};

DIMLET_TEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
