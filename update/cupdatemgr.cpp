#include "cupdatemgr.h"

CUpdateMgr *CUpdateMgr::instance()
{
    static CUpdateMgr manager;
    return &manager;
}

void CUpdateMgr::startCheck() { }

void CUpdateMgr::checkThreadDone(const QByteArray &rst)
{
    Q_UNUSED(rst)
}
