#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A minimal HTTP/1.1 server on 127.0.0.1 in the test's own event loop; every request gets
// the answer set last.
class LocalHttpServer
{
public:
    LocalHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { accept(); });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    void answerWith(const QByteArray &body) { respondWith(body, body.size(), 0); }
    // Reads the request, then never answers.
    void hang() { m_hang = true; }
    // Sends a body without a length until the client leaves or limit bytes have gone out.
    void streamEndlessly(qint64 limit) { respondWith(QByteArray(), -1, limit); }
    // Announces declared bytes, sends only part and closes.
    void declareLengthThenClose(qint64 declared, const QByteArray &part)
    {
        respondWith(part, declared, 0);
    }
    void onRequest(std::function<void()> callback) { m_onRequest = std::move(callback); }

    const QList<QByteArray> &requests() const { return m_requests; }
    qint64 bytesStreamed() const { return m_streamed; }
    bool clientLeft() const { return m_clientLeft; }

private:
    void respondWith(const QByteArray &body, qint64 declared, qint64 streamLimit)
    {
        m_hang = false;
        m_body = body;
        m_declared = declared;
        m_streamLimit = streamLimit;
    }

    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(&m_server);
            QObject::connect(
                socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
            QObject::connect(
                socket, &QTcpSocket::disconnected, socket, [this] { m_clientLeft = true; });
        }
    }

    // The update check sends no body, so the request ends with its headers.
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        m_requests.append(buffer.left(buffer.indexOf("\r\n")));
        if (!m_hang)
            respond(socket);
        if (m_onRequest)
            m_onRequest();
    }

    void respond(QTcpSocket *socket)
    {
        QByteArray head
            = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n";
        if (m_declared >= 0)
            head += "Content-Length: " + QByteArray::number(m_declared) + "\r\n";
        socket->write(head + "\r\n");
        if (m_streamLimit > 0) {
            QObject::connect(
                socket, &QTcpSocket::bytesWritten, socket, [this, socket] { topUp(socket); });
            topUp(socket);
        } else {
            socket->write(m_body);
            socket->disconnectFromHost();
        }
    }

    void topUp(QTcpSocket *socket)
    {
        static const QByteArray chunk(64 * 1024, 'x');
        while (socket->state() == QAbstractSocket::ConnectedState
            && socket->bytesToWrite() < chunk.size() && m_streamed < m_streamLimit) {
            const qint64 written = socket->write(chunk);
            if (written <= 0)
                return;
            m_streamed += written;
        }
        if (m_streamed >= m_streamLimit)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    bool m_hang = false;
    QByteArray m_body;
    qint64 m_declared = 0;
    qint64 m_streamLimit = 0;
    qint64 m_streamed = 0;
    bool m_clientLeft = false;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<QByteArray> m_requests;
    std::function<void()> m_onRequest;
};
