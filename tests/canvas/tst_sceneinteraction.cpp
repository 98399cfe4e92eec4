#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmovecommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "scenemouse.h"

#include <QGraphicsPathItem>
#include <QGraphicsView>
#include <QTemporaryDir>

namespace {
QString picturePath;

QList<DLGraphicsItem *> marksOf(const QGraphicsScene &scene)
{
    QList<DLGraphicsItem *> marks;
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (isMarkItemType(item->type()))
            marks << static_cast<DLGraphicsItem *>(item);
    }
    return marks;
}

QPair<QPointF, QPointF> pointsOf(const DLGraphicsItem *mark)
{
    QPointF a;
    QPointF b;
    mark->points(&a, &b);
    return {a, b};
}

// A finished horizontal length mark added the way a document adds it.
DLGraphicsItem *addLength(DLGraphicsScene &scene, QPointF a, QPointF b)
{
    MarkRecordList records;
    auto *record = new MarkRecord;
    record->type = MarkLength;
    record->idx = scene.nextZValue;
    record->point1 = a;
    record->point2 = b;
    records << record;
    const QList<DLGraphicsItem *> before = marksOf(scene);
    const double next = scene.nextZValue + 1.0;
    scene.loadDocument(records, picturePath, next);
    clearMarkRecords(records);
    for (DLGraphicsItem *mark : marksOf(scene)) {
        if (!before.contains(mark))
            return mark;
    }
    return nullptr;
}

const char *invalidMessage = "mouseReleaseEvent--> remove invalid operation.";
} // namespace

class TestSceneInteraction : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clickWithoutMovement_data();
    void clickWithoutMovement();
    void drawLength_data();
    void drawLength();
    void ignoredPresses_data();
    void ignoredPresses();
    void pressOnMarkEditsIt_data();
    void pressOnMarkEditsIt();
    void overlappingMarksGoToTheTopmost();
    void invalidOldMarkIsRemovedWithoutCommand();
    void guideLinesFollowTheDrag();
    void clearCanvasDuringDrag();
    void selectionAndDelete();
    void finishEditingAndDeselect();

private:
    QTemporaryDir pictureDir;
};

void TestSceneInteraction::initTestCase()
{
    QVERIFY(pictureDir.isValid());
    picturePath = pictureDir.filePath(QStringLiteral("picture.png"));
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(picturePath));
}

void TestSceneInteraction::cleanup()
{
    // A click with Ctrl leaves the application's modifier state at Ctrl until the next event.
    QWidget widget;
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
}

void TestSceneInteraction::init()
{
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestSceneInteraction::clickWithoutMovement_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("kept");
    QTest::newRow("length mark is removed") << int(ToolLength) << false;
    QTest::newRow("rectangle becomes a point mark") << int(ToolRect) << true;
    QTest::newRow("colour pick stays") << int(ToolColorPick) << true;
    QTest::newRow("comment stays") << int(ToolComment) << true;
}

void TestSceneInteraction::clickWithoutMovement()
{
    QFETCH(int, tool);
    QFETCH(bool, kept);
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    scene.setToolType(DLToolType(tool));
    if (!kept)
        QTest::ignoreMessage(QtDebugMsg, invalidMessage);
    SceneMouse(&scene).click(QPointF(20.6, 30.2));

    QCOMPARE(marksOf(scene).size(), kept ? 1 : 0);
    QCOMPARE(scene.undoStack.count(), kept ? 1 : 0);
    QCOMPARE(scene.modified, kept);
    QCOMPARE(scene.nextZValue, 1.0);
    QVERIFY(!scene.activeMark);
    QCOMPARE(scene.activeHitPart, 0u);
    QVERIFY(!scene.guideLine1);
    if (kept) {
        QCOMPARE(pointsOf(marksOf(scene).first()).first, QPointF(20, 30));
        QVERIFY(dynamic_cast<const DLCreateCommand *>(scene.undoStack.command(0)));
    }
}

void TestSceneInteraction::drawLength_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::newRow("rightwards") << QPointF(10, 10) << QPointF(40, 12) << QPointF(10, 10)
                                << QPointF(40, 10);
    QTest::newRow("backwards with fractions floors first")
        << QPointF(50.9, 40.5) << QPointF(20.2, 44.9) << QPointF(20, 40) << QPointF(50, 40);
    QTest::newRow("negative fractions floor away from zero")
        << QPointF(-0.5, 5) << QPointF(-0.5, 30.7) << QPointF(-1, 5) << QPointF(-1, 30);
}

