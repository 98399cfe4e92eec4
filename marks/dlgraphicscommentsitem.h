#pragma once

#include "dlgraphicsitem.h"

// Free text attached to a point by a callout. Asks for its text to be edited on its first
// release and on a double click.
class DLGraphicsCommentsItem : public DLGraphicsItem
{
public:
    DLGraphicsCommentsItem(const QPointF &p1, const QPointF &p2, const QString &text,
        double widthValue, QGraphicsItem *parent = nullptr);

    bool editOnRelease() const { return m_editOnRelease; }
    // A comment brought back from a document or by undo has been edited before: its first
    // release must not open the editor.
    void setEditOnRelease(bool on) { m_editOnRelease = on; }
    void releaseAt(const QPointF &point, int part) override;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    bool m_editOnRelease = true;
};
