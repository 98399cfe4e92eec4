#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>

// The desktop's application interface on the session bus: file managers open
// documents through it instead of the command line, which the program ignores.
class DesktopApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit DesktopApplicationAdaptor(QObject *application);

    static QString applicationId();
    static QString objectPath();

    // Registers the service; false when there is no session bus or the name is taken.
    static bool registerOnSessionBus(QObject *application);

public slots:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(
        const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData);
};
