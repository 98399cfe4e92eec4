#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>

Q_DECLARE_METATYPE(QPainterPath)

class TestAutoDetect : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setCapsLockOverride(std::nullopt); }

    void preview_data()
    {
        QTest::addColumn<QPointF>("startPos");
        QTest::addColumn<QPointF>("movePos");
        QTest::addColumn<bool>("caps");
        QTest::addColumn<QLineF>("startRun"); // (0,0)-(0,0) for an empty bracket
        QTest::addColumn<QLineF>("moveRun");
        const QLineF bar(20, 8, 29, 8);
        QTest::newRow("along the bar, fractions floor")
            << QPointF(24, 8) << QPointF(29.9, 10.5) << false << bar << QLineF(20, 10, 29, 10);
        QTest::newRow("caps lock column to the top border")
            << QPointF(24, 8) << QPointF(24, 4.5) << true << QLineF(24, 5, 24, 20)
            << QLineF(24, 0, 24, 4);
        QTest::newRow("out of the picture keeps the last bracket, label 1")
            << QPointF(24, 8) << QPointF(60, 8) << false << bar << bar;
        QTest::newRow("starting outside shows an empty bracket")
            << QPointF(-0.5, 8) << QPointF(24, 40) << true << QLineF() << QLineF();
    }

    void preview()
    {
        QFETCH(QPointF, startPos);
        QFETCH(QPointF, movePos);
        QFETCH(bool, caps);
        QFETCH(QLineF, startRun);
        QFETCH(QLineF, moveRun);
        const auto bracket = [](const QLineF &run) {
            return run == QLineF()
                ? QPainterPath()
                : makeMeasurePath(run.p1().toPoint(), run.p2().toPoint(), nullptr);
        };
        MarkScene scene;
        const DLEdgeDetector &detector = SceneTestAccess::detector(scene);
        setCapsLockOverride(caps);
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8)); // a second start replaces this one
        scene.onTrackMouseFreeMoveStart(startPos);
        QCOMPARE(scene.items().size(), 2);
        QCOMPARE(detector.previewPath()->path(), bracket(startRun));
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

    void end_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QPointF>("endPos");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QLineF>("mark"); // (0,0)-(0,0) when none is made
        QTest::newRow("click on the bar")
            << true << QPointF(24.9, 8.9) << false << QLineF(20, 8, 29, 8);
        QTest::newRow("space released over the bar")
            << false << QPointF(24, 8) << false << QLineF();
        QTest::newRow("click just left of the picture")
            << true << QPointF(-0.1, 8) << false << QLineF();
        QTest::newRow("click after the canvas was cleared under the preview")
            << true << QPointF(25, 8) << true << QLineF();
        QTest::newRow("click on a one-pixel run makes a mark whose points coincide")
            << true << QPointF(40, 30) << false << QLineF(40, 30, 40, 30);
    }

    void end()
    {
        QFETCH(bool, select);
        QFETCH(QPointF, endPos);
        QFETCH(bool, cleared);
        QFETCH(QLineF, mark);
        const bool made = mark != QLineF();
        MarkScene scene;
        SceneTestAccess::setNextZValue(scene, 7.0);
        scene.onTrackMouseFreeMoveStart(QPointF(35, 8));
        if (cleared)
            scene.clearCanvas();
        scene.onTrackMouseFreeMoveEnd(select, endPos);
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
