#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A minimal HTTP/1.1 server on 127.0.0.1 in the test's own event loop. Every request gets
// body, with or without a length; while hang is set, no answer at all.
class LocalHttpServer
{
public:
    QByteArray body;
    bool withLength = true;
    bool hang = false;
    std::function<void()> onRequest;
    QList<QByteArray> requests; // the request lines
    bool clientLeft = false;

    LocalHttpServer()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(&server);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] { read(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, [this] { clientLeft = true; });
            }
        });
        server.listen(QHostAddress::LocalHost, 0);
    }

    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/update/dimlet.json").arg(server.serverPort());
    }

private:
    // The update check sends no body, so the request ends with its headers.
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        requests.append(buffer.left(buffer.indexOf("\r\n")));
        if (!hang) {
            const QByteArray length = "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n" + (withLength ? length : "")
                + "\r\n" + body);
            socket->disconnectFromHost();
        }
        if (onRequest)
            onRequest();
    }

    QTcpServer server;
    QHash<QTcpSocket *, QByteArray> buffers;
};
