#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A minimal HTTP/1.1 server on 127.0.0.1 in the test's own event loop. Every request gets
// body; while hang is set, no answer at all; with streamLimit set, a body without a length
// that goes on until the client leaves or that many bytes have gone out.
class LocalHttpServer
{
public:
    QByteArray body;
    bool hang = false;
    qint64 streamLimit = 0;
    std::function<void()> onRequest;
    QList<QByteArray> requests; // the request lines
    qint64 streamed = 0;
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
        if (!hang && streamLimit > 0) {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [=] { topUp(socket); });
            topUp(socket);
        } else if (!hang) {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: "
                + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        }
        if (onRequest)
            onRequest();
    }

    void topUp(QTcpSocket *socket)
    {
        static const QByteArray chunk(64 * 1024, 'x');
        while (socket->state() == QAbstractSocket::ConnectedState
            && socket->bytesToWrite() < chunk.size() && streamed < streamLimit) {
            const qint64 written = socket->write(chunk);
            if (written <= 0)
                return;
            streamed += written;
        }
        if (streamed >= streamLimit)
            socket->disconnectFromHost();
    }

    QTcpServer server;
    QHash<QTcpSocket *, QByteArray> buffers;
};
