#include "testsupport.h"

#include "app/calertmsgbox.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

class TestCAlertMsgBox : public QObject
{
    Q_OBJECT

private slots:
    // The note blocks no other window, and dismissing it does not cut the wait short.
    void dismissedNoteStillWaitsTheWholeTime()
    {
        CAlertMsgBox box;
        bool shownModeless = false;
        QTimer::singleShot(0, &box, [&] {
            shownModeless = box.isVisible() && !QApplication::activeModalWidget();
            box.button(QMessageBox::Ok)->click();
        });
        QElapsedTimer elapsed;
        elapsed.start();
        box.showFor(300);
        QVERIFY(shownModeless);
        QVERIFY(elapsed.elapsed() >= 300);
    }
};

DIMLET_TEST_MAIN(TestCAlertMsgBox)
#include "tst_calertmsgbox.moc"
