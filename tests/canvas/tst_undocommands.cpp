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
// The marks as comparable text: kind, points, text, z value, width value and label.
QString stateOf(const DLGraphicsScene &scene)
{
    QString state;
    for (const DLGraphicsItem *m : marksOf(scene))
        QDebug(&state) << m->markType() << pointsOf(m) << m->text() << m->zValue()
                       << m->orderNumber() << m->maxWidth() << m->labelSceneRect();
    return state;
}
} // namespace

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void createAndDelete_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::newRow("length") << int(MarkLength) << QString() << -1.0;
        QTest::newRow("rectangle") << int(MarkRect) << QString() << -1.0;
        QTest::newRow("colour pick") << int(MarkColorPick) << QString() << -1.0;
        QTest::newRow("comment with its text") << int(MarkComments) << "Edited note" << -1.0;
        QTest::newRow("narrowed comment keeps its wrap width")
            << int(MarkComments) << "A note that wraps" << 30.0;
    }

    void createAndDelete()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(double, width);
        DLGraphicsScene scene;
        scene.nextZValue = 3.0;
        drawMark(scene, type, {50, 50}, {90, 56});
        QCOMPARE(marksOf(scene).size(), 1); // the push's first redo adds nothing
        const QString created = stateOf(scene);
        scene.undo();
        QCOMPARE(marksOf(scene).size(), 0);
        scene.redo();
        QCOMPARE(stateOf(scene), created);
        QCOMPARE(scene.nextZValue, 4.0);

        DLGraphicsItem *mark = scene.findMarkByOrder(3);
        if (!text.isEmpty())
            mark->setText(text);
        if (width > 0) // as the width grip does it
            static_cast<DLGraphicsTextDrawItemRenderer *>(mark->renderer())->setMaxWidth(width);
        mark->refresh();
        QVERIFY(width < 0 || mark->maxWidth() == width);
        const QString shown = stateOf(scene);
        mark->setSelected(true);
        scene.deleteSelectedMarks();
        QCOMPARE(marksOf(scene).size(), 0);
        QVERIFY(dynamic_cast<const DLDeleteCommand *>(scene.undoStack.command(1)));
        scene.undo();
        QCOMPARE(stateOf(scene), shown);
        scene.redo();
        QCOMPARE(marksOf(scene).size(), 0);
    }

    void moveHistory()
    {
        DLGraphicsScene scene;
        DLGraphicsItem *mark = drawMark(scene, MarkRect, {10, 10}, {40, 30});
        dragMark(scene, mark, 9, {20, 10}, {30, 15});
        dragMark(scene, mark, 9, {30, 15}, {60, 45});
        QVERIFY(dynamic_cast<const DLMoveCommand *>(scene.undoStack.command(2)));
        scene.undo();
        QCOMPARE(pointsOf(mark), QLineF(20, 15, 50, 35));
        scene.undo();
        QCOMPARE(pointsOf(mark), QLineF(10, 10, 40, 30));
        scene.redo();
        scene.redo();
        QCOMPARE(pointsOf(mark), QLineF(50, 45, 80, 65));
        // A push after an undo drops the undone command.
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
