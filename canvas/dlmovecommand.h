#pragma once

#include "dlundocommand.h"

#include <QPointF>

// A mark was moved or resized: undo and redo put its two points back.
class DLMoveCommand : public DLUndoCommand
{
public:
    DLMoveCommand(int markType, int order, const QPointF &oldFirst, const QPointF &oldSecond,
        const QPointF &newFirst, const QPointF &newSecond);
    ~DLMoveCommand() override = default;

    void undo() override;
    void redo() override;

private:
    QPointF m_oldFirst;
    QPointF m_oldSecond;
    QPointF m_newFirst;
    QPointF m_newSecond;
};
