#include "dlmarksnapshotcommand.h"

#include "dlgraphicsscene.h"

DLMarkSnapshotCommand::DLMarkSnapshotCommand(int markType, int order, const QPointF &first,
    const QPointF &second, const QString &text, double widthValue)
    : DLUndoCommand(markType, order)
    , m_first(first)
    , m_second(second)
    , m_text(text)
    , m_widthValue(widthValue)
{
}

void DLMarkSnapshotCommand::rebuildMark()
{
    if (scene())
        scene()->recreateMark(order(), markType(), m_text, m_first, m_second, m_widthValue);
}

void DLMarkSnapshotCommand::removeMark()
{
    if (scene())
        scene()->removeMarkByOrder(order());
}
