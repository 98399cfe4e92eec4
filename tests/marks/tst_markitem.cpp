#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "marktest.h"

#include <cmath>

Q_DECLARE_METATYPE(PendingChange)

namespace {
QString takeCommand(DLGraphicsItem &item, bool deleting)
{
    std::unique_ptr<DLUndoCommand> c(item.takeUndoCommand(nullptr, deleting));
    if (c && (c->order() != 4 || c->markType() != item.markType()))
        return QStringLiteral("wrong mark");
    return dynamic_cast<DLCreateCommand *>(c.get()) ? QStringLiteral("create")
        : dynamic_cast<DLMoveCommand *>(c.get())    ? QStringLiteral("move")
        : dynamic_cast<DLDeleteCommand *>(c.get())  ? QStringLiteral("delete")
                                                    : QString();
}
} // namespace

class TestMarkItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // The item's cached bounds and the scene's index hear of a change while the old bounds stand.
    void boundsNoticeBeforeChange_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {MarkLength, MarkRect, MarkColorPick, MarkComments})
            QTest::newRow(qPrintable(QStringLiteral("kind %1").arg(type))) << type;
    }

    void boundsNoticeBeforeChange()
    {
        QFETCH(int, type);
        Driven<> d(type, {10, 20}, {90, 80}, QStringLiteral("Comments"), 100.0);
        const QRectF before = d->boundingRect();
        d.owner.noticed.clear();
        d->setSecondPoint({30, 25});
        d->updateGeometry();
        QVERIFY(d->boundingRect() != before);
        QCOMPARE(d.owner.noticed.value(0), before);
    }

    // Press, drag and release, checking first that the press finds the part.
    void drag_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QLineF>("mark"); // width value 100 unless drawn from a point
        QTest::addColumn<int>("part");
        QTest::addColumn<QLineF>("drag");
        QTest::addColumn<QLineF>("points");
        const QLineF h(10, 20, 60, 20), box(10, 10, 40, 30);
        auto row = [](const char *name, int type, QLineF mark, int part, QLineF drag, QLineF to) {
            QTest::newRow(name) << type << mark << part << drag << to;
        };
        row("body move rounds fractions up", MarkRect, box, 9, {30, 10, 32.3, 9.5},
            box.translated(3, 0));
        row("body move rounds negative fractions toward zero", MarkColorPick, h, 9,
            {70, 20, 67.5, 18.8}, h.translated(-2, -1));
        row("drawn length: a tie gives horizontal", MarkLength, {10, 10, 10, 10}, 2,
            {10, 10, 30, 30}, {10, 10, 30, 10});
        row("drawn steeply upwards keeps the start column", MarkLength, {10, 50, 10, 50}, 2,
            {10, 50, 13, 10}, {10, 10, 10, 50});
        row("length start across the axis: no change", MarkLength, h, 1, {2, 17, 2, 57}, h);
        row("length end left past the start swaps ends", MarkLength, h, 2, {69, 24, -1, 24},
            {-10, 20, 10, 20});
        row("vertical length start below the end", MarkLength, {10, 20, 10, 75}, 1, {7, 12, 7, 82},
            {10, 75, 10, 90});
        row("resize by (2.9, -2.9) is (2, -2)", MarkRect, box, 8, {45, 35, 47.9, 32.1},
            {10, 10, 42, 28});
        row("top-right moves top and right", MarkRect, box, 3, {45, 5, 48, 8}, {10, 13, 43, 30});
        row("bottom-left moves left and bottom", MarkRect, box, 6, {5, 35, 8, 38},
            {13, 10, 40, 33});
        row("top-middle moves the top only", MarkRect, box, 2, {25, 5, 30, 8}, {10, 13, 40, 30});
        row("top-left past the right edge flips", MarkRect, box, 1, {5, 5, 45, 5},
            {40, 10, 50, 30});
        row("arrowhead drag is not rounded", MarkColorPick, h, 1, {15, 20, 20.5, 25},
            {15.5, 25, 60, 20});
        row("callout end drag", MarkComments, h, 2, {60, 20, 70.5, 30}, {10, 20, 70.5, 30});
    }

    void drag()
    {
        QFETCH(int, type);
        QFETCH(QLineF, mark);
        QFETCH(int, part);
        QFETCH(QLineF, drag);
        QFETCH(QLineF, points);
        const bool drawn = mark.p1() == mark.p2();
        Driven<> d(type, mark.p1(), mark.p2(), QStringLiteral("Note"), drawn ? -1.0 : 100.0);
        if (!drawn)
            QCOMPARE(d->hitTest(drag.p1()), part);
        d->mousePress(drag.p1(), part);
        d->mouseMove(drag.p2(), part);
        d->mouseRelease(drag.p2(), part);
        QCOMPARE(d.points(), points);
        QCOMPARE(d.owner.pos, points.p1());
    }

    // What a press at (30, 20), a drag and a release leave owed, and the undo command for it.
    void undoCommandOwed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("part");
        QTest::addColumn<PendingChange>("before");
        QTest::addColumn<QPointF>("release");
        QTest::addColumn<PendingChange>("after");
        QTest::addColumn<QString>("kind");
        using P = PendingChange;
        const QPointF away(35, 25), still(30, 20);
        QTest::newRow("body drag is a move") << 0 << 9 << P::None << away << P::Moved << "move";
        QTest::newRow("end drag is a resize") << 1 << 2 << P::None << away << P::Resized << "move";
        QTest::newRow("part 10 records nothing") << 2 << 10 << P::Moved << away << P::None << "";
        QTest::newRow("a new mark stays created")
            << 3 << 9 << P::Created << away << P::Created << "create";
        QTest::newRow("release at the press point keeps all")
            << 0 << 2 << P::Moved << still << P::Moved << "move";
    }

    void undoCommandOwed()
    {
        QFETCH(int, type);
        QFETCH(int, part);
        QFETCH(PendingChange, before);
        QFETCH(QPointF, release);
        QFETCH(PendingChange, after);
        QFETCH(QString, kind);
        std::unique_ptr<DLGraphicsItem> item(
            DLGraphicsItem::create(type, {10, 20}, {60, 20}, QStringLiteral("text"), -1.0));
        item->setOrderNumber(4);
        item->setPendingChange(before);
        item->pressAt({30, 20}, part);
        item->releaseAt(release, part);
        QCOMPARE(item->pendingChange(), after);
        if (release == QPointF(30, 20))
            QCOMPARE(item->renderer()->secondPoint(), QPointF(60, 20));
        QCOMPARE(takeCommand(*item, false), kind);
        QCOMPARE(takeCommand(*item, false), QString());
        item->setPendingChange(PendingChange::Created); // deleting wins over what is owed
        QCOMPARE(takeCommand(*item, true), QStringLiteral("delete"));
    }

    void lengthLabel_data()
    {
        QTest::addColumn<QPointF>("along");
        QTest::addColumn<double>("len");
        QTest::addColumn<bool>("split");
        QTest::addColumn<double>("offset"); // when not split: below, or left of, the line
        QTest::newRow("30 across: label 2 under the line") << QPointF(1, 0) << 30.0 << false << 2.0;
        QTest::newRow("31 across: label on a broken line") << QPointF(1, 0) << 31.0 << true << 0.0;
        QTest::newRow("0 across: label 6 below") << QPointF(1, 0) << 0.0 << false << 6.0;
        QTest::newRow("9 down: label 8 left") << QPointF(0, 1) << 9.0 << false << 8.0;
        QTest::newRow("10 down: label 4 left") << QPointF(0, 1) << 10.0 << false << 4.0;
    }

    void lengthLabel()
    {
        QFETCH(QPointF, along);
        QFETCH(double, len);
        QFETCH(bool, split);
        QFETCH(double, offset);
        const bool vertical = along.y() > 0;
        Driven<DLGraphicsLengthItemRenderer> r(
            MarkLength, {10, 20}, QPointF(10, 20) + along * len, QString(), 100.0);
        QCOMPARE(r->text(), QString::number(len + 1)); // counts both end pixels
        QCOMPARE(r->isSplit(), split);
        const QRectF label = r->labelRect();
        const double extent = vertical ? label.height() : label.width();
        const double start = vertical ? label.y() : label.x();
        QCOMPARE(start, std::round(len * 0.5 - extent * 0.5));
        if (split) {
            QCOMPARE(label.y(), -std::round(label.height() * 0.5));
            QCOMPARE(r->gapStart(), along * (start - 2));
            QCOMPARE(r->gapEnd(), along * (start + extent + 2));
        } else {
            QCOMPARE(vertical ? -label.right() : label.y(), offset);
        }
    }
};

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