void TestSceneInteraction::drawLength()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    DLGraphicsScene scene;
    scene.nextZValue = 4.0;
    scene.setMode(ModeMark);
    SceneMouse(&scene).drag(from, to);

    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(pointsOf(marks.first()), qMakePair(first, second));
    QCOMPARE(marks.first()->zValue(), 4.0);
    QCOMPARE(marks.first()->orderNumber(), 4);
    QCOMPARE(scene.nextZValue, 5.0);
    QCOMPARE(scene.undoStack.count(), 1);
    QVERIFY(scene.modified);
    const auto *command = dynamic_cast<const DLCreateCommand *>(scene.undoStack.command(0));
    QVERIFY(command);
    QCOMPARE(command->order(), 4);
    QCOMPARE(marks.first()->pendingChange(), PendingChange::None);
}

void TestSceneInteraction::ignoredPresses_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("preview");
    QTest::newRow("move mode") << int(ModeMove) << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << int(ModeMark) << int(Qt::RightButton) << false;
    QTest::newRow("auto-detect preview shown") << int(ModeMark) << int(Qt::LeftButton) << true;
}

void TestSceneInteraction::ignoredPresses()
{
    QFETCH(int, mode);
    QFETCH(int, button);
    QFETCH(bool, preview);
    DLGraphicsScene scene;
    scene.setMode(DLMode(mode));
    DLGraphicsItem *existing = addLength(scene, {10, 10}, {60, 10});
    if (preview)
        scene.detectPath = scene.addPath(QPainterPath());
    SceneMouse mouse(&scene, Qt::MouseButton(button));
    mouse.drag(QPointF(100, 100), QPointF(150, 100));
    mouse.drag(QPointF(35, 10), QPointF(45, 30)); // on the existing mark's body

    QCOMPARE(marksOf(scene), QList<DLGraphicsItem *> {existing});
    QCOMPARE(pointsOf(existing), qMakePair(QPointF(10, 10), QPointF(60, 10)));
    QCOMPARE(scene.undoStack.count(), 0);
    QVERIFY(!scene.modified);
    QVERIFY(!scene.activeMark);
}

void TestSceneInteraction::pressOnMarkEditsIt_data()
{
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::newRow("body moves the mark")
        << QPointF(35, 10) << QPointF(45, 30) << QPointF(20, 30) << QPointF(70, 30);
    QTest::newRow("end handle stretches along the axis")
        << QPointF(65, 10) << QPointF(85, 40) << QPointF(10, 10) << QPointF(80, 10);
    QTest::newRow("start handle dragged past the end swaps")
        << QPointF(5, 10) << QPointF(75, 10) << QPointF(60, 10) << QPointF(80, 10);
}

void TestSceneInteraction::pressOnMarkEditsIt()
{
    QFETCH(QPointF, press);
    QFETCH(QPointF, to);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    DLGraphicsItem *mark = addLength(scene, {10, 10}, {60, 10});
    SceneMouse(&scene).drag(press, to);

    QCOMPARE(marksOf(scene), QList<DLGraphicsItem *> {mark});
    QCOMPARE(pointsOf(mark), qMakePair(first, second));
    QCOMPARE(scene.undoStack.count(), 1);
    const auto *command = dynamic_cast<const DLMoveCommand *>(scene.undoStack.command(0));
    QVERIFY(command);
    scene.undo();
    QCOMPARE(pointsOf(mark), qMakePair(QPointF(10, 10), QPointF(60, 10)));
    scene.redo();
    QCOMPARE(pointsOf(mark), qMakePair(first, second));
}

void TestSceneInteraction::overlappingMarksGoToTheTopmost()
{
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    DLGraphicsItem *lower = addLength(scene, {10, 10}, {60, 10});
    DLGraphicsItem *upper = addLength(scene, {40, 10}, {120, 10});
    QVERIFY(upper->zValue() > lower->zValue());
    // The lower mark's end handle lies on the upper mark's body: the upper mark moves.
    QCOMPARE(lower->hitTest(QPointF(65, 10)), 2);
    SceneMouse(&scene).drag(QPointF(65, 10), QPointF(75, 12));
    QCOMPARE(pointsOf(upper), qMakePair(QPointF(50, 12), QPointF(130, 12)));
    QCOMPARE(pointsOf(lower), qMakePair(QPointF(10, 10), QPointF(60, 10)));

    // Where only the lower mark reports a hit, it gets the drag.
    SceneMouse(&scene).drag(QPointF(5, 10), QPointF(15, 10));
    QCOMPARE(pointsOf(lower), qMakePair(QPointF(20, 10), QPointF(60, 10)));
    QCOMPARE(pointsOf(upper), qMakePair(QPointF(50, 12), QPointF(130, 12)));
    QCOMPARE(scene.undoStack.count(), 2);
}

void TestSceneInteraction::invalidOldMarkIsRemovedWithoutCommand()
{
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    DLGraphicsItem *mark = addLength(scene, {10, 10}, {60, 10});
    Q_UNUSED(mark)
    // Dragging the start onto the end leaves a mark of zero length.
    QTest::ignoreMessage(QtDebugMsg, invalidMessage);
    SceneMouse(&scene).drag(QPointF(5, 10), QPointF(55, 10));
    QVERIFY(marksOf(scene).isEmpty());
    QCOMPARE(scene.undoStack.count(), 0);
    QVERIFY(!scene.modified);
}

