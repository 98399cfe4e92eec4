#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>

class TestAutoDetect : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setCapsLockOverride(std::nullopt); }

    // Format|straight ARGB pixels of a row|start|the run found. What the walk below leaves out:
    // alpha, and the picture's edges, which preview and end see.
    void findColorRun_data()
    {
        rows({"alpha never ends a run|5|01C87828 80C87828 FFC87828 FF000000|1|0 2",
            "premultiplied: one colour, any alpha|6|01C87828 7FC87828 FEC87828 FF000000|0|0 2",
            "premultiplied: half-transparent is not darker|6|80C8C8C8 FF646464|0|0 0",
            "premultiplied: transparent is black|6|FF000000 00000000 FF000000 FFFFFFFF|2|0 2"});
    }

    void findColorRun()
    {
        QFETCH(QStringList, f);
        const QStringList pixels = f[1].split(' ');
        QImage image(pixels.size(), 1, QImage::Format_ARGB32);
        for (int x = 0; x < pixels.size(); ++x)
            image.setPixel(x, 0, pixels[x].toUInt(nullptr, 16));
        QPoint start, end;
        QVERIFY(::findColorRun(image.convertToFormat(QImage::Format(f[0].toInt())),
            {f[2].toInt(), 0}, true, &start, &end));
        QCOMPARE(QStringLiteral("%1 %2").arg(start.x()).arg(end.x()), f[3]);
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
        // Scan lines longer than their pixels, so a column must step by the stride.
        QImage wide(40, 23, QImage::Format_ARGB32);
        QRgb colour = qRgb(100, 100, 100);
        for (quint32 i = 0, seed = 7; i < 40 * 23; ++i, seed = seed * 1103515245u + 12345u) {
            const quint32 roll = (seed >> 16) % 12;
            colour = roll == 0 ? qRgb(seed >> 8 & 255, 100, 100) : colour;
            wide.setPixel(i % 40, i / 40, colour - (roll == 1 || roll == 2 ? roll : 0));
        }
        const QImage plain(wide.constBits(), 37, 23, wide.bytesPerLine(), QImage::Format_ARGB32);
        const QImage image = plain.convertToFormat(QImage::Format(f[0].toInt()));
        const auto same = [&](QPoint a, QRgb q) { // off the picture never matches
            const QRgb p = plain.valid(a) ? plain.pixel(a) : q ^ 0x800000;
            return std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                       qAbs(qBlue(p) - qBlue(q))})
                <= 1;
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
        const auto bracket = [](QLineF run) {
            return run.isNull() ? QPainterPath()
                                : makeMeasurePath(run.p1().toPoint(), run.p2().toPoint(), nullptr);
        };
        MarkScene scene;
        const DLEdgeDetector &detector = SceneTestAccess::detector(scene);
        setCapsLockOverride(f[2] == "1");
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8)); // a second start replaces this one
        scene.onTrackMouseFreeMoveStart(point(f[0]));
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[3])));
        scene.onTrackMouseFreeMovePosChanged(movePos);
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[4])));
        const int length = movePos.x() < 60 && movePos.y() < 40 ? int(line(f[4]).length()) : 0;
        QCOMPARE(detector.previewLabel()->pixmap().toImage(),
            QPixmap::fromImage(detector.makeLengthLabelImage(length)).toImage());
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
        QCOMPARE(scene.items().size(), int(made)); // the preview is gone
        QCOMPARE(describeMarks(scene).join(""), f[3]);
        QCOMPARE(scene.undoStack().count(), int(made));
        QCOMPARE(scene.nextZValue(), made ? 8.0 : 7.0);
    }
};

DIMLET_TEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
