#include "dlmarksnapshotcommand.h"

#include "dlgraphicsscene.h"

DLMarkSnapshotCommand::DLMarkSnapshotCommand(bool existsAfterRedo, int markType, int order,
    const QPointF &first, const QPointF &second, const QString &text, double widthValue)
    : DLUndoCommand(markType, order)
    , m_existsAfterRedo(existsAfterRedo)
    , m_record {markType, double(order), first, second, text, widthValue}
{
}

void DLMarkSnapshotCommand::undo()
{
    setMarkExists(!m_existsAfterRedo);
}

void DLMarkSnapshotCommand::redo()
{
    if (!takeFirstRedo())
        setMarkExists(m_existsAfterRedo);
}

void DLMarkSnapshotCommand::setMarkExists(bool exists)
{
    if (!scene())
        return;
    if (exists)
        scene()->restoreMark(m_record);
    else
        scene()->removeMarkByOrder(order());
}
