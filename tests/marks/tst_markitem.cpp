#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "canvas/scenetest.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "stubnotifyhandle.h"

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(PendingChange)

namespace {
const int allTypes[] = {MarkLength, MarkRect, MarkColorPick, MarkComments};

std::unique_ptr<DLGraphicsItem> mark(int type, double width = -1.0)
{
    return std::unique_ptr<DLGraphicsItem>(
        DLGraphicsItem::create(type, {10, 20}, {60, 20}, QStringLiteral("text"), width));
}

QString takeCommand(DLGraphicsItem &item, bool deleting)
{
    std::unique_ptr<DLUndoCommand> command(item.takeUndoCommand(nullptr, deleting));
    if (command && (command->order() != 4 || command->markType() != item.markType()))
        return QStringLiteral("wrong mark");
    if (dynamic_cast<DLCreateCommand *>(command.get()))
        return QStringLiteral("create");
    if (dynamic_cast<DLMoveCommand *>(command.get()))
        return QStringLiteral("move");
    return dynamic_cast<DLDeleteCommand *>(command.get()) ? QStringLiteral("delete") : QString();
}
} // namespace

class TestMarkItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // Rectangles and colour picks carry no width value into documents.
    void fillRecord()
    {
        for (int type : allTypes) {
            auto item = mark(type, 100.0);
            item->setZValue(7);
            MarkRecord record;
            QVERIFY(item->fillRecord(&record));
            QCOMPARE(record.idx, 7.0);
            QCOMPARE(QLineF(record.point1, record.point2), QLineF(10, 20, 60, 20));
            QCOMPARE(record.maxw, type == MarkRect || type == MarkColorPick ? -1.0 : 100.0);
            QCOMPARE(record.text, item->text());
        }
    }

    void wholeMarkMove_data()
    {
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QPointF>("moved");
        QTest::newRow("fractions round up") << QPointF(2.3, -0.5) << QPointF(3, 0);
        QTest::newRow("negative fractions toward zero") << QPointF(-2.5, -1.2) << QPointF(-2, -1);
    }

    void wholeMarkMove()
    {
        QFETCH(QPointF, delta);
        QFETCH(QPointF, moved);
        for (int type : allTypes) {
            auto item = mark(type);
            item->pressAt({30, 20}, 9);
            item->dragTo(QPointF(30, 20) + delta, 9);
            QCOMPARE(pointsOf(item.get()), QLineF(10, 20, 60, 20).translated(moved));
            QCOMPARE(item->pos(), QPointF(10, 20) + moved);
        }
    }

    // What a press, drag and release leave owed, and the undo command collected for it, once.
    void undoCommandOwed_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<PendingChange>("before");
        QTest::addColumn<QPointF>("release"); // pressed at (30, 20)
        QTest::addColumn<PendingChange>("after");
        QTest::addColumn<QString>("kind");
        using P = PendingChange;
        const QPointF away(35, 25);
        QTest::newRow("body drag is a move") << 9 << P::None << away << P::Moved << "move";
        QTest::newRow("end drag is a resize") << 2 << P::None << away << P::Resized << "move";
        QTest::newRow("part 10 records nothing") << 10 << P::Moved << away << P::None << "";
        QTest::newRow("a new mark stays created")
            << 9 << P::Created << away << P::Created << "create";
        QTest::newRow("release at the press point: no change")
            << 9 << P::None << QPointF(30, 20) << P::None << "";
        QTest::newRow("release at the press point keeps a move")
            << 2 << P::Moved << QPointF(30, 20) << P::Moved << "move";
    }

    void undoCommandOwed()
    {
        QFETCH(int, part);
        QFETCH(PendingChange, before);
        QFETCH(QPointF, release);
        QFETCH(PendingChange, after);
        QFETCH(QString, kind);
        for (int type : allTypes) {
            auto item = mark(type);
            item->setOrderNumber(4);
            item->setPendingChange(before);
            item->pressAt({30, 20}, part);
            item->releaseAt(release, part);
            QCOMPARE(item->pendingChange(), after);
            if (release == QPointF(30, 20))
                QCOMPARE(pointsOf(item.get()), QLineF(10, 20, 60, 20));
            QCOMPARE(takeCommand(*item, false), kind);
            QCOMPARE(takeCommand(*item, false), QString());
            item->setPendingChange(PendingChange::Created); // deleting wins over what is owed
            QCOMPARE(takeCommand(*item, true), QStringLiteral("delete"));
        }
    }

    void lengthLabelLayout_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<double>("len");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("split");
        QTest::addColumn<double>("offset"); // when not split: below, or left of, the line
        QTest::newRow("30 across: label under the line") << false << 30.0 << "31" << false << 2.0;
        QTest::newRow("31 across: label on a broken line") << false << 31.0 << "32" << true << 0.0;
        QTest::newRow("0 across: label 6 below") << false << 0.0 << "1" << false << 6.0;
        QTest::newRow("9 down: label 8 left") << true << 9.0 << "10" << false << 8.0;
        QTest::newRow("10 down: label 4 left") << true << 10.0 << "11" << false << 4.0;
    }

    void lengthLabelLayout()
    {
        QFETCH(bool, vertical);
        QFETCH(double, len);
        QFETCH(QString, text);
        QFETCH(bool, split);
        QFETCH(double, offset);
        StubNotifyHandle handle;
        DLGraphicsLengthItemRenderer r;
        const QPointF along = vertical ? QPointF(0, 1) : QPointF(1, 0);
        r.init(&handle, QPointF(10, 20), QPointF(10, 20) + along * len, QString(), 100.0);
        QCOMPARE(r.text(), text);
        QCOMPARE(r.isSplit(), split);
        const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(text);
        const QRectF label = r.labelRect();
        QCOMPARE(label.size(), QSizeF(tb.width() + 2, tb.height()));
        const double extent = vertical ? label.height() : label.width();
        const double start = vertical ? label.y() : label.x();
        QCOMPARE(start, std::round(len * 0.5 - extent * 0.5));
        if (split) {
            const double across = vertical ? label.x() : label.y();
            QCOMPARE(across, -std::round((vertical ? label.width() : label.height()) * 0.5));
            QCOMPARE(r.gapStart(), along * (start - 2));
            QCOMPARE(r.gapEnd(), along * (start + extent + 2));
        } else {
            QCOMPARE(vertical ? -label.right() : label.y(), offset);
        }
    }

    // A new mark's first drag snaps to the dominant axis and orders its ends; once the axis is
    // fixed each end moves along it only. Presses on handle corners check the handles' places.
    void lengthDrag_data()
    {
        QTest::addColumn<QPointF>("p2"); // from (10, 20) with a width value; none: a new mark
        QTest::addColumn<int>("part");
        QTest::addColumn<QLineF>("drag");
        QTest::addColumn<QLineF>("points");
        const QPointF h(50, 20);
        const QPointF v(10, 75);
        QTest::newRow("tie gives horizontal")
            << QPointF() << 2 << QLineF(10, 10, 30, 30) << QLineF(10, 10, 30, 10);
        QTest::newRow("steep drawn upwards keeps the start column")
            << QPointF() << 2 << QLineF(10, 50, 13, 10) << QLineF(10, 10, 10, 50);
        QTest::newRow("start across the axis: no change")
            << h << 1 << QLineF(2, 17, 2, 57) << QLineF(10, 20, 50, 20);
        QTest::newRow("start right past the end swaps ends")
            << h << 1 << QLineF(2, 17, 72, 20) << QLineF(50, 20, 80, 20);
        QTest::newRow("end left past the start swaps ends")
            << h << 2 << QLineF(59, 24, -1, 24) << QLineF(-10, 20, 10, 20);
        QTest::newRow("vertical start below the end swaps ends")
            << v << 1 << QLineF(7, 12, 7, 82) << QLineF(10, 75, 10, 90);
    }

    void lengthDrag()
    {
        QFETCH(QPointF, p2);
        QFETCH(int, part);
        QFETCH(QLineF, drag);
        QFETCH(QLineF, points);
        std::unique_ptr<DLGraphicsItem> item(p2.isNull()
                ? DLGraphicsItem::createDefault(MarkLength, drag.p1())
                : DLGraphicsItem::create(MarkLength, QPointF(10, 20), p2, QString(), 100.0));
        if (!p2.isNull())
            QCOMPARE(item->hitTest(drag.p1()), part);
        item->pressAt(drag.p1(), part);
        item->dragTo(drag.p2(), part);
        item->releaseAt(drag.p2(), part);
        QCOMPARE(pointsOf(item.get()), points);
        QCOMPARE(item->pos(), points.p1());
    }
};

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