void TestSceneInteraction::guideLinesFollowTheDrag()
{
    DLGraphicsScene scene;
    scene.setSceneRect(-100, -100, 1200, 800);
    scene.scale = 0.5;
    scene.setMode(ModeMark);
    SceneMouse mouse(&scene);
    mouse.press(QPointF(10, 10));
    QVERIFY(scene.guideLine1 && scene.guideLine2);
    const QRgb dark = DLGraphicsItemRenderer::darkColor();
    QCOMPARE(scene.guideLine1->pen().color().rgba(), dark);
    QCOMPARE(scene.guideLine1->pen().dashPattern(), (QVector<qreal> {3, 3, 3, 3}));

    mouse.move(QPointF(50, 12));
    QVERIFY(scene.guideVertical);
    QCOMPARE(scene.guideLine1->pos(), QPointF(10, 0));
    QCOMPARE(scene.guideLine2->pos(), QPointF(50, 0));
    QCOMPARE(scene.guideLine1->path().boundingRect(), QRectF(0, -500, 0, 1600));

    mouse.move(QPointF(12, 50));
    QVERIFY(!scene.guideVertical);
    QCOMPARE(scene.guideLine1->pos(), QPointF(0, 10));
    QCOMPARE(scene.guideLine2->pos(), QPointF(0, 50));
    QCOMPARE(scene.guideLine2->path().boundingRect(), QRectF(-700, 0, 2400, 0));

    mouse.release(QPointF(12, 50));
    QVERIFY(!scene.guideLine1);
    QVERIFY(!scene.guideLine2);
    QCOMPARE(marksOf(scene).size(), 1);
    QCOMPARE(scene.items().size(), 1);
}

void TestSceneInteraction::clearCanvasDuringDrag()
{
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    SceneMouse mouse(&scene);
    mouse.press(QPointF(10, 10));
    mouse.move(QPointF(50, 10));
    QVERIFY(scene.guideLine1);
    scene.clearCanvas();
    QVERIFY(!scene.guideLine1);
    QVERIFY(!scene.activeMark);
    QVERIFY(scene.items().isEmpty());
    mouse.release(QPointF(60, 10));
    QCOMPARE(scene.undoStack.count(), 0);
}

void TestSceneInteraction::selectionAndDelete()
{
    DLGraphicsScene scene;
    scene.setSceneRect(0, 0, 400, 300);
    scene.setMode(ModeMark);
    QGraphicsView view(&scene);
    view.setFixedSize(420, 320);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    DLGraphicsItem *a = addLength(scene, {20, 40}, {120, 40});
    DLGraphicsItem *b = addLength(scene, {20, 140}, {120, 140});
    DLGraphicsItem *c = addLength(scene, {20, 240}, {120, 240});
    auto click = [&view](const QPointF &scenePoint, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(
            view.viewport(), Qt::LeftButton, modifiers, view.mapFromScene(scenePoint));
    };
    click(QPointF(70, 40), Qt::NoModifier);
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *> {a});
    click(QPointF(70, 140), Qt::NoModifier);
    QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *> {b});
    click(QPointF(70, 240), Qt::ControlModifier);
    QCOMPARE(scene.selectedItems().size(), 2);
    QVERIFY(c->isSelected() && b->isSelected() && !a->isSelected());
    // Clicks on marks without dragging them record nothing.
    QCOMPARE(scene.undoStack.count(), 0);

    scene.deleteSelectedMarks();
    QCOMPARE(marksOf(scene), QList<DLGraphicsItem *> {a});
    QCOMPARE(scene.undoStack.count(), 2);
    QVERIFY(scene.modified);
    scene.undo();
    scene.undo();
    QCOMPARE(marksOf(scene).size(), 3);
    QList<int> orders;
    for (DLGraphicsItem *mark : marksOf(scene))
        orders << mark->orderNumber();
    QCOMPARE(orders, (QList<int> {0, 1, 2}));
}

void TestSceneInteraction::finishEditingAndDeselect()
{
    DLGraphicsScene scene;
    DLGraphicsItem *a = addLength(scene, {20, 40}, {120, 40});
    DLGraphicsItem *b = addLength(scene, {20, 140}, {120, 140});
    a->setSelected(true);
    QVERIFY(a->isSelected());
    b->setSelected(true);
    QVERIFY(b->isSelected());
    QVERIFY(!a->isSelected());
    scene.finishEditingAndDeselect();
    QVERIFY(scene.selectedItems().isEmpty());
}

DIMLET_TEST_MAIN(TestSceneInteraction)
#include "tst_sceneinteraction.moc"
