#include "testsupport.h"

#include "canvas/dlgraphicsview.h"

#include <QGraphicsScene>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {
struct Canvas
{
    QGraphicsScene scene {0, 0, 3000, 3000};
    DLGraphicsView view;
    Canvas()
    {
        view.setScene(&scene);
        view.resize(400, 300);
        view.setTransform(QTransform::fromScale(2, 2));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
};
} // namespace

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void wheel_data()
    {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("zoomIns");
        QTest::addColumn<int>("zoomOuts");
        QTest::newRow("ctrl wheel delta 1 zooms in") << false << true << 1 << 1 << 0;
        QTest::newRow("ctrl wheel delta 0 zooms out") << false << true << 0 << 0 << 1;
        QTest::newRow("plain wheel scrolls") << false << false << -120 << 0 << 0;
        QTest::newRow("ctrl wheel while tracking scrolls") << true << true << -120 << 0 << 0;
    }

    void wheel()
    {
        QFETCH(bool, tracking);
        QFETCH(bool, ctrl);
        QFETCH(int, delta);
        QFETCH(int, zoomIns);
        QFETCH(int, zoomOuts);
        Canvas c;
        c.view.verticalScrollBar()->setValue(c.view.verticalScrollBar()->maximum() / 2);
        c.view.setTrackMouseFreeMove(tracking);
        QSignalSpy in(&c.view, &DLGraphicsView::fangda);
        QSignalSpy out(&c.view, &DLGraphicsView::suoxiao);
        const int before = c.view.verticalScrollBar()->value();
        const QPointF pos(100, 100);
        QWheelEvent event(pos, c.view.viewport()->mapToGlobal(pos.toPoint()), QPoint(),
            QPoint(0, delta), Qt::NoButton, ctrl ? Qt::ControlModifier : Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(c.view.viewport(), &event);
        QCOMPARE(in.count(), zoomIns);
        QCOMPARE(out.count(), zoomOuts);
        QCOMPARE(c.view.verticalScrollBar()->value() > before, zoomIns + zoomOuts == 0);
    }

    void trackingEnds_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("select");
        QTest::newRow("left press selects") << "left press" << true << true;
        QTest::newRow("space release ends without select") << "space" << true << false;
        QTest::newRow("auto-repeated space release is ignored") << "auto space" << false << false;
        QTest::newRow("switching off says nothing") << "off" << false << false;
    }

    void trackingEnds()
    {
        QFETCH(QString, event);
        QFETCH(bool, ends);
        QFETCH(bool, select);
        Canvas c;
        QSignalSpy start(&c.view, &DLGraphicsView::trackMouseFreeMoveStart);
        QSignalSpy end(&c.view, &DLGraphicsView::trackMouseFreeMoveEnd);
        c.view.setTrackMouseFreeMove(true);
        c.view.setTrackMouseFreeMove(true); // a second start is announced too
        QCOMPARE(start.count(), 2);
        QCOMPARE(start.first().first().toPointF(),
            c.view.mapToScene(c.view.mapFromGlobal(QCursor::pos())));

        const QPoint at(70, 20);
        if (event.endsWith(QLatin1String("press"))) {
            const Qt::MouseButton button = event.startsWith('l') ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(c.view.viewport(), button, Qt::NoModifier, at);
            QTest::mouseRelease(c.view.viewport(), button, Qt::NoModifier, at);
        } else if (event == QLatin1String("off")) {
            c.view.setTrackMouseFreeMove(false);
        } else {
            QKeyEvent release(QEvent::KeyRelease,
                event.endsWith(QLatin1String("space")) ? Qt::Key_Space : Qt::Key_A, Qt::NoModifier,
                QString(), event.startsWith(QLatin1String("auto")));
            QApplication::sendEvent(&c.view, &release);
        }
        QCOMPARE(end.count(), ends ? 1 : 0);
        QCOMPARE(c.view.isTrackingMouseFreeMove(), !ends && event != QLatin1String("off"));
        if (ends) {
            QCOMPARE(end.first().at(0).toBool(), select);
            QCOMPARE(end.first().at(1).toPointF(), select ? c.view.mapToScene(at) : QPointF());
        }
        QVERIFY(c.view.hasMouseTracking());
    }
};

DIMLET_TEST_MAIN(TestView)
#include "tst_view.moc"
