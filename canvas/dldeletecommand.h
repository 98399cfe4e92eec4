#pragma once

#include "dlundocommand.h"

#include <QPointF>
#include <QString>

// A mark was deleted: undo builds it again from the stored values, redo removes it.
class DLDeleteCommand : public DLUndoCommand
{
public:
    DLDeleteCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue = -1.0);
    ~DLDeleteCommand() override = default;

    void undo() override;
    void redo() override;

private:
    QPointF m_first;
    QPointF m_second;
    QString m_text;
    // A comment comes back with its wrap width, not the default one.
    double m_widthValue;
};
