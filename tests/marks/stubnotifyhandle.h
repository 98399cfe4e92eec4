#pragma once

#include "marks/dlgraphicsitemrenderernotifyhandle.h"

// Stands in for a mark item so a renderer can be driven without a scene.
class StubNotifyHandle : public DLGraphicsItemRendererNotifyHandle
{
public:
    QPointF handlePos() const override { return pos; }
    void handleSetPos(const QPointF &p) override { pos = p; }
    void handlePrepareGeometryChange() override { ++geometryChanges; }
    void handleUpdate() override { ++updates; }

    QPointF pos;
    int geometryChanges = 0;
    int updates = 0;
};
