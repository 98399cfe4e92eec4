#include "testsupport.h"

#include "canvas/dlgraphicstextitem.h"
#include "canvas/dltextchangecommand.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QSignalSpy>
#include <QTextCursor>

class TestSceneInteraction : public QObject
{
    Q_OBJECT

private slots:
    // Setup (the length tool in mark mode unless it says otherwise)|drag|whether a new mark took
    // the next order number|marks after, topmost first|commands. Every row starts with the lower
    // mark L = 10,10 60,10 under the upper U = 40,10 120,10.
    void press_data()
    {
        rows({"length drawn backwards, fractions floor||50.9,40.5 20.2,44.9|1|20,40 50,40/U/L|1",
            "length click without movement is removed||20.6,30.2 20.6,30.2|1|U/L|0",
            "rectangle click stays, fractions floor|rect|-0.5,30.7 -0.5,30.7|1|-1,30 -1,30/U/L|1",
            "overlap: the topmost mark hit moves||65,10 75,12|0|50,12 130,12/L|1",
            "start dragged onto the end removes the mark||5,10 55,10|0|U|0",
            "move mode|move mode|65,10 75,12|0|U/L|0", "right button|right|65,10 75,12|0|U/L|0",
            "detecting|detecting|65,10 75,12|0|U/L|0"});
    }

    void press()
    {
        QFETCH(QStringList, f);
        const QString setup = f[0];
        const bool placed = f[2] == "1";
        const int commands = f[4].toInt();
        MarkScene scene {setup == "rect" ? ToolRect : ToolLength};
        scene.setMode(setup == "move mode" ? ModeMove : ModeMark);
        scene.restoreMark({MarkLength, 0, {10, 10}, {60, 10}, QString(), -1});
        scene.restoreMark({MarkLength, 1, {40, 10}, {120, 10}, QString(), -1});
        SceneTestAccess::setNextZValue(scene, 4.0);
        if (setup == "detecting")
            scene.onTrackMouseFreeMoveStart({0, 0});
        if (f[3].count('/') != 1 + int(placed))
            QTest::ignoreMessage(QtDebugMsg, "mouseReleaseEvent--> remove invalid operation.");
        drag(&scene, line(f[1]).p1(), line(f[1]).p2(),
            setup == "right" ? Qt::RightButton : Qt::LeftButton);
        QCOMPARE(describeMarks(scene, false).join('/'),
            QString(f[3]).replace("U", "40,10 120,10").replace("L", "10,10 60,10"));
        QCOMPARE(scene.undoStack().count(), commands);
        QCOMPARE(scene.isModified(), commands > 0);
        QCOMPARE(scene.nextZValue(), placed ? 5.0 : 4.0);
        QCOMPARE(scene.marks().first()->orderNumber(), placed && commands ? 4 : 1);
        QVERIFY(!SceneTestAccess::interaction(scene).activeMark());
    }

    void guideLinesFollowTheDrag()
    {
        MarkScene scene;
        scene.setSceneRect(-100, -100, 1200, 800);
        scene.setScale(0.5, nullptr);
        const DLMarkInteraction &guides = SceneTestAccess::interaction(scene);
        const auto mouse = [&](QEvent::Type type, QPointF at) {
            sendMouse(&scene, type, at, {10, 10});
        };
        mouse(QEvent::GraphicsSceneMousePress, {10, 10});
        mouse(QEvent::GraphicsSceneMouseMove, {50, 12});
        QCOMPARE(guides.guideLine(1)->pos(), QPointF(10, 0));
        QCOMPARE(guides.guideLine(2)->pos(), QPointF(50, 0));
        QCOMPARE(guides.guideLine(1)->path().boundingRect(), QRectF(0, -500, 0, 1600));
        mouse(QEvent::GraphicsSceneMouseMove, {12, 50});
        QCOMPARE(guides.guideLine(1)->pos(), QPointF(0, 10));
        QCOMPARE(guides.guideLine(2)->pos(), QPointF(0, 50));
        QCOMPARE(guides.guideLine(2)->path().boundingRect(), QRectF(-700, 0, 2400, 0));
        mouse(QEvent::GraphicsSceneMouseRelease, {12, 50});
        QVERIFY(!guides.guideLine(1) && !guides.guideLine(2));
        QCOMPARE(scene.items().size(), 1);
    }

    // Typed (a DEL stands for the Delete key)|how the edit ends|text after, empty when the
    // comment is gone|commands.
    void commentEdit_data()
    {
        rows({"two lines, press elsewhere|Door\n2 m|press|Door\n2 m|2",
            "emptied text becomes one blank|\x7f|finish| |2",
            "deleting the comment drops the edit|x|delete||2",
            "clearing the canvas drops the edit|x|clear||1"});
    }

    void commentEdit()
    {
        QFETCH(QStringList, f);
        const QString ending = f[1], text = f[2];
        MarkScene scene(ToolComment);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scene, &activate);
        QSignalSpy states(&scene, &DLGraphicsScene::textEditStateChanged);
        drag(&scene, {10, 10}, {10, 10});
        DLGraphicsItem *mark = scene.findMarkByOrder(0);
        DLGraphicsTextItem *editor = SceneTestAccess::comments(scene).textEditor();
        QVERIFY(mark && editor && editor->hasFocus() && editor->related == mark);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Comments"));
        for (const QChar ch : f[0]) {
            const int key = ch == '\n' ? Qt::Key_Return : ch == '\x7f' ? Qt::Key_Delete : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(ch));
            QApplication::sendEvent(&scene, &press);
        }
        if (ending == "press")
            drag(&scene, {50, 35}, {50, 35}); // ends the edit and makes no mark
        else if (ending == "finish")
            scene.makeEditorFinishEditing();
        else if (ending == "delete")
            mark->setSelected(true), scene.deleteSelectedMarks();
        else
            scene.clearCanvas();
        QVERIFY(!SceneTestAccess::comments(scene).textEditor());
        QCOMPARE(states, (QList<QVariantList> {{true}, {false}}));
        QCOMPARE(scene.undoStack().count(), f[3].toInt());
        QCOMPARE(scene.marks().size(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;
        QCOMPARE(mark->text(), text);
        scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("Comments"));
    }

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

DIMLET_TEST_MAIN(TestSceneInteraction)
#include "tst_sceneinteraction.moc"
