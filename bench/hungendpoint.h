#pragma once

#include <QThread>
#include <QUrl>

class QObject;

// An update endpoint on 127.0.0.1 that accepts every connection and never answers. It runs
// on its own thread, so it keeps accepting while the benchmark thread waits on a child.
class HungEndpoint
{
public:
    HungEndpoint();
    ~HungEndpoint();
    HungEndpoint(const HungEndpoint &) = delete;
    HungEndpoint &operator=(const HungEndpoint &) = delete;

    QUrl url() const;
    int connectionsAccepted() const;

private:
    QThread m_thread;
    QObject *m_home = nullptr;
    quint16 m_port = 0;
};
