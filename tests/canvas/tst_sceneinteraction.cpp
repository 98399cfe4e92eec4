#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicstextitem.h"
#include "canvas/dlmovecommand.h"
#include "canvas/guidegeometry.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenetest.h"

#include <QGraphicsPathItem>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextCursor>

namespace {
const char *invalidMessage = "mouseReleaseEvent--> remove invalid operation.";

// A settled horizontal length mark, as undo brings one back.
DLGraphicsItem *addLength(DLGraphicsScene &scene, int order, QPointF a, QPointF b)
{
    scene.recreateMark(order, MarkLength, QString(), a, b);
    return scene.findMarkByOrder(order);
}

// Typed into the scene as key presses; a line feed is Return, 0x7f is Delete.
void type(QGraphicsScene &scene, const QString &text)
{
    for (const QChar ch : text) {
        const int key = ch == '\n' ? Qt::Key_Return : ch == '\x7f' ? Qt::Key_Delete : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key ? QString() : QString(ch));
        QApplication::sendEvent(&scene, &press);
    }
}
} // namespace

class TestSceneInteraction : public QObject
{
    Q_OBJECT

private slots:
    void newMark_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QLineF>("mark"); // (-1, -1, -1, -1) when the mark is removed again
        const QPointF at(20.6, 30.2);
        QTest::newRow("length click without movement is removed")
            << int(ToolLength) << at << at << QLineF(-1, -1, -1, -1);
        QTest::newRow("length drawn backwards, fractions floored")
            << int(ToolLength) << QPointF(50.9, 40.5) << QPointF(20.2, 44.9)
            << QLineF(20, 40, 50, 40);
        QTest::newRow("negative fractions floor away from zero")
            << int(ToolLength) << QPointF(-0.5, 5) << QPointF(-0.5, 30.7) << QLineF(-1, 5, -1, 30);
    }

    void newMark()
    {
        QFETCH(int, tool);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QLineF, mark);
        const bool kept = mark != QLineF(-1, -1, -1, -1);
        DLGraphicsScene scene;
        scene.nextZValue = 4.0;
        scene.setMode(ModeMark);
        scene.setToolType(DLToolType(tool));
        if (!kept)
            QTest::ignoreMessage(QtDebugMsg, invalidMessage);
        SceneMouse(&scene).drag(from, to);

        QCOMPARE(scene.nextZValue, 5.0);
        QCOMPARE(scene.undoStack.count(), kept ? 1 : 0);
        QCOMPARE(scene.modified, kept);
        QVERIFY(!scene.activeMark && !scene.guideLine1);
        QCOMPARE(marksOf(scene).size(), kept ? 1 : 0);
        if (!kept)
            return;
        QCOMPARE(pointsOf(marksOf(scene).first()), mark);
        QCOMPARE(marksOf(scene).first()->zValue(), 4.0);
        const auto *command = dynamic_cast<const DLCreateCommand *>(scene.undoStack.command(0));
        QVERIFY(command);
        QCOMPARE(command->order(), 4);
    }

    void pressOnMark_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<bool>("removed");
        const int mark = ModeMark, left = Qt::LeftButton;
        const QPointF body(35, 10);
        QTest::newRow("start dragged onto the end removes the mark")
            << mark << left << false << QPointF(5, 10) << true;
        QTest::newRow("move mode edits nothing") << int(ModeMove) << left << false << body << false;
        QTest::newRow("right button edits nothing")
            << mark << int(Qt::RightButton) << false << body << false;
        QTest::newRow("auto-detect preview blocks presses")
            << mark << left << true << body << false;
    }

    void pressOnMark()
    {
        QFETCH(int, mode);
        QFETCH(int, button);
        QFETCH(bool, preview);
        QFETCH(QPointF, press);
        QFETCH(bool, removed);
        DLGraphicsScene scene;
        scene.setMode(DLMode(mode));
        DLGraphicsItem *length = addLength(scene, 0, {10, 10}, {60, 10});
        if (preview)
            scene.detectPath = scene.addPath(QPainterPath());
        if (removed)
            QTest::ignoreMessage(QtDebugMsg, invalidMessage);
        SceneMouse mouse(&scene, Qt::MouseButton(button));
        mouse.drag(press, {55, 10});
        QCOMPARE(marksOf(scene).size(), removed ? 0 : 1);
        if (!removed) {
            QCOMPARE(pointsOf(length), QLineF(10, 10, 60, 10));
            mouse.drag({100, 100}, {150, 100});
            QCOMPARE(marksOf(scene).size(), 1);
        }
        QCOMPARE(scene.undoStack.count(), 0);
    }

    void overlappingMarksGoToTheTopmost()
    {
        DLGraphicsScene scene;
        scene.setMode(ModeMark);
        DLGraphicsItem *lower = addLength(scene, 0, {10, 10}, {60, 10});
        DLGraphicsItem *upper = addLength(scene, 1, {40, 10}, {120, 10});
        // The lower mark's end handle lies on the upper mark's body: the upper mark moves.
        QCOMPARE(lower->hitTest(QPointF(65, 10)), 2);
        SceneMouse(&scene).drag({65, 10}, {75, 12});
        QCOMPARE(pointsOf(upper), QLineF(50, 12, 130, 12));
        QCOMPARE(pointsOf(lower), QLineF(10, 10, 60, 10));
        // Where only the lower mark reports a hit, it gets the drag.
        SceneMouse(&scene).drag({5, 10}, {15, 10});
        QCOMPARE(pointsOf(lower), QLineF(20, 10, 60, 10));
        QCOMPARE(scene.undoStack.count(), 2);
    }

    void guideLinesFollowTheDrag()
    {
        DLGraphicsScene scene;
        scene.setSceneRect(-100, -100, 1200, 800);
        scene.scale = 0.5;
        scene.setMode(ModeMark);
        SceneMouse mouse(&scene);
        mouse.press({10, 10});
        QCOMPARE(scene.guideLine1->pen().color().rgba(), DLGraphicsItemRenderer::darkColor());
        QCOMPARE(scene.guideLine1->pen().dashPattern(), (QVector<qreal> {3, 3, 3, 3}));
        mouse.move({50, 12});
        QCOMPARE(scene.guideLine1->pos(), QPointF(10, 0));
        QCOMPARE(scene.guideLine2->pos(), QPointF(50, 0));
        QCOMPARE(scene.guideLine1->path().boundingRect(), QRectF(0, -500, 0, 1600));
        mouse.move({12, 50});
        QCOMPARE(scene.guideLine1->pos(), QPointF(0, 10));
        QCOMPARE(scene.guideLine2->pos(), QPointF(0, 50));
        QCOMPARE(scene.guideLine2->path().boundingRect(), QRectF(-700, 0, 2400, 0));
        mouse.release({12, 50});
        QVERIFY(!scene.guideLine1 && !scene.guideLine2);
        QCOMPARE(scene.items().size(), 1);
    }

    void commentEditEnds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        const QString twoLines = QStringLiteral("Door\n2 m");
        QTest::newRow("two lines") << twoLines << twoLines;
        QTest::newRow("emptied text becomes one blank") << "\x7f"
                                                        << " ";
    }

    // A comment placed in an active window opens the editor on it; a press elsewhere ends the
    // edit and makes no mark.
    void commentEditEnds()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        DLGraphicsScene scene;
        scene.setSceneRect(-100, -100, 800, 600);
        scene.setMode(ModeMark);
        scene.setToolType(ToolComment);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scene, &activate);
        QSignalSpy states(&scene, &DLGraphicsScene::textEditStateChanged);
        SceneMouse mouse(&scene);
        mouse.click({100, 100});
        DLGraphicsItem *mark = scene.findMarkByOrder(0);
        DLGraphicsTextItem *editor = scene.textEditor;
        QVERIFY(mark && editor && editor->hasFocus());
        QCOMPARE(editor->related, mark);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Comments"));
        QCOMPARE(states.count(), 1);
        QVERIFY(states.at(0).at(0).toBool());
        QCOMPARE(scene.undoStack.count(), 1); // the creation, recorded before the edit
        QVERIFY(scene.hasMarks());
        type(scene, typed);
        mouse.click({400, 300});
        QVERIFY(!scene.textEditor);
        QCOMPARE(mark->text(), text);
        QCOMPARE(states.count(), 2);
        QVERIFY(!states.at(1).at(0).toBool());
        QVERIFY(scene.modified);
        QCOMPARE(scene.undoStack.count(), 2);
        QCOMPARE(marksOf(scene).size(), 1);
        scene.undo();
        QCOMPARE(mark->text(), QStringLiteral("Comments"));
        scene.redo();
        QCOMPARE(mark->text(), text);
    }

    void visibleSceneRect_data()
    {
        QTest::addColumn<QRectF>("sceneRect");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QList<int>>("bars"); // minimum, maximum, page, value; then vertical
        QTest::addColumn<QRectF>("visible");
        const QRectF scene(-100, -100, 1200, 800);
        const QList<int> still {0, 0, 10, 0, 0, 0, 10, 0};
        QTest::newRow("zoom 0.5 grows the scene by half a view each side")
            << scene << 0.5 << still << QRectF(-700, -500, 2400, 1600);
        QTest::newRow("zoom 2 is the scrolled part plus 16")
            << scene << 2.0 << QList<int> {0, 1600, 800, 400, 0, 1000, 600, 500}
            << QRectF(100, 150, 416, 316);
        QTest::newRow("zoom 2, minimum below zero, fractions truncated") << QRectF(0, 0, 100,
            50) << 2.0 << QList<int> {-50, 50, 100, 0, 0, 100, 50, 100} << QRectF(25, 33, 66, 32.5);
    }

    void visibleSceneRect()
    {
        QFETCH(QRectF, sceneRect);
        QFETCH(double, scale);
        QFETCH(QList<int>, bars);
        QFETCH(QRectF, visible);
        QScrollBar h(Qt::Horizontal), v(Qt::Vertical);
        h.setRange(bars[0], bars[1]);
        h.setPageStep(bars[2]);
        h.setValue(bars[3]);
        v.setRange(bars[4], bars[5]);
        v.setPageStep(bars[6]);
        v.setValue(bars[7]);
        QCOMPARE(::visibleSceneRect(sceneRect, scale, &h, &v), visible);
    }
};

DIMLET_TEST_MAIN(TestSceneInteraction)
#include "tst_sceneinteraction.moc"
