#include "dltextchangecommand.h"

#include "dlgraphicsscene.h"
#include "marks/dlgraphicsitem.h"

DLTextChangeCommand::DLTextChangeCommand(
    int markType, int order, const QString &oldText, const QString &newText)
    : DLUndoCommand(markType, order)
    , m_oldText(oldText)
    , m_newText(newText)
{
}

DLTextChangeCommand *DLTextChangeCommand::create(DLGraphicsScene *scene, const DLGraphicsItem *mark,
    const QString &oldText, const QString &newText)
{
    if (!scene || !mark)
        return nullptr;
    auto *command
        = new DLTextChangeCommand(mark->markType(), mark->orderNumber(), oldText, newText);
    command->setScene(scene);
    return command;
}

void DLTextChangeCommand::undo()
{
    if (scene())
        scene()->setMarkTextByOrder(order(), m_oldText);
}

void DLTextChangeCommand::redo()
{
    if (takeFirstRedo() || !scene())
        return;
    scene()->setMarkTextByOrder(order(), m_newText);
}
