#include "privatedisplay.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

PrivateDisplay::~PrivateDisplay()
{
    if (m_server && m_server->state() != QProcess::NotRunning) {
        m_server->terminate();
        if (!m_server->waitForFinished(5000)) {
            m_server->kill();
            m_server->waitForFinished(2000);
        }
    }
}

bool PrivateDisplay::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

bool PrivateDisplay::start()
{
    m_server = std::make_unique<QProcess>();
    // -displayfd lets the server take the first free number itself: no race with other servers.
    m_server->start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("2560x1600x24"), QStringLiteral("-dpi"),
            QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
            QStringLiteral("-noreset")});
    QByteArray announced;
    QDeadlineTimer deadline(15000);
    while (!announced.contains('\n') && !deadline.hasExpired()
        && m_server->state() != QProcess::NotRunning) {
        m_server->waitForReadyRead(100);
        announced += m_server->readAllStandardOutput();
    }
    bool ok = false;
    m_number = announced.trimmed().toInt(&ok);
    while (ok && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(m_number))
        && !deadline.hasExpired())
        QThread::msleep(20);
    return ok && !deadline.hasExpired();
}
