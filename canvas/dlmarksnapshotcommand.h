#pragma once

#include "dlundocommand.h"
#include "marks/markrecord.h"

// A command that keeps everything needed to build a mark again: creating and
// deleting are the same record played in opposite directions.
class DLMarkSnapshotCommand : public DLUndoCommand
{
public:
    DLMarkSnapshotCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue);

protected:
    void rebuildMark();
    void removeMark();

private:
    // The mark as a document would keep it; a comment comes back with its wrap width.
    MarkRecord m_record;
};
