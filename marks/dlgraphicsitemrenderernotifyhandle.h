#pragma once

#include <QPointF>

// The only way a renderer reaches back to the item that owns it.
class DLGraphicsItemRendererNotifyHandle
{
public:
    virtual ~DLGraphicsItemRendererNotifyHandle() = default;

    virtual QPointF handlePos() const = 0;
    virtual void handleSetPos(const QPointF &pos) = 0;
    virtual void handlePrepareGeometryChange() = 0;
    virtual void handleUpdate() = 0;
};
