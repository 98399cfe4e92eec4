#pragma once

#include <QByteArray>
#include <QMap>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

class QNetworkReply;

// One HTTP request at a time, answered synchronously in a local event loop.
class CSingleHttpRequest : public QObject
{
    Q_OBJECT
public:
    enum Method { Get = 0, Post = 1 };

    // A reply body beyond this is abandoned rather than held in memory.
    static constexpr qint64 maxReplySize = 1024 * 1024;

    explicit CSingleHttpRequest(QObject *parent = nullptr);
    ~CSingleHttpRequest() override;

    // Returns the reply body; empty when nothing arrived, the body was too large,
    // the request was aborted or the method is unknown.
    QByteArray request(
        const QString &url, const QMap<QString, QString> &params = {}, int method = Get);

    // Ends the pending request, or the next one when none is under way.
    // Must run in this object's thread; other threads queue it there.
    void abort();

private:
    QNetworkAccessManager m_manager;
    QNetworkReply *m_reply = nullptr;
    bool m_abortRequested = false;
};
