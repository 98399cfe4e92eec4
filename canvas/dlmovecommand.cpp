#include "dlmovecommand.h"

#include "dlgraphicsscene.h"

DLMoveCommand::DLMoveCommand(int markType, int order, const QPointF &oldFirst,
    const QPointF &oldSecond, const QPointF &newFirst, const QPointF &newSecond)
    : DLUndoCommand(markType, order)
    , m_oldFirst(oldFirst)
    , m_oldSecond(oldSecond)
    , m_newFirst(newFirst)
    , m_newSecond(newSecond)
{
}

void DLMoveCommand::undo()
{
    if (scene())
        scene()->setMarkPointsByOrder(order(), m_oldFirst, m_oldSecond);
}

void DLMoveCommand::redo()
{
    if (takeFirstRedo() || !scene())
        return;
    scene()->setMarkPointsByOrder(order(), m_newFirst, m_newSecond);
}
