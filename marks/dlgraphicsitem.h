#pragma once

#include "dlgraphicsitemrenderernotifyhandle.h"
#include "dlmarktypes.h"
#include "markrecord.h"

#include <QGraphicsItem>
#include <QString>

#include <functional>
#include <memory>

class DLGraphicsItemRenderer;
class DLGraphicsLengthItem;
class DLGraphicsScene;
class DLUndoCommand;

// One mark on the canvas. The item only speaks to the graphics framework; its renderer
// knows the kind of mark: points, geometry, hit parts, drags and painting.
class DLGraphicsItem : public QGraphicsItem, public DLGraphicsItemRendererNotifyHandle
{
public:
    using SelectedHandler = std::function<void(DLGraphicsItem *)>;
    using EditCommentHandler = std::function<void(const QString &, DLGraphicsItem *)>;
    using LenChangedHandler = std::function<void(const DLGraphicsLengthItem *, DLLenChanged)>;

    DLGraphicsItem(int type, const QPointF &p1, const QPointF &p2, const QString &text,
        double widthValue, QGraphicsItem *parent = nullptr);
    ~DLGraphicsItem() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override;

    virtual bool isValid() const;
    virtual int hitTest(const QPointF &scenePoint);
    virtual void pressAt(const QPointF &point, int part);
    virtual void dragTo(const QPointF &point, int part);
    virtual void releaseAt(const QPointF &point, int part);
    virtual void settingsChanged(int mask);
    virtual bool fillRecord(MarkRecord *record) const;
    virtual void setStartPoint(const QPointF &point);
    virtual void setEndPoint(const QPointF &point);
    virtual void setPoints(const QPointF &first, const QPointF &second);
    virtual void points(QPointF *first, QPointF *second) const;
    virtual void paintPlain(QPainter *painter);
    virtual DLGraphicsItemRenderer *renderer();
    virtual const DLGraphicsItemRenderer *renderer() const;

    // The undo command for the change this mark still owes the scene, or null.
    DLUndoCommand *takeUndoCommand(DLGraphicsScene *scene, bool deleting);
    void setText(const QString &text);
    QString text() const;
    double maxWidth() const;
    void refresh();
    QRectF labelSceneRect() const;

    int markType() const { return m_markType; }
    int orderNumber() const { return m_orderNumber; }
    void setOrderNumber(int order) { m_orderNumber = order; }
    PendingChange pendingChange() const { return m_pendingChange; }
    void setPendingChange(PendingChange change) { m_pendingChange = change; }

    QPointF handlePos() const override;
    void handleSetPos(const QPointF &pos) override;
    void handlePrepareGeometryChange() override;
    void handleUpdate() override;

    static DLGraphicsItem *create(
        int type, const QPointF &p1, const QPointF &p2, const QString &text, double widthValue);
    static DLGraphicsItem *createDefault(int type, const QPointF &point);
    static DLGraphicsItemRenderer *createRenderer(int type);

    static void setSelectedHandler(SelectedHandler handler);
    static void setEditCommentHandler(EditCommentHandler handler);
    static void setLenChangedHandler(LenChangedHandler handler);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

    // Ask the scene, through its handlers, to edit a comment or to follow a length drag.
    void requestCommentEdit();
    static void notifyLengthChanged(const DLGraphicsLengthItem *item, DLLenChanged kind);

private:
    PendingChange m_pendingChange = PendingChange::Created;
    int m_markType;
    std::unique_ptr<DLGraphicsItemRenderer> m_renderer;
    int m_orderNumber = 0;
};

// The hit path widened by a pen into a hit shape, as the item's shape() uses it.
QPainterPath strokedShape(const QPainterPath &path, const QPen &pen);
