#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmovecommand.h"
#include "canvas/dltextchangecommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicstextdrawitemrenderer.h"

namespace {
int markCount(const QGraphicsScene &scene)
{
    int count = 0;
    const QList<QGraphicsItem *> all = scene.items();
    for (QGraphicsItem *item : all)
        count += isMarkItemType(item->type()) ? 1 : 0;
    return count;
}

QPair<QPointF, QPointF> pointsOf(const DLGraphicsItem *mark)
{
    QPointF a;
    QPointF b;
    mark->points(&a, &b);
    return {a, b};
}

// A mark made and recorded as the scene does after a drag on empty canvas.
DLGraphicsItem *drawMark(DLGraphicsScene &scene, int type, QPointF from, QPointF to)
{
    DLGraphicsItem *mark = DLGraphicsItem::createDefault(type, from);
    mark->setZValue(scene.nextZValue);
    mark->setOrderNumber(int(scene.nextZValue));
    scene.addItem(mark);
    scene.nextZValue += 1.0;
    const int part = defaultHitPart(type);
    mark->pressAt(from, part);
    mark->dragTo(to, part);
    mark->releaseAt(to, part);
    scene.undoStack.push(mark->takeUndoCommand(&scene, false));
    return mark;
}

void dragBody(DLGraphicsScene &scene, DLGraphicsItem *mark, QPointF from, QPointF to)
{
    mark->pressAt(from, 9);
    mark->dragTo(to, 9);
    mark->releaseAt(to, 9);
    scene.undoStack.push(mark->takeUndoCommand(&scene, false));
}
} // namespace

class TestUndoCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void createUndoRedo_data();
    void createUndoRedo();
    void deleteUndoRedo_data();
    void deleteUndoRedo();
    void moveTwiceUndoTwice();
    void textChange_data();
    void textChange();
    void textChangeFactoryNeedsSceneAndMark();
    void limitOf200();
    void pushAfterUndoDropsRedo();
    void missingMark_data();
    void missingMark();
    void commandWithoutScene();
    void recreatedMarkDragsAsMove();
};

void TestUndoCommands::initTestCase()
{
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestUndoCommands::createUndoRedo_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::newRow("rectangle") << int(MarkRect) << QPointF(10, 10) << QPointF(40, 30);
    QTest::newRow("length") << int(MarkLength) << QPointF(10, 10) << QPointF(40, 12);
    QTest::newRow("colour pick") << int(MarkColorPick) << QPointF(10, 10) << QPointF(40, 30);
    QTest::newRow("comment") << int(MarkComments) << QPointF(10, 10) << QPointF(-40, 30);
}

void TestUndoCommands::createUndoRedo()
{
    QFETCH(int, type);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    DLGraphicsScene scene;
    scene.nextZValue = 3.0;
    const DLGraphicsItem *mark = drawMark(scene, type, from, to);
    const auto points = pointsOf(mark);
    const QString text = mark->text();
    // The push ran the first redo, which must not add a second mark.
    QCOMPARE(markCount(scene), 1);

    scene.undo();
    QCOMPARE(markCount(scene), 0);
    QVERIFY(!scene.findMarkByOrder(3));
    scene.redo();
    QCOMPARE(markCount(scene), 1);
    const DLGraphicsItem *again = scene.findMarkByOrder(3);
    QVERIFY(again);
    QCOMPARE(again->markType(), type);
    QCOMPARE(pointsOf(again), points);
    QCOMPARE(again->text(), text);
    QCOMPARE(again->zValue(), 3.0);
    QCOMPARE(again->orderNumber(), 3);
    QCOMPARE(scene.nextZValue, 4.0);
}

void TestUndoCommands::deleteUndoRedo_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::newRow("comment keeps its text") << int(MarkComments) << "Edited note" << -1.0;
    QTest::newRow("narrowed comment keeps its wrap width")
        << int(MarkComments) << "A note that wraps" << 30.0;
    QTest::newRow("rectangle") << int(MarkRect) << QString() << -1.0;
}

