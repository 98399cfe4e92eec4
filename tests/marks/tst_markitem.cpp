#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

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
        QTest::newRow("just above a whole pixel") << QPointF(1.01, 0.99) << QPointF(2, 1);
    }

    void wholeMarkMove()
    {
        QFETCH(QPointF, delta);
        QFETCH(QPointF, moved);
        for (int type : allTypes) {
            auto item = mark(type);
            item->pressAt({30, 20}, 9);
            item->dragTo(QPointF(30, 20) + delta, 9);
            QPointF a, b;
            item->points(&a, &b);
            QCOMPARE(QLineF(a, b), QLineF(10, 20, 60, 20).translated(moved));
            QCOMPARE(item->pos(), a);
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
            if (release == QPointF(30, 20)) {
                QPointF a, b;
                item->points(&a, &b);
                QCOMPARE(QLineF(a, b), QLineF(10, 20, 60, 20));
            }
            QCOMPARE(takeCommand(*item, false), kind);
            QCOMPARE(takeCommand(*item, false), QString());
            item->setPendingChange(PendingChange::Created); // deleting wins over what is owed
            QCOMPARE(takeCommand(*item, true), QStringLiteral("delete"));
        }
    }
};

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
