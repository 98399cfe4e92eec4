#pragma once

#include "marks/dlmarktypes.h"

#include <QGraphicsTextItem>

class DLGraphicsItem;

// The in-place editor of a comment's text, laid over the comment's label box. It reports
// the end of editing when it loses the keyboard focus.
class DLGraphicsTextItem : public QGraphicsTextItem
{
    Q_OBJECT
public:
    enum { Type = commentEditorItemType };

    explicit DLGraphicsTextItem(const QString &text, QGraphicsItem *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override;

    // Ends editing as a focus loss would; for an editor that never received the focus.
    void finishEditing();

    DLGraphicsItem *related = nullptr;

signals:
    void lostFocus(DLGraphicsTextItem *item, DLGraphicsItem *related);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
