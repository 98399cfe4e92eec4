#include "csinglehttprequest.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUrlQuery>

namespace {
// QUrlQuery takes its input as already encoded: a literal "%" or "+" would reach a
// form decoder as an escape or a blank, so both are escaped first.
QString literalQueryText(QString text)
{
    return text.replace(QLatin1Char('%'), QLatin1String("%25"))
        .replace(QLatin1Char('+'), QLatin1String("%2B"));
}

QUrl urlWithQuery(const QString &url, const QString &query)
{
    if (query.isEmpty())
        return QUrl(url);
    const QChar joiner = url.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
    return QUrl(url + joiner + query);
}
} // namespace

CSingleHttpRequest::CSingleHttpRequest(QObject *parent)
    : QObject(parent)
{
}

CSingleHttpRequest::~CSingleHttpRequest() = default;

QByteArray CSingleHttpRequest::request(
    const QString &url, const QMap<QString, QString> &params, int method)
{
    if ((method != Get && method != Post) || m_reply)
        return QByteArray();
    if (m_abortRequested) {
        m_abortRequested = false;
        return QByteArray();
    }

    QUrlQuery query;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.addQueryItem(literalQueryText(it.key()), literalQueryText(it.value()));
    const QString rendered = params.isEmpty() ? QString() : query.toString(QUrl::FullyEncoded);

    if (method == Post) {
        QNetworkRequest request {QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader,
            QStringLiteral("application/x-www-form-urlencoded"));
        m_reply = m_manager.post(request, rendered.toUtf8());
    } else {
        m_reply = m_manager.get(QNetworkRequest(urlWithQuery(url, rendered)));
    }

    QNetworkReply *reply = m_reply;
    // Holds the network side back instead of letting it queue an unbounded body for us;
    // the margin keeps the pause above the point where the body is abandoned.
    reply->setReadBufferSize(2 * maxReplySize);
    bool abandoned = false;
    const auto abandon = [reply, &abandoned] {
        if (!abandoned) {
            abandoned = true;
            reply->abort();
        }
    };
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [reply, abandon] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxReplySize)
            abandon();
    });
    connect(reply, &QNetworkReply::readyRead, &loop, [reply, abandon] {
        if (reply->bytesAvailable() > maxReplySize)
            abandon();
    });
    // Quitting a loop that is not running yet is lost, so a reply that already
    // finished must not enter it.
    if (!reply->isFinished())
        loop.exec();

    const bool aborted = abandoned || m_abortRequested;
    m_abortRequested = false;
    const QByteArray body = aborted ? QByteArray() : reply->readAll();
    reply->deleteLater();
    m_reply = nullptr;
    return body;
}

void CSingleHttpRequest::abort()
{
    m_abortRequested = true;
    if (m_reply)
        m_reply->abort();
}
