#include "testsupport.h"

#include "app/calertmsgbox.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

class TestCAlertMsgBox : public QObject
{
    Q_OBJECT
private slots:
    void waitsTheWholeTime_data();
    void waitsTheWholeTime();
    void otherEventsRunDuringTheWait();
};

void TestCAlertMsgBox::waitsTheWholeTime_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<bool>("pressOk");

    QTest::newRow("left alone") << 300 << false;
    QTest::newRow("OK pressed at once") << 300 << true;
    QTest::newRow("short note, OK pressed") << 50 << true;
}

void TestCAlertMsgBox::waitsTheWholeTime()
{
    QFETCH(int, milliseconds);
    QFETCH(bool, pressOk);

    CAlertMsgBox box;
    box.setText(QStringLiteral("Save success!"));
    bool shownDuringWait = false;
    bool blocksOtherWindows = true;
    bool okFound = false;
    QTimer::singleShot(0, &box, [&] {
        shownDuringWait = box.isVisible();
        blocksOtherWindows = QApplication::activeModalWidget() != nullptr;
        if (!pressOk)
            return;
        if (QAbstractButton *ok = box.button(QMessageBox::Ok)) {
            okFound = true;
            ok->click();
        }
    });

    QElapsedTimer elapsed;
    elapsed.start();
    box.showFor(milliseconds);
    QVERIFY(elapsed.elapsed() >= milliseconds);
    QVERIFY(shownDuringWait);
    QVERIFY(!blocksOtherWindows);
    if (pressOk) {
        QVERIFY(okFound);
        QVERIFY(!box.isVisible());
    } else {
        QVERIFY(box.isVisible());
    }
}

void TestCAlertMsgBox::otherEventsRunDuringTheWait()
{
    CAlertMsgBox box;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);
    box.showFor(200);
    ticker.stop();
    QVERIFY(ticks > 0);
}

DIMLET_TEST_MAIN(TestCAlertMsgBox)
#include "tst_calertmsgbox.moc"
