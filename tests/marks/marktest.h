#pragma once

#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicsitemrenderernotifyhandle.h"

#include <QTest>

#include <memory>

// Stands in for a mark item, remembering the bounds the renderer had at each geometry notice.
class StubNotifyHandle : public DLGraphicsItemRendererNotifyHandle
{
public:
    QPointF handlePos() const override { return pos; }
    void handleSetPos(const QPointF &p) override { pos = p; }
    void handlePrepareGeometryChange() override { noticed << renderer->boundingRect(); }
    void handleUpdate() override { }

    QPointF pos;
    const DLGraphicsItemRenderer *renderer = nullptr;
    QVector<QRectF> noticed;
};

// A renderer of a kind of mark laid out from p1 to p2 and driven without a scene.
template <typename Renderer = DLGraphicsItemRenderer>
struct Driven
{
    Driven(int type, QPointF p1, QPointF p2, const QString &text = {}, double width = -1.0)
        : r(static_cast<Renderer *>(DLGraphicsItem::createRenderer(type)))
    {
        owner.renderer = r.get();
        r->init(&owner, p1, p2, text, width);
    }
    Renderer *operator->() const { return r.get(); }
    QLineF points() const { return {r->firstPoint(), r->secondPoint()}; }
    StubNotifyHandle owner;
    std::unique_ptr<Renderer> r;
};
