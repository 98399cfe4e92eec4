#pragma once

#include "dlgraphicsitem.h"

// A horizontal or vertical distance in pixels. Tells the scene about its drags so that
// the scene can show guide lines.
class DLGraphicsLengthItem : public DLGraphicsItem
{
public:
    DLGraphicsLengthItem(const QPointF &p1, const QPointF &p2, const QString &text,
        double widthValue, QGraphicsItem *parent = nullptr);

    void pressAt(const QPointF &point, int part) override;
    void dragTo(const QPointF &point, int part) override;
    void releaseAt(const QPointF &point, int part) override;
    void setPoints(const QPointF &first, const QPointF &second) override;
};
