#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>

class QGraphicsItemGroup;

// The picture an empty canvas shows: a drop icon and what may be dropped.
class DLDropHint
{
public:
    // A new hint group, not yet in a scene; the scene removes hints by the group's item type.
    static QGraphicsItemGroup *makeDropHintItem();
    static QImage makeDropHintImage();
    // A rounded square with a down arrow. Halves and quarters are integer divisions made
    // before the offset is added.
    static QPainterPath dropIconPath(
        int side, int areaWidth, int areaHeight, int margin, QPointF offset);
};
