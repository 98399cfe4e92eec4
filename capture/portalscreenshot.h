#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Asks the desktop portal on the session bus for a screenshot of the whole desktop, the one
// way to see the screen in a Wayland session. Answers each request with exactly one signal.
class PortalScreenshot : public QObject
{
    Q_OBJECT
public:
    explicit PortalScreenshot(QObject *parent = nullptr);

    void request();

signals:
    // The local file the portal wrote the screenshot to.
    void finished(const QString &path);
    void failed(const QString &message);

private slots:
    void onCallFinished(QDBusPendingCallWatcher *watcher);
    void onResponse(uint response, const QVariantMap &results);
    void onTimeout();

private:
    void listenTo(const QString &requestPath);
    void stopListening();
    void fail(const QString &message);

    QString requestPath;
    QTimer answerTimer;
    bool pending = false;
};
