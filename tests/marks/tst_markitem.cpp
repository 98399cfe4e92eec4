#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "marks/colortext.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "marks/dlgraphicsrectitemrenderer.h"
#include "marktest.h"

#include <typeinfo>

namespace {
// The kind of undo command a mark owes, provided it names this mark.
QString takeCommand(DLGraphicsItem &item, bool deleting)
{
    const std::unique_ptr<DLUndoCommand> c(item.takeUndoCommand(nullptr, deleting));
    if (!c || c->order() != 4 || c->markType() != item.markType())
        return c ? "wrong mark" : "none";
    const std::type_info &t = typeid(*c);
    return t == typeid(DLCreateCommand) ? "create"
        : t == typeid(DLMoveCommand)    ? "move"
        : t == typeid(DLDeleteCommand)  ? "delete"
                                        : "other";
}
} // namespace

class TestMarkItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }
    void cleanup()
    {
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setColorAtHandler(nullptr);
        DLGraphicsItemRenderer::setMapPointHandler(nullptr);
    }

    // The item's cached bounds and the scene's index hear of a change while the old bounds stand.
    void boundsNoticeBeforeChange_data() { rows({"length|0", "rect|1", "pick|2", "comment|3"}); }

    void boundsNoticeBeforeChange()
    {
        QFETCH(QStringList, f);
        Driven<> d(f[0].toInt(), {10, 20}, {90, 80}, QStringLiteral("Comments"), 100.0);
        const QRectF before = d->boundingRect();
        d.owner.noticed.clear();
        d->setSecondPoint({30, 25});
        d->updateGeometry();
        QVERIFY(d->boundingRect() != before);
        QCOMPARE(d.owner.noticed.value(0), before);
    }

    // Kind|points (width 100 unless both are equal, a mark being drawn)|part|drag|points after.
    void drag_data()
    {
        rows({"body move rounds fractions up|1|10,10 40,30|9|30,10 32.3,9.5|13,10 43,30",
            "drawn length: a tie gives horizontal|0|10,10 10,10|2|10,10 30,30|10,10 30,10",
            "drawn steeply upwards keeps the start column|0|10,50 10,50|2|10,50 13,10|10,10 10,50",
            "length start across the axis: no change|0|10,20 60,20|1|2,17 2,57|10,20 60,20",
            "length end left past the start swaps ends|0|10,20 60,20|2|69,24 -1,24|-10,20 10,20",
            "vertical length start below the end|0|10,20 10,75|1|7,12 7,82|10,75 10,90",
            "resize by (2.9, -2.9) is (2, -2)|1|10,10 40,30|8|45,35 47.9,32.1|10,10 42,28",
            "top-right moves top and right|1|10,10 40,30|3|45,5 48,8|10,13 43,30",
            "top-middle moves the top only|1|10,10 40,30|2|25,5 30,8|10,13 40,30",
            "top-left past the right edge flips|1|10,10 40,30|1|5,5 45,5|40,10 50,30",
            "arrowhead drag is not rounded|2|10,20 60,20|1|15,20 20.5,25|15.5,25 60,20",
            "callout end drag|3|10,20 60,20|2|60,20 70.5,30|10,20 70.5,30"});
    }

    void drag()
    {
        QFETCH(QStringList, f);
        const QLineF mark = line(f[1]), drag = line(f[3]);
        const int part = f[2].toInt();
        const bool drawn = mark.p1() == mark.p2();
        Driven<> d(f[0].toInt(), mark.p1(), mark.p2(), QStringLiteral("Note"), drawn ? -1 : 100);
        if (!drawn)
            QCOMPARE(d->hitTest(drag.p1()), part);
        d->mousePress(drag.p1(), part);
        d->mouseMove(drag.p2(), part);
        d->mouseRelease(drag.p2(), part);
        QCOMPARE(d.points(), line(f[4]));
        QCOMPARE(d.owner.pos, line(f[4]).p1());
    }

    // Kind|part|owed before|release after a press at 30,20|owed after (0 none, 2 moved,
    // 3 resized)|its command. Creating, moving and deleting are seen by the undo round trip.
    void undoCommandOwed_data()
    {
        rows({"end drag is a resize|1|2|0|35,25|3|move",
            "part 10 records nothing|2|10|2|35,25|0|none",
            "release at the press point keeps all|0|2|2|30,20|2|move"});
    }

    void undoCommandOwed()
    {
        QFETCH(QStringList, f);
        const int part = f[1].toInt();
        std::unique_ptr<DLGraphicsItem> item(
            DLGraphicsItem::create(f[0].toInt(), {10, 20}, {60, 20}, QStringLiteral("t"), -1.0));
        item->setOrderNumber(4);
        item->setPendingChange(PendingChange(f[2].toInt()));
        item->pressAt({30, 20}, part);
        item->releaseAt(point(f[3]), part);
        QCOMPARE(item->pendingChange(), PendingChange(f[4].toInt()));
        QCOMPARE(takeCommand(*item, false), f[5]);
        QCOMPARE(takeCommand(*item, false), QStringLiteral("none"));
        item->setPendingChange(PendingChange::Created); // deleting wins over what is owed
        QCOMPARE(takeCommand(*item, true), QStringLiteral("delete"));
    }

    // Direction|length|how far below, or left of, the line the label is; "split" when the line
    // breaks around it instead. The label is centred along the line.
    void lengthLabel_data()
    {
        rows({"30 across: label 2 under the line|1,0|30|2",
            "31 across: on a broken line|1,0|31|split", "0 across: label 6 below|1,0|0|6",
            "9 down: label 8 left|0,1|9|8", "10 down: label 4 left|0,1|10|4"});
    }

    void lengthLabel()
    {
        QFETCH(QStringList, f);
        const QPointF along = point(f[0]);
        const double len = f[1].toDouble();
        Driven<DLGraphicsLengthItemRenderer> r(
            MarkLength, {10, 20}, QPointF(10, 20) + along * len, QString(), 100.0);
        QCOMPARE(r->text(), QString::number(len + 1)); // counts both end pixels
        const QRectF label = r->labelRect();
        const double start = QPointF::dotProduct(label.topLeft(), along),
                     extent = QPointF::dotProduct(QPointF(label.width(), label.height()), along);
        QVERIFY(qAbs(start + extent / 2 - len / 2) <= 0.5);
        QCOMPARE(r->isSplit(), f[2] == "split");
        if (r->isSplit())
            QCOMPARE(QLineF(r->gapStart(), r->gapEnd()),
                QLineF(along * (start - 2), along * (start + extent + 2)));
        if (r->isSplit())
            QVERIFY(qAbs(label.center().y()) <= 0.5);
        else
            QCOMPARE(along.y() > 0 ? -label.right() : label.y(), f[2].toDouble());
    }

    // Handle part dragged|local pointer|nearest handle. Handle centres of the 31 x 21 rectangle:
    // corners at x -3.5 and 35.5, y -3.5 and 25.5.
    void nearestHandle_data()
    {
        rows({"corner drag near the top-right|6|33,-1|3", "four-way tie keeps the first|8|16,11|1",
            "exactly 10000 away shows none|8|-3.5,-10003.5|0",
            "top-bottom tie goes to bottom|2|15.5,11|7", "left-right tie goes to right|4|16,10|5"});
    }

    void nearestHandle()
    {
        QFETCH(QStringList, f);
        Driven<DLGraphicsRectItemRenderer> r(MarkRect, {10, 10}, {40, 30});
        r->mouseMove(r->mapFromLocal(point(f[1])), HitNone);
        r->setHitPart(f[0].toInt());
        QCOMPARE(r->nearestHandle(), f[2].toInt());
    }

    // ARGB|format, + 10 with the colour profile|text.
    void colorText_data()
    {
        rows({"default, opaque: no percent|FFFF8000|0|FF8000",
            "alpha 2 is 1%|02000000|0|000000(1%)", "alpha 254 is 100%|FE000000|0|000000(100%)",
            "rgbHex: upper case|090AAB05|1|0AAB05", "rgbFloat rounds|090140FE|2|0.00,0.25,1.00",
            "rgbInt pads|FF05C800|3|05,200,00", "rgbaFloat|E6FF8000|5|1.00,0.50,0.00(0.90)",
            "rgbaInt pads|0705C809|6|05,200,09(07)",
            "index 7 is the default|E6FF8000|7|FF8000(90%)",
            "profile: the ends of a table row|FF0F10FF|13|13,14,255",
            "profile leaves alpha alone|80FF8000|14|FF6D00(80)"});
    }

    void colorText()
    {
        QFETCH(QStringList, f);
        const int format = f[1].toInt();
        QCOMPARE(::colorText(f[0].toUInt(nullptr, 16), format % 10, format >= 10), f[2]);
    }

    // Kind|points|mask|text: laid out with the top-left origin and the default format; then the
    // settings change to the bottom-left origin of a 600 pixel picture and rgbaInt.
    void settingsChanged_data()
    {
        rows({"a pick samples its anchor|2|10,30 50,50|0|0A1E00",
            "a pick re-formats for the format|2|10,30 50,50|2|10,30,00(255)",
            "a pick ignores colour and origin|2|10,30 50,50|17|0A1E00",
            "a rectangle relabels for any change|1|10,30 50,50|1|10,549(41x21)",
            "a rectangle keeps its label for none|1|10,30 50,50|0|10,30(41x21)",
            "a point maps with no height|1|120,48 120,48|16|x:120,y:552",
            "touching the bottom edge|1|0,580 9,599|16|0,0(10x20)"});
    }

    void settingsChanged()
    {
        QFETCH(QStringList, f);
        DLGraphicsItemRenderer::setColorAtHandler(
            [](QPointF p) { return qRgb(int(p.x()), int(p.y()), 0); });
        Driven<> d(f[0].toInt(), line(f[1]).p1(), line(f[1]).p2());
        DLGraphicsItemRenderer::setColorFormat(RgbaIntFormat);
        DLGraphicsItemRenderer::setMapPointHandler(
            [](QPointF p, double height) { return QPointF(p.x(), 600 - p.y() - height); });
        d->settingsChanged(f[2].toInt());
        QCOMPARE(d->text(), f[3]);
    }
};

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
