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

    // Tracking|modifier|wheel delta|the signals, none when the wheel scrolls.
    void wheel_data()
    {
        rows(
            {"ctrl wheel delta 1 zooms in|0|ctrl|1|in", "ctrl wheel delta 0 zooms out|0|ctrl|0|out",
                "plain wheel scrolls|0||-120|", "ctrl wheel while tracking scrolls|1|ctrl|-120|"});
    }

    void wheel()
    {
        QFETCH(QStringList, f);
        view->setTrackMouseFreeMove(f[0] == "1");
        QSignalSpy in(view.get(), &DLGraphicsView::fangda),
            out(view.get(), &DLGraphicsView::suoxiao);
        const int before = view->verticalScrollBar()->value();
        QWheelEvent event({100, 100}, view->viewport()->mapToGlobal(QPoint(100, 100)), {},
            {0, f[2].toInt()}, Qt::NoButton, f[1].isEmpty() ? Qt::NoModifier : Qt::ControlModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
        QCOMPARE(QString("in").repeated(in.count()) + QString("out").repeated(out.count()), f[3]);
        QCOMPARE(view->verticalScrollBar()->value() > before, f[3].isEmpty());
    }

    // What happens while tracking|whether tracking ends. Only a press selects where it ends.
    void trackingEnds_data()
    {
        rows({"left press ends and selects|press|1", "space release ends|space|1",
            "auto-repeated space release is ignored|auto space|0",
            "space released on another control ends|space elsewhere|1",
            "window losing focus ends|deactivate|1"});
    }

    void trackingEnds()
    {
        QFETCH(QStringList, f);
        const QString event = f[0];
        QSignalSpy start(view.get(), &DLGraphicsView::trackMouseFreeMoveStart);
        QSignalSpy end(view.get(), &DLGraphicsView::trackMouseFreeMoveEnd);
        view->setTrackMouseFreeMove(true);
        view->setTrackMouseFreeMove(true); // a second start is announced too
        const QVariantList cursor {view->mapToScene(view->mapFromGlobal(QCursor::pos()))};
        QCOMPARE(start, QList<QVariantList>({cursor, cursor}));
        const QPoint at(70, 20);
        QSlider other;
        QKeyEvent release(
            QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, {}, event == "auto space");
        QEvent deactivate(QEvent::WindowDeactivate);
        if (event == "press")
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        else
            QApplication::sendEvent(
                event == "space elsewhere" ? &other : static_cast<QWidget *>(view.get()),
                event == "deactivate" ? &deactivate : &release);
        QCOMPARE(view->isTrackingMouseFreeMove(), f[1] == "0");
        const QVariantList ended {
            event == "press", event == "press" ? view->mapToScene(at) : QPointF()};
        QCOMPARE(end, f[1] == "1" ? QList<QVariantList> {ended} : QList<QVariantList>());
        QVERIFY(view->hasMouseTracking());
    }

private:
    QGraphicsScene scene {0, 0, 3000, 3000};
    std::unique_ptr<DLGraphicsView> view;
};

DIMLET_TEST_MAIN(TestView)
#include "tst_view.moc"
