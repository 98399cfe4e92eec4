#include "dlcreatecommand.h"

DLCreateCommand::DLCreateCommand(int markType, int order, const QPointF &first,
    const QPointF &second, const QString &text, double widthValue)
    : DLMarkSnapshotCommand(markType, order, first, second, text, widthValue)
{
}

void DLCreateCommand::undo()
{
    removeMark();
}

void DLCreateCommand::redo()
{
    if (takeFirstRedo())
        return;
    rebuildMark();
}