void TestUndoCommands::deleteUndoRedo()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(double, width);
    DLGraphicsScene scene;
    drawMark(scene, MarkRect, {0, 0}, {5, 5});
    DLGraphicsItem *mark = drawMark(scene, type, {50, 50}, {90, 70});
    if (!text.isEmpty()) {
        mark->setText(text);
        mark->refresh();
    }
    if (width > 0) {
        // As the width grip does it.
        auto *callout = static_cast<DLGraphicsTextDrawItemRenderer *>(mark->renderer());
        callout->setMaxWidth(width);
        callout->relayoutText();
        mark->refresh();
    }
    const double shownWidth = mark->maxWidth();
    const QRectF shownLabel = mark->labelSceneRect();
    const auto points = pointsOf(mark);
    const QString shownText = mark->text();
    mark->setSelected(true);
    scene.deleteSelectedMarks();
    QCOMPARE(markCount(scene), 1);
    QCOMPARE(scene.undoStack.count(), 3);
    QVERIFY(dynamic_cast<const DLDeleteCommand *>(scene.undoStack.command(2)));

    scene.undo();
    QCOMPARE(markCount(scene), 2);
    const DLGraphicsItem *back = scene.findMarkByOrder(1);
    QVERIFY(back);
    QCOMPARE(back->markType(), type);
    QCOMPARE(back->text(), shownText);
    QCOMPARE(pointsOf(back), points);
    QCOMPARE(back->zValue(), 1.0);
    QCOMPARE(back->maxWidth(), shownWidth);
    QCOMPARE(back->labelSceneRect(), shownLabel);

    scene.redo();
    QCOMPARE(markCount(scene), 1);
    QVERIFY(!scene.findMarkByOrder(1));
    QVERIFY(scene.findMarkByOrder(0));
}

void TestUndoCommands::moveTwiceUndoTwice()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkRect, {10, 10}, {40, 30});
    dragBody(scene, mark, {20, 10}, {30, 15});
    dragBody(scene, mark, {30, 15}, {60, 45});
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(50, 45), QPointF(80, 65)));
    QCOMPARE(scene.undoStack.count(), 3);
    QVERIFY(dynamic_cast<const DLMoveCommand *>(scene.undoStack.command(1)));

    scene.undo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(20, 15), QPointF(50, 35)));
    scene.undo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(10, 10), QPointF(40, 30)));
    QCOMPARE(mark->pos(), QPointF(10, 10));
    scene.redo();
    scene.redo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(50, 45), QPointF(80, 65)));
    QCOMPARE(markCount(scene), 1);
}

void TestUndoCommands::textChange_data()
{
    QTest::addColumn<QString>("newText");
    QTest::newRow("changed text") << "Check the margin";
    QTest::newRow("unchanged text still records") << "Comments";
}

void TestUndoCommands::textChange()
{
    QFETCH(QString, newText);
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkComments, {10, 10}, {40, 30});
    const QString oldText = mark->text();
    QCOMPARE(oldText, QStringLiteral("Comments"));
    mark->setText(newText);
    mark->refresh();
    DLTextChangeCommand *command = DLTextChangeCommand::create(&scene, mark, oldText, newText);
    QVERIFY(command);
    QCOMPARE(command->scene(), &scene);
    QCOMPARE(command->order(), mark->orderNumber());
    QCOMPARE(command->markType(), int(MarkComments));
    scene.undoStack.push(command);
    QCOMPARE(mark->text(), newText);
    QCOMPARE(scene.undoStack.count(), 2);

    scene.undo();
    QCOMPARE(mark->text(), oldText);
    scene.redo();
    QCOMPARE(mark->text(), newText);
}

void TestUndoCommands::textChangeFactoryNeedsSceneAndMark()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkComments, {10, 10}, {40, 30});
    QVERIFY(!DLTextChangeCommand::create(nullptr, mark, QStringLiteral("a"), QStringLiteral("b")));
    QVERIFY(
        !DLTextChangeCommand::create(&scene, nullptr, QStringLiteral("a"), QStringLiteral("b")));
}

void TestUndoCommands::limitOf200()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkComments, {10, 10}, {40, 30});
    scene.undoStack.clear();
    QString previous = mark->text();
    for (int i = 1; i <= 201; ++i) {
        const QString next = QStringLiteral("t%1").arg(i);
        mark->setText(next);
        scene.undoStack.push(DLTextChangeCommand::create(&scene, mark, previous, next));
        previous = next;
    }
    QCOMPARE(scene.undoStack.count(), 200);
    int undone = 0;
    while (scene.undoStack.canUndo()) {
        scene.undo();
        ++undone;
    }
    QCOMPARE(undone, 200);
    // The first command was dropped, so its change can no longer be undone.
    QCOMPARE(mark->text(), QStringLiteral("t1"));
}

