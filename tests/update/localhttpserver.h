#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

// One HTTP request as the test server read it off the wire.
struct ReceivedRequest
{
    QByteArray method;
    QByteArray target;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

// A minimal HTTP/1.1 server on 127.0.0.1 that runs in the test's own event loop.
class LocalHttpServer
{
public:
    enum class Behaviour { Answer, Hang, Stream, DeclareThenClose, Trickle };

    LocalHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { acceptAll(); });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    bool isListening() const { return m_server.isListening(); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    void answerWith(const QByteArray &body, int status = 200)
    {
        m_behaviour = Behaviour::Answer;
        m_body = body;
        m_status = status;
    }
    // Accepts and reads the request, then never answers.
    void hang() { m_behaviour = Behaviour::Hang; }
    // Sends a body without a length, chunk after chunk, until the client leaves or
    // `limit` bytes have gone out.
    void streamEndlessly(qint64 limit)
    {
        m_behaviour = Behaviour::Stream;
        m_streamLimit = limit;
    }
    // Announces `declared` bytes, sends only `part` and closes.
    void declareLengthThenClose(qint64 declared, const QByteArray &part)
    {
        m_behaviour = Behaviour::DeclareThenClose;
        m_declared = declared;
        m_body = part;
    }
    // Announces the body's length, then sends it one byte every `intervalMs`.
    void trickle(const QByteArray &body, int intervalMs)
    {
        m_behaviour = Behaviour::Trickle;
        m_body = body;
        m_interval = intervalMs;
    }
    void onRequest(std::function<void()> callback) { m_onRequest = std::move(callback); }

    int connectionCount() const { return m_connections; }
    const QList<ReceivedRequest> &requests() const { return m_requests; }
    qint64 bytesStreamed() const { return m_streamed; }
    bool clientLeft() const { return m_clientLeft; }

private:
    void acceptAll()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++m_connections;
            socket->setParent(&m_server);
            QObject::connect(
                socket, &QTcpSocket::readyRead, socket, [this, socket] { readFrom(socket); });
            QObject::connect(
                socket, &QTcpSocket::disconnected, socket, [this] { m_clientLeft = true; });
        }
    }

    void readFrom(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0 || m_answered.contains(socket))
            return;

        ReceivedRequest request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(
                    lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length", "0").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        m_requests.append(request);
        m_answered.insert(socket, true);
        respond(socket);
        if (m_onRequest)
            m_onRequest();
    }

    void respond(QTcpSocket *socket)
    {
        switch (m_behaviour) {
        case Behaviour::Hang:
            return;
        case Behaviour::Answer:
            socket->write(QByteArray("HTTP/1.1 ") + QByteArray::number(m_status)
                + " Status\r\nContent-Type: application/json\r\nContent-Length: "
                + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            return;
        case Behaviour::DeclareThenClose:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                + QByteArray::number(m_declared) + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            return;
        case Behaviour::Trickle: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n");
            auto *timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket, [this, socket, timer] {
                if (m_streamed >= m_body.size()
                    || socket->state() != QAbstractSocket::ConnectedState) {
                    timer->stop();
                    return;
                }
                m_streamed += socket->write(m_body.mid(int(m_streamed), 1));
            });
            timer->start(m_interval);
            return;
        }
        case Behaviour::Stream:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                          "Connection: close\r\n\r\n");
            QObject::connect(
                socket, &QTcpSocket::bytesWritten, socket, [this, socket] { topUp(socket); });
            topUp(socket);
            return;
        }
    }

    void topUp(QTcpSocket *socket)
    {
        static const QByteArray chunk(64 * 1024, 'x');
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        while (socket->bytesToWrite() < chunk.size() && m_streamed < m_streamLimit) {
            const qint64 written = socket->write(chunk);
            if (written <= 0)
                return;
            m_streamed += written;
        }
        if (m_streamed >= m_streamLimit)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    Behaviour m_behaviour = Behaviour::Answer;
    QByteArray m_body;
    int m_status = 200;
    int m_interval = 1000;
    qint64 m_declared = 0;
    qint64 m_streamLimit = 0;
    qint64 m_streamed = 0;
    int m_connections = 0;
    bool m_clientLeft = false;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QTcpSocket *, bool> m_answered;
    QList<ReceivedRequest> m_requests;
    std::function<void()> m_onRequest;
};
