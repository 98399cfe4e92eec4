#include "desktopapplicationadaptor.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QFileOpenEvent>
#include <QUrl>
#include <QWidget>

DesktopApplicationAdaptor::DesktopApplicationAdaptor(QObject *application)
    : QDBusAbstractAdaptor(application)
{
}

QString DesktopApplicationAdaptor::applicationId()
{
    return QStringLiteral("app.dimlet.Dimlet");
}

QString DesktopApplicationAdaptor::objectPath()
{
    return QStringLiteral("/app/dimlet/Dimlet");
}

bool DesktopApplicationAdaptor::registerOnSessionBus(QObject *application)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerService(applicationId()))
        return false;
    new DesktopApplicationAdaptor(application);
    return bus.registerObject(objectPath(), application);
}

static void raiseMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow() && widget->isVisible() && !widget->parentWidget()) {
            widget->raise();
            widget->activateWindow();
            return;
        }
    }
}

void DesktopApplicationAdaptor::Activate(const QVariantMap &platformData)
{
    Q_UNUSED(platformData)
    raiseMainWindow();
}

void DesktopApplicationAdaptor::Open(const QStringList &uris, const QVariantMap &platformData)
{
    Q_UNUSED(platformData)
    raiseMainWindow();
    // The editor shows one document; like a drop of several files, the first one opens.
    if (uris.isEmpty())
        return;
    QCoreApplication::postEvent(qApp, new QFileOpenEvent(QUrl(uris.first())));
}

void DesktopApplicationAdaptor::ActivateAction(
    const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData)
{
    Q_UNUSED(actionName)
    Q_UNUSED(parameter)
    Q_UNUSED(platformData)
    raiseMainWindow();
}
