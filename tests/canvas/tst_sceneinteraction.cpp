#include "testsupport.h"

#include "canvas/dlgraphicstextitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QSignalSpy>
#include <QTextCursor>

using Lines = QList<QLineF>;

class TestSceneInteraction : public QObject
{
    Q_OBJECT

private slots:
    void press_data()
    {
        QTest::addColumn<QString>("setup"); // the length tool in mark mode unless it says otherwise
        QTest::addColumn<QLineF>("drag");
        QTest::addColumn<bool>("placed"); // a new mark took the next order number
        QTest::addColumn<Lines>("marks"); // topmost first, after the drag
        QTest::addColumn<int>("commands");
        // Every row starts with the lower mark (10,10)-(60,10) under the upper (40,10)-(120,10).
        const QLineF lower(10, 10, 60, 10), upper(40, 10, 120, 10), body(65, 10, 75, 12);
        QTest::newRow("length drawn backwards, fractions floored")
            << "" << QLineF(50.9, 40.5, 20.2, 44.9) << true
            << Lines {{20, 40, 50, 40}, upper, lower} << 1;
        QTest::newRow("length click without movement is removed")
            << "" << QLineF(20.6, 30.2, 20.6, 30.2) << true << Lines {upper, lower} << 0;
        QTest::newRow("rectangle click keeps its mark, negative fractions floor down")
            << "rectangle" << QLineF(-0.5, 30.7, -0.5, 30.7) << true
            << Lines {{-1, 30, -1, 30}, upper, lower} << 1;
        QTest::newRow("overlap: the topmost mark that reports a hit moves")
            << "" << body << false << Lines {{50, 12, 130, 12}, lower} << 1;
        QTest::newRow("start dragged onto the end removes the mark")
            << "" << QLineF(5, 10, 55, 10) << false << Lines {upper} << 0;
        for (const char *blocked : {"move mode", "right button", "detecting"})
            QTest::newRow(blocked) << blocked << body << false << Lines {upper, lower} << 0;
    }

    void press()
    {
        QFETCH(QString, setup);
        QFETCH(QLineF, drag);
        QFETCH(bool, placed);
        QFETCH(Lines, marks);
        QFETCH(int, commands);
        MarkScene scene {setup == "rectangle" ? ToolRect : ToolLength};
        scene.setMode(setup == "move mode" ? ModeMove : ModeMark);
        scene.restoreMark({MarkLength, 0, {10, 10}, {60, 10}, QString(), -1});
        scene.restoreMark({MarkLength, 1, {40, 10}, {120, 10}, QString(), -1});
        SceneTestAccess::setNextZValue(scene, 4.0);
        if (setup == "detecting")
            scene.onTrackMouseFreeMoveStart({0, 0});
        if (marks.size() != 2 + int(placed))
            QTest::ignoreMessage(QtDebugMsg, "mouseReleaseEvent--> remove invalid operation.");
        SceneMouse(&scene, setup == "right button" ? Qt::RightButton : Qt::LeftButton)
            .drag(drag.p1(), drag.p2());
        Lines found;
        for (const DLGraphicsItem *mark : scene.marks())
            found << pointsOf(mark);
        QCOMPARE(found, marks);
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
        SceneMouse mouse(&scene);
        mouse.press({10, 10});
        QCOMPARE(guides.guideLine(1)->pen().color().rgba(), DLGraphicsItemRenderer::darkColor());
        QCOMPARE(guides.guideLine(1)->pen().dashPattern(), (QVector<qreal> {3, 3, 3, 3}));
        mouse.move({50, 12});
        QCOMPARE(guides.guideLine(1)->pos(), QPointF(10, 0));
        QCOMPARE(guides.guideLine(2)->pos(), QPointF(50, 0));
        QCOMPARE(guides.guideLine(1)->path().boundingRect(), QRectF(0, -500, 0, 1600));
        mouse.move({12, 50});
        QCOMPARE(guides.guideLine(1)->pos(), QPointF(0, 10));
        QCOMPARE(guides.guideLine(2)->pos(), QPointF(0, 50));
        QCOMPARE(guides.guideLine(2)->path().boundingRect(), QRectF(-700, 0, 2400, 0));
        mouse.release({12, 50});
        QVERIFY(!guides.guideLine(1) && !guides.guideLine(2));
        QCOMPARE(scene.items().size(), 1);
    }

    void commentEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("text"); // empty when the comment is gone
        QTest::addColumn<int>("commands");
        QTest::newRow("two lines, press elsewhere") << "Door\n2 m"
                                                    << "press"
                                                    << "Door\n2 m" << 2;
        QTest::newRow("emptied text becomes one blank") << "\x7f"
                                                        << "finish"
                                                        << " " << 2;
        QTest::newRow("deleting the comment drops the edit") << "x"
                                                             << "delete"
                                                             << "" << 2;
        QTest::newRow("clearing the canvas drops the edit") << "x"
                                                            << "clear"
                                                            << "" << 1;
    }

    void commentEdit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, text);
        QFETCH(int, commands);
        MarkScene scene(ToolComment);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scene, &activate);
        QSignalSpy states(&scene, &DLGraphicsScene::textEditStateChanged);
        SceneMouse mouse(&scene);
        mouse.click({10, 10});
        DLGraphicsItem *mark = scene.findMarkByOrder(0);
        DLGraphicsTextItem *editor = SceneTestAccess::comments(scene).textEditor();
        QVERIFY(mark && editor && editor->hasFocus() && editor->related == mark);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Comments"));
        for (const QChar ch : typed) {
            const int key = ch == '\n' ? Qt::Key_Return : ch == '\x7f' ? Qt::Key_Delete : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(ch));
            QApplication::sendEvent(&scene, &press);
        }
        if (ending == QLatin1String("press"))
            mouse.click({50, 35}); // ends the edit and makes no mark
        else if (ending == QLatin1String("finish"))
            scene.makeEditorFinishEditing();
        else if (ending == QLatin1String("delete"))
            mark->setSelected(true), scene.deleteSelectedMarks();
        else
            scene.clearCanvas();
        QVERIFY(!SceneTestAccess::comments(scene).textEditor());
        QCOMPARE(states, (QList<QVariantList> {{true}, {false}}));
        QCOMPARE(scene.undoStack().count(), commands);
        QCOMPARE(scene.marks().size(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;
        QCOMPARE(mark->text(), text);
        scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("Comments"));
        scene.redo();
        QCOMPARE(mark->text(), text);
    }
};

DIMLET_TEST_MAIN(TestSceneInteraction)
#include "tst_sceneinteraction.moc"
