#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>

class TestAutoDetect : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setCapsLockOverride(std::nullopt); }

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
        const QPointF startPos = point(f[0]), movePos = point(f[1]);
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
        scene.onTrackMouseFreeMoveStart(startPos);
        QCOMPARE(scene.items().size(), 2);
        QCOMPARE(detector.previewPath()->path(), bracket(line(f[3])));
        QCOMPARE(detector.previewPath()->pen().color().rgba(), DLGraphicsItemRenderer::darkColor());
        scene.onTrackMouseFreeMovePosChanged(movePos);
        QCOMPARE(scene.items().size(), 2);
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
        rows({"click on the bar|1|24.9,8.9|0|20,8 29,8", "space released over the bar|0|24,8|0|",
            "click just left of the picture|1|-0.1,8|0|",
            "click after the canvas was cleared under the preview|1|25,8|1|",
            "click on a one-pixel run makes a mark whose points coincide|1|40,30|0|40,30 40,30"});
    }

    void end()
    {
        QFETCH(QStringList, f);
        const QLineF mark = line(f[3]);
        const bool made = !f[3].isEmpty();
        MarkScene scene;
        SceneTestAccess::setNextZValue(scene, 7.0);
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8));
        if (f[2] == "1")
            scene.clearCanvas();
        scene.onTrackMouseFreeMoveEnd(f[0] == "1", point(f[1]));
        QVERIFY(!scene.isDetecting());
        QCOMPARE(scene.items().size(), int(made));
        QCOMPARE(scene.undoStack().count(), int(made));
        QCOMPARE(scene.nextZValue(), made ? 8.0 : 7.0);
        if (!made)
            return;
        const DLGraphicsItem *length = scene.marks().first();
        QCOMPARE(pointsOf(length), mark);
        QCOMPARE(length->markType(), int(MarkLength));
        QCOMPARE(length->text(), QString::number(int(mark.length()) + 1));
        QCOMPARE(length->orderNumber(), 7);
    }
};

DIMLET_TEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
