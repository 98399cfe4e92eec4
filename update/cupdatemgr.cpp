#include "cupdatemgr.h"

#include "ccheckupdatethread.h"
#include "cupdatenotifier.h"
#include "updateoffer.h"

#include <QCoreApplication>

CUpdateMgr *CUpdateMgr::instance()
{
    static CUpdateMgr manager;
    return &manager;
}

void CUpdateMgr::startCheck()
{
    auto *thread = new CCheckUpdateThread(this);
    connect(thread, &CCheckUpdateThread::resultReady, this, &CUpdateMgr::checkThreadDone,
        Qt::QueuedConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // An endpoint that never answers must not keep the worker alive past the event loop.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, thread, [this, thread] {
            cutShort = cutShort || thread->isRunning();
            thread->cancel();
            thread->wait();
        });
    }
    thread->start(QThread::InheritPriority);
}

void CUpdateMgr::checkThreadDone(const QByteArray &rst)
{
    const std::optional<UpdateOffer> offer = updateOfferFrom(rst);
    if (!offer)
        return;
    CUpdateNotifier notifier(nullptr);
    notifier.setVersionInfo(offer->version, offer->date);
    notifier.setNote(offer->note);
    runUpdateNotifier(notifier);
}
