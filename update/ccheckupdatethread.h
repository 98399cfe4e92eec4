#pragma once

#include <QByteArray>
#include <QMutex>
#include <QThread>

class CSingleHttpRequest;

// Fetches the update description on its own thread and hands the body back.
class CCheckUpdateThread : public QThread
{
    Q_OBJECT
public:
    explicit CCheckUpdateThread(QObject *parent = nullptr);
    // Cancels a pending request and waits, so the thread never outlives this object.
    ~CCheckUpdateThread() override;

    // Safe from any thread: a pending request is aborted inside the worker's own loop,
    // and a request not yet begun is never sent.
    void cancel();

signals:
    void resultReady(const QByteArray &s);

protected:
    void run() override;

private:
    QMutex m_mutex;
    CSingleHttpRequest *m_request = nullptr;
    bool m_cancelled = false;
};
