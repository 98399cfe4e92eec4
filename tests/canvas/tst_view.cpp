#include "testsupport.h"

#include "canvas/dlgraphicsview.h"

#include <QGraphicsScene>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QWheelEvent>

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        view = std::make_unique<DLGraphicsView>();
        view->setScene(&scene);
        view->resize(400, 300);
        view->setTransform(QTransform::fromScale(2, 2));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    }

    void wheel_data()
    {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("zoom"); // "in", "out" or "" when the wheel scrolls
        QTest::newRow("ctrl wheel delta 1 zooms in")
            << false << int(Qt::ControlModifier) << 1 << "in";
        QTest::newRow("ctrl wheel delta 0 zooms out")
            << false << int(Qt::ControlModifier) << 0 << "out";
        QTest::newRow("plain wheel scrolls") << false << 0 << -120 << "";
        QTest::newRow("ctrl wheel while tracking scrolls")
            << true << int(Qt::ControlModifier) << -120 << "";
    }

    void wheel()
    {
        QFETCH(bool, tracking);
        QFETCH(int, modifiers);
        QFETCH(int, delta);
        QFETCH(QString, zoom);
        view->setTrackMouseFreeMove(tracking);
        QSignalSpy in(view.get(), &DLGraphicsView::fangda),
            out(view.get(), &DLGraphicsView::suoxiao);
        const int before = view->verticalScrollBar()->value();
        QWheelEvent event({100, 100}, view->viewport()->mapToGlobal(QPoint(100, 100)), {},
            {0, delta}, Qt::NoButton, Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
        QCOMPARE(in.count(), int(zoom == "in"));
        QCOMPARE(out.count(), int(zoom == "out"));
        QCOMPARE(view->verticalScrollBar()->value() > before, zoom.isEmpty());
    }

    void trackingEnds_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("ends");
        QTest::newRow("left press ends and selects") << "press" << true;
        QTest::newRow("space release ends without select") << "space" << true;
        QTest::newRow("auto-repeated space release is ignored") << "auto space" << false;
        QTest::newRow("space released on another control ends") << "space elsewhere" << true;
        QTest::newRow("window losing focus ends") << "deactivate" << true;
    }

    void trackingEnds()
    {
        QFETCH(QString, event);
        QFETCH(bool, ends);
        QSignalSpy start(view.get(), &DLGraphicsView::trackMouseFreeMoveStart);
        QSignalSpy end(view.get(), &DLGraphicsView::trackMouseFreeMoveEnd);
        view->setTrackMouseFreeMove(true);
        view->setTrackMouseFreeMove(true); // a second start is announced too
        QCOMPARE(start.count(), 2);
        QCOMPARE(start.first().first().toPointF(),
            view->mapToScene(view->mapFromGlobal(QCursor::pos())));
        const QPoint at(70, 20);
        if (event == "press") {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else if (event == "deactivate") {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(view.get(), &deactivate);
        } else {
            QSlider other;
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(),
                event == "auto space");
            QApplication::sendEvent(
                event == "space elsewhere" ? static_cast<QWidget *>(&other) : view.get(), &release);
        }
        QCOMPARE(view->isTrackingMouseFreeMove(), !ends);
        const bool select = event == "press";
        const QVariantList ended {select, select ? view->mapToScene(at) : QPointF()};
        QCOMPARE(end, ends ? QList<QVariantList> {ended} : QList<QVariantList>());
        QVERIFY(view->hasMouseTracking());
    }

private:
    QGraphicsScene scene {0, 0, 3000, 3000};
    std::unique_ptr<DLGraphicsView> view;
};

DIMLET_TEST_MAIN(TestView)
#include "tst_view.moc"
