#include "calertmsgbox.h"

#include <QEventLoop>
#include <QTimer>

CAlertMsgBox::CAlertMsgBox(QWidget *parent)
    : QMessageBox(parent)
{
}

void CAlertMsgBox::showFor(int milliseconds)
{
    // A message box is modal by default; this note must not block the other windows.
    setWindowModality(Qt::NonModal);
    show();
    QEventLoop loop;
    // A coarse timer may fire a little early; the note must stay the whole time.
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
}
