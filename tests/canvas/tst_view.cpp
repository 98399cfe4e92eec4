#include "testsupport.h"

#include "canvas/dlgraphicsview.h"
#include "marks/marktest.h"

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

    // Tracking|ctrl held|wheel delta|"in", "out" or nothing when the wheel scrolls.
    void wheel_data()
    {
        rows({"ctrl wheel delta 1 zooms in|0|1|1|in", "ctrl wheel delta 0 zooms out|0|1|0|out",
            "plain wheel scrolls|0|0|-120|", "ctrl wheel while tracking scrolls|1|1|-120|"});
    }

    void wheel()
    {
        QFETCH(QStringList, f);
        const bool tracking = f[0] == "1";
        const QString zoom = f[3];
        view->setTrackMouseFreeMove(tracking);
        QSignalSpy in(view.get(), &DLGraphicsView::fangda),
            out(view.get(), &DLGraphicsView::suoxiao);
        const int before = view->verticalScrollBar()->value();
        QWheelEvent event({100, 100}, view->viewport()->mapToGlobal(QPoint(100, 100)), {},
            {0, f[2].toInt()}, Qt::NoButton, f[1] == "1" ? Qt::ControlModifier : Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
        QCOMPARE(in.count(), int(zoom == "in"));
        QCOMPARE(out.count(), int(zoom == "out"));
        QCOMPARE(view->verticalScrollBar()->value() > before, zoom.isEmpty());
    }

    void trackingEnds_data()
    {
        rows({"left press ends and selects|press|1", "space release ends without select|space|1",
            "auto-repeated space release is ignored|auto space|0",
            "space released on another control ends|space elsewhere|1",
            "window losing focus ends|deactivate|1"});
    }

    void trackingEnds()
    {
        QFETCH(QStringList, f);
        const QString event = f[0];
        const bool ends = f[1] == "1";
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
