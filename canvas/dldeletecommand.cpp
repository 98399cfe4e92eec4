#include "dldeletecommand.h"

DLDeleteCommand::DLDeleteCommand(int markType, int order, const QPointF &first,
    const QPointF &second, const QString &text, double widthValue)
    : DLMarkSnapshotCommand(markType, order, first, second, text, widthValue)
{
}

void DLDeleteCommand::undo()
{
    rebuildMark();
}

void DLDeleteCommand::redo()
{
    if (takeFirstRedo())
        return;
    removeMark();
}
