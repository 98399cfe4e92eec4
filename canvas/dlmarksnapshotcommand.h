#pragma once

#include "dlundocommand.h"

#include <QPointF>
#include <QString>

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
    QPointF m_first;
    QPointF m_second;
    QString m_text;
    // A comment comes back with its wrap width, not the default one.
    double m_widthValue;
};
