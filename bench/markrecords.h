#pragma once

#include "marks/markrecord.h"

#include <QRect>

// count marks of the four kinds in turn (lengths across and down, rectangles, colour picks,
// comments), seeded, each lying inside area; order numbers 1..count. The caller owns them.
MarkRecordList makeMarkRecords(int count, const QRect &area, quint32 seed);
