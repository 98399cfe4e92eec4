#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

// One mark as plain values, between the scene and the document file.
struct MarkRecord
{
    int type = 0;
    double idx = -1.0;
    QPointF point1;
    QPointF point2;
    QString text;
    double maxw = -1.0;
};

// Whoever clears a record list deletes the records it holds.
using MarkRecordList = QVector<MarkRecord *>;

inline void clearMarkRecords(MarkRecordList &records)
{
    qDeleteAll(records);
    records.clear();
}
