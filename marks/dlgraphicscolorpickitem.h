#pragma once

#include "dlgraphicsitem.h"

// The colour of one image pixel, shown in a callout.
class DLGraphicsColorPickItem : public DLGraphicsItem
{
public:
    DLGraphicsColorPickItem(const QPointF &p1, const QPointF &p2, const QString &text,
        double widthValue, QGraphicsItem *parent = nullptr);
};
