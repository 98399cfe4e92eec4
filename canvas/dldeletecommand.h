#pragma once

#include "dlmarksnapshotcommand.h"

// A mark was deleted: undo builds it again from the stored values, redo removes it.
class DLDeleteCommand : public DLMarkSnapshotCommand
{
public:
    DLDeleteCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue = -1.0);
    ~DLDeleteCommand() override = default;

    void undo() override;
    void redo() override;
};
