#pragma once

#include <QByteArray>
#include <QObject>

// Runs the background update check and offers a newer version.
class CUpdateMgr : public QObject
{
    Q_OBJECT
public:
    static CUpdateMgr *instance();
    // Returns at once; the request runs on its own thread.
    void startCheck();
    // Whether quitting cut a check short. Its name lookup may still be running then: that
    // cannot be cancelled, and the toolkit's own teardown at exit would wait for it.
    bool checkCutShort() const { return cutShort; }

private slots:
    void checkThreadDone(const QByteArray &rst);

private:
    CUpdateMgr() = default;

    bool cutShort = false;
};
