#pragma once

#include "dlundocommand.h"

#include <QPointF>
#include <QString>

// A mark was created: undo removes it, redo builds it again from the stored values.
class DLCreateCommand : public DLUndoCommand
{
public:
    DLCreateCommand(int markType, int order, const QPointF &first, const QPointF &second,
        const QString &text, double widthValue = -1.0);
    ~DLCreateCommand() override = default;

    void undo() override;
    void redo() override;

private:
    QPointF m_first;
    QPointF m_second;
    QString m_text;
    // A comment comes back with its wrap width, not the default one.
    double m_widthValue;
};
