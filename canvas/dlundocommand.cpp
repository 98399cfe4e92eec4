#include "dlundocommand.h"

DLUndoCommand::DLUndoCommand(int markType, int order)
    : m_markType(markType)
    , m_order(order)
{
}

bool DLUndoCommand::takeFirstRedo()
{
    if (!firstRedoPending)
        return false;
    firstRedoPending = 0;
    return true;
}
