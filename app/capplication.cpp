#include "capplication.h"

#include <QFileOpenEvent>

CApplication::CApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool CApplication::event(QEvent *event)
{
    if (event->type() == QEvent::FileOpen)
        emit openURL(static_cast<QFileOpenEvent *>(event)->url());
    return QApplication::event(event);
}
