#include "testsupport.h"

#include "canvas/dlgraphicstextitem.h"
#include "canvas/guidegeometry.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextCursor>

using Lines = QList<QLineF>;

class TestSceneInteraction : public QObject
{
    Q_OBJECT

private slots:
    void press_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("detecting");
        QTest::addColumn<QLineF>("drag");
        QTest::addColumn<bool>("placed"); // a new mark took the next order number
        QTest::addColumn<Lines>("marks"); // topmost first, after the drag
        QTest::addColumn<int>("commands");
        const int length = ToolLength, mark = ModeMark, left = Qt::LeftButton;
        // Every row starts with the lower mark (10,10)-(60,10) under the upper (40,10)-(120,10).
        const QLineF lower(10, 10, 60, 10), upper(40, 10, 120, 10), body(65, 10, 75, 12);
        QTest::newRow("length drawn backwards, fractions floored")
            << length << mark << left << false << QLineF(50.9, 40.5, 20.2, 44.9) << true
            << Lines {{20, 40, 50, 40}, upper, lower} << 1;
        QTest::newRow("length click without movement is removed")
            << length << mark << left << false << QLineF(20.6, 30.2, 20.6, 30.2) << true
            << Lines {upper, lower} << 0;
        QTest::newRow("rectangle click keeps its mark, negative fractions floor down")
            << int(ToolRect) << mark << left << false << QLineF(-0.5, 30.7, -0.5, 30.7) << true
            << Lines {{-1, 30, -1, 30}, upper, lower} << 1;
        QTest::newRow("overlap: the topmost mark that reports a hit moves")
            << length << mark << left << false << body << false << Lines {{50, 12, 130, 12}, lower}
            << 1;
        QTest::newRow("start dragged onto the end removes the mark")
            << length << mark << left << false << QLineF(5, 10, 55, 10) << false << Lines {upper}
            << 0;
        QTest::newRow("move mode edits nothing") << length << int(ModeMove) << left << false << body
                                                 << false << Lines {upper, lower} << 0;
        QTest::newRow("right button edits nothing")
            << length << mark << int(Qt::RightButton) << false << body << false
            << Lines {upper, lower} << 0;
        QTest::newRow("detection preview blocks presses")
            << length << mark << left << true << body << false << Lines {upper, lower} << 0;
    }

    void press()
    {
        QFETCH(int, tool);
        QFETCH(int, mode);
        QFETCH(int, button);
        QFETCH(bool, detecting);
        QFETCH(QLineF, drag);
        QFETCH(bool, placed);
        QFETCH(Lines, marks);
        QFETCH(int, commands);
        MarkScene scene {DLToolType(tool)};
        scene.setMode(DLMode(mode));
        scene.restoreMark({MarkLength, 0, {10, 10}, {60, 10}, QString(), -1});
        scene.restoreMark({MarkLength, 1, {40, 10}, {120, 10}, QString(), -1});
        SceneTestAccess::setNextZValue(scene, 4.0);
        if (detecting)
            scene.onTrackMouseFreeMoveStart({0, 0});
        if (marks.size() != 2 + int(placed))
            QTest::ignoreMessage(QtDebugMsg, "mouseReleaseEvent--> remove invalid operation.");
        SceneMouse(&scene, Qt::MouseButton(button)).drag(drag.p1(), drag.p2());

        Lines found;
        for (const DLGraphicsItem *mark : scene.marks())
            found << pointsOf(mark);
        QCOMPARE(found, marks);
        QCOMPARE(scene.undoStack().count(), commands);
        QCOMPARE(scene.isModified(), commands > 0);
        QCOMPARE(scene.nextZValue(), placed ? 5.0 : 4.0);
        if (placed && commands)
            QCOMPARE(scene.marks().first()->orderNumber(), 4);
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

    void visibleSceneRect_data()
    {
        QTest::addColumn<QRectF>("sceneRect");
        QTest::addColumn<QList<int>>("bars"); // minimum, maximum, page, value; then vertical
        QTest::addColumn<QRectF>("visible");
        QTest::newRow("zoom 2 is the scrolled part plus 16")
            << QRectF(-100, -100, 1200, 800) << QList<int> {0, 1600, 800, 400, 0, 1000, 600, 500}
            << QRectF(100, 150, 416, 316);
        QTest::newRow("minimum below zero, fractions truncated") << QRectF(0, 0, 100,
            50) << QList<int> {-50, 50, 100, 0, 0, 100, 50, 100} << QRectF(25, 33, 66, 32.5);
    }

    void visibleSceneRect()
    {
        QFETCH(QRectF, sceneRect);
        QFETCH(QList<int>, bars);
        QFETCH(QRectF, visible);
        QScrollBar h(Qt::Horizontal), v(Qt::Vertical);
        h.setRange(bars[0], bars[1]);
        h.setPageStep(bars[2]);
        h.setValue(bars[3]);
        v.setRange(bars[4], bars[5]);
        v.setPageStep(bars[6]);
        v.setValue(bars[7]);
        QCOMPARE(::visibleSceneRect(sceneRect, 2.0, &h, &v), visible);
    }
};

DIMLET_TEST_MAIN(TestSceneInteraction)
#include "tst_sceneinteraction.moc"
