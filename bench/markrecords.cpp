#include "markrecords.h"

#include "marks/dlmarktypes.h"

#include <QRandomGenerator>

namespace {
const char *const comments[]
    = {"Title and list: 12 px", "Use the brand blue here", "Align with the toolbar",
        "Padding should be 8 px on both sides", "This button moves on hover?"};
}

MarkRecordList makeMarkRecords(int count, const QRect &area, quint32 seed)
{
    QRandomGenerator random(seed);
    // Room for labels and callouts, which reach up and right of the points.
    const QRect inner = area.adjusted(40, 80, -320, -40);
    MarkRecordList records;
    for (int i = 0; i < count; ++i) {
        auto *record = new MarkRecord;
        const QPointF p(inner.left() + random.bounded(inner.width()),
            inner.top() + random.bounded(inner.height()));
        const int kind = i % 5;
        switch (kind) {
        case 0:
        case 1:
            record->type = MarkLength;
            record->point1 = p;
            record->point2 = kind == 0 ? p + QPointF(20 + random.bounded(280), 0)
                                       : p + QPointF(0, 20 + random.bounded(30));
            record->maxw = 100.0;
            break;
        case 2:
            record->type = MarkRect;
            record->point1 = p;
            record->point2 = p + QPointF(10 + random.bounded(280), 10 + random.bounded(30));
            break;
        case 3:
            record->type = MarkColorPick;
            record->point1 = p;
            record->point2 = p + QPointF(30 + random.bounded(40), -30 - random.bounded(30));
            break;
        default:
            record->type = MarkComments;
            record->point1 = p;
            record->point2 = p + QPointF(40 + random.bounded(60), -40 - random.bounded(30));
            record->text = QString::fromLatin1(comments[random.bounded(int(std::size(comments)))]);
            record->maxw = 160.0;
            break;
        }
        record->idx = i + 1;
        records.append(record);
    }
    return records;
}
