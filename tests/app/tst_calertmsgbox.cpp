#include "testsupport.h"

#include "app/calertmsgbox.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

class TestCAlertMsgBox : public QObject
{
    Q_OBJECT

private slots:
    void staysTheWholeTime_data()
    {
        QTest::addColumn<bool>("pressOk");
        QTest::newRow("left alone") << false;
        QTest::newRow("OK pressed at once") << true;
    }

    void staysTheWholeTime()
    {
        QFETCH(bool, pressOk);
        CAlertMsgBox box;
        bool shown = false, modal = true;
        QTimer::singleShot(0, &box, [&] {
            shown = box.isVisible();
            modal = QApplication::activeModalWidget() != nullptr;
            if (pressOk)
                box.button(QMessageBox::Ok)->click();
        });
        QElapsedTimer elapsed;
        elapsed.start();
        box.showFor(300);
        QVERIFY(elapsed.elapsed() >= 300);
        QVERIFY(shown && !modal);
        QCOMPARE(box.isVisible(), !pressOk);
    }
};

DIMLET_TEST_MAIN(TestCAlertMsgBox)
#include "tst_calertmsgbox.moc"
