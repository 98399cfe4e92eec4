#include "hungendpoint.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>

namespace {
std::atomic<int> accepted {0};
}

HungEndpoint::HungEndpoint()
{
    m_home = new QObject;
    m_home->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_home,
        [this] {
            auto *server = new QTcpServer(m_home);
            QObject::connect(server, &QTcpServer::newConnection, server, [server] {
                while (QTcpSocket *socket = server->nextPendingConnection()) {
                    ++accepted;
                    // The request is read and dropped; no byte ever goes back.
                    QObject::connect(
                        socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
                    QObject::connect(
                        socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                }
            });
            if (server->listen(QHostAddress::LocalHost, 0))
                m_port = server->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

HungEndpoint::~HungEndpoint()
{
    QMetaObject::invokeMethod(
        m_home, [this] { delete m_home; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

QUrl HungEndpoint::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/update/dimlet.json").arg(m_port));
}

int HungEndpoint::connectionsAccepted() const
{
    return accepted.load();
}
