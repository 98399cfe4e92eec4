#pragma once

#include "dlundocommand.h"
#include "marks/markrecord.h"

// A command that keeps everything needed to build a mark again: creating and deleting are
// the same record played in opposite directions.
class DLMarkSnapshotCommand : public DLUndoCommand
{
public:
    // existsAfterRedo: the mark was created (undo removes it), else deleted (undo rebuilds it).
    DLMarkSnapshotCommand(bool existsAfterRedo, int markType, int order, const QPointF &first,
        const QPointF &second, const QString &text, double widthValue);

    void undo() override;
    void redo() override;

private:
    void setMarkExists(bool exists);

    bool m_existsAfterRedo;
    // The mark as a document would keep it; a comment comes back with its wrap width.
    MarkRecord m_record;
};

// The create and delete commands: one type each, so a command can be told by its type.
template<bool Created> class DLMarkLifeCommand : public DLMarkSnapshotCommand
{
public:
    DLMarkLifeCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue = -1.0)
        : DLMarkSnapshotCommand(Created, markType, order, first, second, text, widthValue)
    {
    }
};
