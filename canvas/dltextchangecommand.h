#pragma once

#include "dlundocommand.h"

#include <QString>

class DLGraphicsItem;

// A comment's text was edited: undo and redo put the old or the new text back.
class DLTextChangeCommand : public DLUndoCommand
{
public:
    DLTextChangeCommand(int markType, int order, const QString &oldText, const QString &newText);
    ~DLTextChangeCommand() override = default;

    // The command for an ended comment edit, bound to scene; null without scene or mark.
    static DLTextChangeCommand *create(DLGraphicsScene *scene, const DLGraphicsItem *mark,
        const QString &oldText, const QString &newText);

    void undo() override;
    void redo() override;

private:
    QString m_oldText;
    QString m_newText;
};
