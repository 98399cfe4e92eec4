#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmovecommand.h"
#include "canvas/dltextchangecommand.h"
#include "marks/dlgraphicstextdrawitemrenderer.h"
#include "scenetest.h"

namespace {
// Presses, drags and releases a mark as the scene does, then records the change.
void dragMark(DLGraphicsScene &scene, DLGraphicsItem *mark, int part, QPointF from, QPointF to)
{
    mark->pressAt(from, part);
    mark->dragTo(to, part);
    mark->releaseAt(to, part);
    scene.undoStack.push(mark->takeUndoCommand(&scene, false));
}

DLGraphicsItem *drawMark(DLGraphicsScene &scene, int type, QPointF from, QPointF to)
{
    DLGraphicsItem *mark = DLGraphicsItem::createDefault(type, from);
    mark->setZValue(scene.nextZValue);
    mark->setOrderNumber(int(scene.nextZValue));
    scene.addItem(mark);
    scene.nextZValue += 1.0;
    dragMark(scene, mark, defaultHitPart(type), from, to);
    return mark;
}
} // namespace

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    // A narrowed comment comes back from a deleted one with its text and wrap width.
    void deletedCommentKeepsItsWidth()
    {
        DLGraphicsScene scene;
        DLGraphicsItem *mark = drawMark(scene, MarkComments, {50, 50}, {90, 56});
        mark->setText(QStringLiteral("A note that wraps"));
        static_cast<DLGraphicsTextDrawItemRenderer *>(mark->renderer())->setMaxWidth(30.0);
        mark->refresh();
        const QRectF label = mark->labelSceneRect();
        mark->setSelected(true);
        scene.deleteSelectedMarks();
        QVERIFY(marksOf(scene).isEmpty());
        scene.undo();
        mark = scene.findMarkByOrder(0);
        QVERIFY(mark);
        QCOMPARE(mark->text(), QStringLiteral("A note that wraps"));
        QCOMPARE(mark->maxWidth(), 30.0);
        QCOMPARE(mark->labelSceneRect(), label);
    }

    // A push after an undo drops the undone command.
    void pushAfterUndo()
    {
        DLGraphicsScene scene;
        DLGraphicsItem *mark = drawMark(scene, MarkRect, {10, 10}, {40, 30});
        dragMark(scene, mark, 9, {20, 10}, {30, 15});
        dragMark(scene, mark, 9, {30, 15}, {60, 45});
        scene.undo();
        dragMark(scene, mark, 9, {20, 15}, {20, 55});
        QCOMPARE(scene.undoStack.count(), 3);
        scene.redo();
        QCOMPARE(pointsOf(mark), QLineF(20, 55, 50, 75));
        scene.undo();
        QCOMPARE(pointsOf(mark), QLineF(20, 15, 50, 35));
    }

    void limitOf200()
    {
        DLGraphicsScene scene;
        DLGraphicsItem *mark = drawMark(scene, MarkComments, {10, 10}, {40, 30});
        scene.undoStack.clear();
        for (int i = 1; i <= 201; ++i) {
            const QString next = QStringLiteral("t%1").arg(i);
            const QString previous = mark->text();
            mark->setText(next);
            scene.undoStack.push(DLTextChangeCommand::create(&scene, mark, previous, next));
        }
        int undone = 0;
        for (; scene.undoStack.canUndo(); ++undone)
            scene.undo();
        QCOMPARE(undone, 200);
        QCOMPARE(mark->text(), QStringLiteral("t1")); // the first change was dropped
    }

    void missingMark_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("afterUndo");
        QTest::addColumn<int>("afterRedo");
        QTest::newRow("move finds nothing either way") << "move" << 1 << 1;
        QTest::newRow("text change finds nothing either way") << "text" << 1 << 1;
        QTest::newRow("create: undo finds nothing, redo rebuilds") << "create" << 1 << 2;
        QTest::newRow("delete: undo rebuilds, redo removes it again") << "delete" << 2 << 1;
        QTest::newRow("a command without a scene does nothing") << "no scene" << 1 << 1;
    }

    void missingMark()
    {
        QFETCH(QString, kind);
        QFETCH(int, afterUndo);
        QFETCH(int, afterRedo);
        DLGraphicsScene scene;
        DLGraphicsItem *other = drawMark(scene, MarkComments, {10, 10}, {40, 30});
        const QLineF otherPoints = pointsOf(other);
        scene.undoStack.clear();
        const QString a = QStringLiteral("a"), b = QStringLiteral("b");
        DLUndoCommand *command = nullptr;
        if (kind == QLatin1String("move"))
            command = new DLMoveCommand(MarkComments, 42, {0, 0}, {1, 1}, {5, 5}, {6, 6});
        else if (kind == QLatin1String("text"))
            command = new DLTextChangeCommand(MarkComments, 42, a, b);
        else if (kind == QLatin1String("delete"))
            command = new DLDeleteCommand(MarkComments, 42, {0, 0}, {1, 1}, a);
        else if (kind == QLatin1String("create"))
            command = new DLCreateCommand(MarkComments, 42, {0, 0}, {1, 1}, a);
        else
            command = new DLMoveCommand(MarkComments, 0, {0, 0}, {1, 1}, {5, 5}, {6, 6});
        if (kind != QLatin1String("no scene"))
            command->setScene(&scene);
        scene.undoStack.push(command);
        QCOMPARE(marksOf(scene).size(), 1);
        scene.undo();
        QCOMPARE(marksOf(scene).size(), afterUndo);
        scene.redo();
        QCOMPARE(marksOf(scene).size(), afterRedo);
        QCOMPARE(pointsOf(other), otherPoints);
        QCOMPARE(other->text(), QStringLiteral("Comments"));
    }
};

DIMLET_TEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