void TestUndoCommands::pushAfterUndoDropsRedo()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkRect, {10, 10}, {40, 30});
    dragBody(scene, mark, {20, 10}, {30, 10});
    scene.undo();
    QCOMPARE(pointsOf(mark).first, QPointF(10, 10));
    dragBody(scene, mark, {20, 10}, {20, 50});
    QCOMPARE(scene.undoStack.count(), 2);
    QVERIFY(!scene.undoStack.canRedo());
    scene.redo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(10, 50), QPointF(40, 70)));
    scene.undo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(10, 10), QPointF(40, 30)));
}

void TestUndoCommands::missingMark_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("afterUndo");
    QTest::addColumn<int>("afterRedo");
    QTest::newRow("move finds nothing either way") << "move" << 1 << 1;
    QTest::newRow("text change finds nothing either way") << "text" << 1 << 1;
    QTest::newRow("create: undo finds nothing to remove, redo rebuilds") << "create" << 1 << 2;
    QTest::newRow("delete: undo rebuilds, redo removes it again") << "delete" << 2 << 1;
}

void TestUndoCommands::missingMark()
{
    QFETCH(QString, kind);
    QFETCH(int, afterUndo);
    QFETCH(int, afterRedo);
    DLGraphicsScene scene;
    DLGraphicsItem *other = drawMark(scene, MarkComments, {10, 10}, {40, 30});
    const auto otherPoints = pointsOf(other);
    const QString otherText = other->text();
    scene.undoStack.clear();
    DLUndoCommand *command = nullptr;
    if (kind == QLatin1String("move"))
        command = new DLMoveCommand(MarkComments, 42, {0, 0}, {1, 1}, {5, 5}, {6, 6});
    else if (kind == QLatin1String("text"))
        command
            = new DLTextChangeCommand(MarkComments, 42, QStringLiteral("a"), QStringLiteral("b"));
    else if (kind == QLatin1String("delete"))
        command = new DLDeleteCommand(MarkComments, 42, {0, 0}, {1, 1}, QStringLiteral("x"));
    else
        command = new DLCreateCommand(MarkComments, 42, {0, 0}, {1, 1}, QStringLiteral("x"));
    command->setScene(&scene);
    scene.undoStack.push(command);
    QCOMPARE(markCount(scene), 1);
    scene.undo();
    QCOMPARE(markCount(scene), afterUndo);
    scene.redo();
    QCOMPARE(markCount(scene), afterRedo);
    QCOMPARE(pointsOf(other), otherPoints);
    QCOMPARE(other->text(), otherText);
    QCOMPARE(other->orderNumber(), 0);
}

void TestUndoCommands::commandWithoutScene()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkRect, {10, 10}, {40, 30});
    auto *command
        = new DLMoveCommand(MarkRect, mark->orderNumber(), {0, 0}, {1, 1}, {5, 5}, {6, 6});
    scene.undoStack.push(command);
    scene.undo();
    scene.redo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(10, 10), QPointF(40, 30)));
}

void TestUndoCommands::recreatedMarkDragsAsMove()
{
    DLGraphicsScene scene;
    DLGraphicsItem *mark = drawMark(scene, MarkLength, {10, 10}, {60, 12});
    mark->setSelected(true);
    scene.deleteSelectedMarks();
    scene.undo();
    DLGraphicsItem *back = scene.findMarkByOrder(0);
    QVERIFY(back);
    QCOMPARE(back->pendingChange(), PendingChange::None);
    // Brought back, the length mark keeps its axis: its end moves along x only.
    back->pressAt({65, 10}, 2);
    back->dragTo({75, 30}, 2);
    back->releaseAt({75, 30}, 2);
    QCOMPARE(pointsOf(back), qMakePair(QPointF(10, 10), QPointF(70, 10)));
    std::unique_ptr<DLUndoCommand> command(back->takeUndoCommand(&scene, false));
    QVERIFY(dynamic_cast<DLMoveCommand *>(command.get()));
}

DIMLET_TEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
