#include "dlcreatecommand.h"

#include "dlgraphicsscene.h"

DLCreateCommand::DLCreateCommand(int markType, int order, const QPointF &first,
    const QPointF &second, const QString &text, double widthValue)
    : DLUndoCommand(markType, order)
    , m_first(first)
    , m_second(second)
    , m_text(text)
    , m_widthValue(widthValue)
{
}

void DLCreateCommand::undo()
{
    if (scene())
        scene()->removeMarkByOrder(order());
}

void DLCreateCommand::redo()
{
    if (takeFirstRedo() || !scene())
        return;
    scene()->recreateMark(order(), markType(), m_text, m_first, m_second, m_widthValue);
}
