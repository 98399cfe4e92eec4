#include "testsupport.h"

#include "canvas/dltextchangecommand.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    // Tool|drawn from|to.
    void roundTrip_data()
    {
        rows({"length|0|10,10 40,12", "rectangle|1|10,10 40,30", "colour pick|2|22,8 50,30",
            "comment, narrowed before it is deleted|3|10,10 40,30"});
    }

    // Draw, move and delete a mark; every undo must bring back exactly the marks there were
    // before its command, and every redo those after it.
    void roundTrip()
    {
        QFETCH(QStringList, f);
        const int tool = f[0].toInt();
        const QLineF drawn = line(f[1]);
        MarkScene scene {DLToolType(tool)};
        QMap<int, QStringList> states {{0, describeMarks(scene)}};
        const auto record = [&] { states[scene.undoStack().count()] = describeMarks(scene); };
        DLGraphicsItem *mark = DLGraphicsItem::createDefault(tool, drawn.p1());
        scene.placeNewMark(mark);
        const auto gesture = [&](int part, QPointF from, QPointF to) {
            mark->pressAt(from, part);
            mark->dragTo(to, part);
            mark->releaseAt(to, part);
            if (tool == ToolComment)
                mark->renderer()->setMaxWidth(30.0), mark->refresh();
            scene.pushUndoCommand(mark->takeUndoCommand(&scene, false));
            record();
            scene.makeEditorFinishEditing(); // a new comment opened its editor on release
            record();
        };
        gesture(defaultHitPart(tool), drawn.p1(), drawn.p2());
        gesture(HitBody, drawn.p1(), drawn.p1() + QPointF(2.5, -1));
        mark->setSelected(true);
        scene.deleteSelectedMarks();
        record();
        QCOMPARE(states.size(), tool == ToolComment ? 5 : 4);
        for (int at = scene.undoStack().count() - 1; at >= 0; --at) {
            scene.undo();
            QCOMPARE(describeMarks(scene), states.value(at));
        }
        for (int at = 1; at < states.size(); ++at) {
            scene.redo();
            QCOMPARE(describeMarks(scene), states.value(at));
        }
    }

    void limitOf200()
    {
        MarkScene scene;
        DLGraphicsItem *mark = scene.restoreMark({MarkComments, 0, {1, 1}, {9, 9}, "t0", -1});
        for (int i = 1; i <= 201; ++i) {
            const QString next = QStringLiteral("t%1").arg(i), previous = mark->text();
            mark->setText(next);
            scene.pushUndoCommand(DLTextChangeCommand::create(&scene, mark, previous, next));
        }
        while (scene.undoStack().canUndo())
            scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("t1")); // the first change was dropped
    }
};

DIMLET_TEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
