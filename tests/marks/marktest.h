#pragma once

#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicsitemrenderernotifyhandle.h"

#include <QTest>

#include <memory>

// A renderer of a kind of mark laid out from p1 to p2 and driven without a scene, standing in
// for its item: it remembers the position and the bounds the renderer had at each geometry notice.
template<typename Renderer = DLGraphicsItemRenderer>
struct Driven : DLGraphicsItemRendererNotifyHandle
{
    Driven(int type, QPointF p1, QPointF p2, const QString &text = {}, double width = -1.0)
        : r(static_cast<Renderer *>(DLGraphicsItem::createRenderer(type)))
    {
        r->init(this, p1, p2, text, width);
    }
    QPointF handlePos() const override { return pos; }
    void handleSetPos(const QPointF &p) override { pos = p; }
    void handlePrepareGeometryChange() override { noticed << r->boundingRect(); }
    void handleUpdate() override { }
    Renderer *operator->() const { return r.get(); }

    std::unique_ptr<Renderer> r;
    QPointF pos;
    QVector<QRectF> noticed;
};

// A table of terse rows "name|field|field...": the fields of each row become one string list.
inline void rows(std::initializer_list<const char *> table)
{
    QTest::addColumn<QStringList>("f");
    for (const char *row : table) {
        QStringList fields = QString::fromUtf8(row).split('|');
        QTest::newRow(qPrintable(fields.takeFirst())) << fields;
    }
}

// The point at index i of a text such as "10,4 20.5,-4", and the line through its first two.
inline QPointF point(const QString &text, int i = 0)
{
    const QString p = text.section(' ', i, i, QString::SectionSkipEmpty);
    return {p.section(',', 0, 0).toDouble(), p.section(',', 1).toDouble()};
}
inline QLineF line(const QString &text)
{
    return {point(text), point(text, 1)};
}
