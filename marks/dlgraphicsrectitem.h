#pragma once

#include "dlgraphicsitem.h"

// The position and size of a rectangular area, or of a single point.
class DLGraphicsRectItem : public DLGraphicsItem
{
public:
    DLGraphicsRectItem(const QPointF &p1, const QPointF &p2, const QString &text, double widthValue,
        QGraphicsItem *parent = nullptr);
};
