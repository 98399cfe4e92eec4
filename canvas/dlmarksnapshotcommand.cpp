#include "dlmarksnapshotcommand.h"

#include "dlgraphicsscene.h"

DLMarkSnapshotCommand::DLMarkSnapshotCommand(int markType, int order, const QPointF &first,
    const QPointF &second, const QString &text, double widthValue)
    : DLUndoCommand(markType, order)
    , m_record {markType, double(order), first, second, text, widthValue}
{
}

void DLMarkSnapshotCommand::rebuildMark()
{
    if (scene())
        scene()->restoreMark(m_record);
}

void DLMarkSnapshotCommand::removeMark()
{
    if (scene())
        scene()->removeMarkByOrder(order());
}
