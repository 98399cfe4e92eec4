#include "ccheckupdatethread.h"

#include "csinglehttprequest.h"
#include "updateoffer.h"

#include <QMutexLocker>

CCheckUpdateThread::CCheckUpdateThread(QObject *parent)
    : QThread(parent)
{
}

CCheckUpdateThread::~CCheckUpdateThread()
{
    cancel();
    wait();
}

void CCheckUpdateThread::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled = true;
    // The lock keeps the request alive until the call is queued; a request destroyed
    // before the call is delivered takes the queued call with it.
    if (m_request) {
        CSingleHttpRequest *request = m_request;
        QMetaObject::invokeMethod(
            request, [request] { request->abort(); }, Qt::QueuedConnection);
    }
}

void CCheckUpdateThread::run()
{
    CSingleHttpRequest request(nullptr);
    {
        QMutexLocker lock(&m_mutex);
        if (m_cancelled) {
            emit resultReady(QByteArray());
            return;
        }
        m_request = &request;
    }

    const QString url = updateDescriptionUrl();
    const QByteArray body = url.isEmpty() ? QByteArray() : request.request(url);

    {
        QMutexLocker lock(&m_mutex);
        m_request = nullptr;
    }
    emit resultReady(body);
}
