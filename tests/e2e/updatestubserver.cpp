#include "updatestubserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Always the running version, so no update offer appears.
const QByteArray description
    = R"({"version":"1.0.0","date":"2024-01-01","note":"The running version."})";
const QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
    + QByteArray::number(description.size()) + "\r\nConnection: close\r\n\r\n" + description;
} // namespace

UpdateStubServer::~UpdateStubServer()
{
    quit();
    wait();
}

bool UpdateStubServer::startListening()
{
    start();
    ready.acquire();
    return port != 0;
}

void UpdateStubServer::run()
{
    QTcpServer server;
    if (server.listen(QHostAddress::LocalHost, 0))
        port = server.serverPort();
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                // The whole request is read before the one answer goes out.
                const QByteArray request
                    = socket->property("request").toByteArray() + socket->readAll();
                socket->setProperty("request", request);
                if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                socket->write(reply);
                socket->disconnectFromHost();
                ++answered;
            });
        }
    });
    ready.release();
    if (port != 0)
        exec();
}

QString UpdateStubServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1/update/dimlet.json").arg(port);
}
