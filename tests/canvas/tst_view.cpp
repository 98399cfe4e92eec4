#include "testsupport.h"

#include "canvas/dlgraphicsview.h"

#include <QGraphicsScene>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

class TestView : public QObject
{
    Q_OBJECT

private:
    struct Canvas
    {
        QGraphicsScene scene {0, 0, 3000, 3000};
        DLGraphicsView view;
        Canvas()
        {
            view.setScene(&scene);
            view.resize(400, 300);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
    };

    static void sendWheel(DLGraphicsView &view, int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPointF pos(100, 100);
        QWheelEvent event(pos, view.viewport()->mapToGlobal(pos.toPoint()), QPoint(),
            QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }

private slots:
    void ctrlWheelAsksForZoom_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("zoomIns");
        QTest::addColumn<int>("zoomOuts");
        QTest::newRow("positive delta zooms in") << 120 << 1 << 0;
        QTest::newRow("delta 1 zooms in") << 1 << 1 << 0;
        QTest::newRow("zero delta zooms out") << 0 << 0 << 1;
        QTest::newRow("negative delta zooms out") << -120 << 0 << 1;
    }

    void ctrlWheelAsksForZoom()
    {
        QFETCH(int, delta);
        QFETCH(int, zoomIns);
        QFETCH(int, zoomOuts);
        Canvas canvas;
        QSignalSpy in(&canvas.view, &DLGraphicsView::fangda);
        QSignalSpy out(&canvas.view, &DLGraphicsView::suoxiao);
        const int scrollBefore = canvas.view.verticalScrollBar()->value();
        sendWheel(canvas.view, delta, Qt::ControlModifier);
        QCOMPARE(in.count(), zoomIns);
        QCOMPARE(out.count(), zoomOuts);
        QCOMPARE(canvas.view.verticalScrollBar()->value(), scrollBefore);
    }

    void wheelScrollsWithoutCtrlOrWhileTracking_data()
    {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("plain wheel") << false << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("ctrl wheel while tracking")
            << true << Qt::KeyboardModifiers(Qt::ControlModifier);
    }

    void wheelScrollsWithoutCtrlOrWhileTracking()
    {
        QFETCH(bool, tracking);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Canvas canvas;
        canvas.view.verticalScrollBar()->setValue(canvas.view.verticalScrollBar()->maximum() / 2);
        canvas.view.setTrackMouseFreeMove(tracking);
        QSignalSpy in(&canvas.view, &DLGraphicsView::fangda);
        QSignalSpy out(&canvas.view, &DLGraphicsView::suoxiao);
        const int before = canvas.view.verticalScrollBar()->value();
        sendWheel(canvas.view, -120, modifiers);
        QCOMPARE(in.count() + out.count(), 0);
        QVERIFY(canvas.view.verticalScrollBar()->value() > before);
    }

    void trackingStartsAtTheCursor()
    {
        Canvas canvas;
        QSignalSpy start(&canvas.view, &DLGraphicsView::trackMouseFreeMoveStart);
        canvas.view.setTrackMouseFreeMove(true);
        QVERIFY(canvas.view.hasMouseTracking());
        QCOMPARE(start.count(), 1);
        const QPoint widgetPos = canvas.view.mapFromGlobal(QCursor::pos());
        QCOMPARE(start.first().first().toPointF(), canvas.view.mapToScene(widgetPos));
        // Switching on again while on still announces a start.
        canvas.view.setTrackMouseFreeMove(true);
        QCOMPARE(start.count(), 2);
    }

    void movesAreReportedInSceneCoordinates()
    {
        Canvas canvas;
        canvas.view.setTransform(QTransform::fromScale(2, 2));
        canvas.view.horizontalScrollBar()->setValue(30);
        QSignalSpy moved(&canvas.view, &DLGraphicsView::trackMouseFreeMovePosChanged);
        QTest::mouseMove(canvas.view.viewport(), QPoint(50, 40));
        QCOMPARE(moved.count(), 0);
        canvas.view.setTrackMouseFreeMove(true);
        QTest::mouseMove(canvas.view.viewport(), QPoint(60, 40));
        QTRY_COMPARE(moved.count(), 1);
        QCOMPARE(moved.first().first().toPointF(), canvas.view.mapToScene(QPoint(60, 40)));
    }

    void anyButtonEndsTrackingWithSelect_data()
    {
        QTest::addColumn<int>("buttonValue");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
    }

    void anyButtonEndsTrackingWithSelect()
    {
        QFETCH(int, buttonValue);
        const auto button = Qt::MouseButton(buttonValue);
        Canvas canvas;
        canvas.view.setTrackMouseFreeMove(true);
        QSignalSpy end(&canvas.view, &DLGraphicsView::trackMouseFreeMoveEnd);
        QTest::mousePress(canvas.view.viewport(), button, Qt::NoModifier, QPoint(70, 20));
        QCOMPARE(end.count(), 1);
        QCOMPARE(end.first().at(0).toBool(), true);
        QCOMPARE(end.first().at(1).toPointF(), canvas.view.mapToScene(QPoint(70, 20)));
        QVERIFY(!canvas.view.isTrackingMouseFreeMove());
        QTest::mouseRelease(canvas.view.viewport(), button, Qt::NoModifier, QPoint(70, 20));
        QTest::mousePress(canvas.view.viewport(), button, Qt::NoModifier, QPoint(70, 20));
        QCOMPARE(end.count(), 1);
    }

    void spaceReleaseEndsTracking_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<bool>("ends");
        QTest::newRow("real space release") << int(Qt::Key_Space) << false << true;
        QTest::newRow("auto-repeated space release") << int(Qt::Key_Space) << true << false;
        QTest::newRow("another key") << int(Qt::Key_A) << false << false;
    }

    void spaceReleaseEndsTracking()
    {
        QFETCH(int, key);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, ends);
        Canvas canvas;
        canvas.view.setTrackMouseFreeMove(true);
        QSignalSpy end(&canvas.view, &DLGraphicsView::trackMouseFreeMoveEnd);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&canvas.view, &release);
        QCOMPARE(end.count(), ends ? 1 : 0);
        QCOMPARE(canvas.view.isTrackingMouseFreeMove(), !ends);
        if (ends) {
            QCOMPARE(end.first().at(0).toBool(), false);
            QCOMPARE(end.first().at(1).toPointF(), QPointF(0, 0));
        }
    }

    void switchingOffSaysNothing()
    {
        Canvas canvas;
        canvas.view.setTrackMouseFreeMove(true);
        QSignalSpy end(&canvas.view, &DLGraphicsView::trackMouseFreeMoveEnd);
        QSignalSpy start(&canvas.view, &DLGraphicsView::trackMouseFreeMoveStart);
        canvas.view.setTrackMouseFreeMove(false);
        QCOMPARE(end.count(), 0);
        QCOMPARE(start.count(), 0);
        QVERIFY(canvas.view.hasMouseTracking()); // stays on once switched on
    }
};

DIMLET_TEST_MAIN(TestView)
#include "tst_view.moc"
