#include "portalscreenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>
#include <QUrl>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
// The portal may first ask the user for permission; a human answers within this.
constexpr int answerTimeoutMs = 120000;
constexpr uint responseCancelled = 1;
} // namespace

PortalScreenshot::PortalScreenshot(QObject *parent)
    : QObject(parent)
{
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerTimeoutMs);
    connect(&answerTimer, &QTimer::timeout, this, &PortalScreenshot::onTimeout);
}

void PortalScreenshot::request()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fail(tr("The screen cannot be captured: there is no desktop session bus."));
        return;
    }
    pending = true;
    // The portal names its request object after our bus name and this token; listening
    // before the call means a fast answer cannot be missed.
    const QString token = QStringLiteral("dimlet%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listenTo(portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath,
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
    const QVariantMap options {{QStringLiteral("handle_token"), token},
        {QStringLiteral("interactive"), false}, {QStringLiteral("modal"), true}};
    call << QString() << options;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalScreenshot::onCallFinished);
    answerTimer.start();
}

void PortalScreenshot::onCallFinished(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    if (!pending)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        fail(tr("The screen cannot be captured: the desktop's screenshot service is not "
                "available."));
        return;
    }
    // Older portals choose their own request path.
    const QString handle = reply.value().path();
    if (handle != requestPath)
        listenTo(handle);
}

void PortalScreenshot::onResponse(uint response, const QVariantMap &results)
{
    if (!pending)
        return;
    if (response == responseCancelled) {
        fail(tr("The screenshot was cancelled. Nothing was changed."));
        return;
    }
    const QUrl uri(results.value(QStringLiteral("uri")).toString(), QUrl::StrictMode);
    if (response != 0 || !uri.isLocalFile()) {
        fail(tr("The desktop's screenshot service did not take a screenshot."));
        return;
    }
    stopListening();
    answerTimer.stop();
    pending = false;
    emit finished(uri.toLocalFile());
}

void PortalScreenshot::onTimeout()
{
    if (pending)
        fail(tr("The desktop's screenshot service did not answer."));
}

void PortalScreenshot::listenTo(const QString &path)
{
    stopListening();
    requestPath = path;
    QDBusConnection::sessionBus().connect(portalService, requestPath, requestInterface,
        QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
}

void PortalScreenshot::stopListening()
{
    if (requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(portalService, requestPath, requestInterface,
        QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    requestPath.clear();
}

void PortalScreenshot::fail(const QString &message)
{
    stopListening();
    answerTimer.stop();
    pending = false;
    emit failed(message);
}
