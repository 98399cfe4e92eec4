#pragma once

#include "dlmarksnapshotcommand.h"

// A mark was created: undo removes it, redo builds it again from the stored values.
class DLCreateCommand : public DLMarkSnapshotCommand
{
public:
    DLCreateCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue = -1.0);
    ~DLCreateCommand() override = default;

    void undo() override;
    void redo() override;
};
