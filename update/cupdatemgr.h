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

private slots:
    void checkThreadDone(const QByteArray &rst);

private:
    CUpdateMgr() = default;
};
