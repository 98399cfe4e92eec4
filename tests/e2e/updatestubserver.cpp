#include "updatestubserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
const QByteArray description
    = R"({"version":"1.0.0","date":"2024-01-01","note":"The running version."})";

QByteArray httpReply()
{
    return "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
        + QByteArray::number(description.size()) + "\r\nConnection: close\r\n\r\n" + description;
}
} // namespace

UpdateStubServer::~UpdateStubServer()
{
    if (home) {
        QMetaObject::invokeMethod(
            home, [this] { delete server; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        delete home;
    }
}

bool UpdateStubServer::start()
{
    home = new QObject;
    home->moveToThread(&thread);
    thread.start();
    bool listening = false;
    QMetaObject::invokeMethod(
        home,
        [this] {
            server = new QTcpServer;
            QObject::connect(server, &QTcpServer::newConnection, server, [this] {
                while (QTcpSocket *socket = server->nextPendingConnection()) {
                    QObject::connect(
                        socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                        // The whole request is read before the one answer goes out.
                        const QByteArray request
                            = socket->property("request").toByteArray() + socket->readAll();
                        socket->setProperty("request", request);
                        if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
                            return;
                        socket->setProperty("answered", true);
                        socket->write(httpReply());
                        socket->disconnectFromHost();
                        ++answered;
                    });
                }
            });
            if (server->listen(QHostAddress::LocalHost, 0))
                port = server->serverPort();
            return server->isListening();
        },
        Qt::BlockingQueuedConnection, &listening);
    return listening;
}

QString UpdateStubServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1/update/dimlet.json").arg(port);
}
