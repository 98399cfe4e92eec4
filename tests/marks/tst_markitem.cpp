#include "testsupport.h"

#include "canvas/dlcreatecommand.h"
#include "canvas/dldeletecommand.h"
#include "canvas/dlmovecommand.h"
#include "marks/dlgraphicscommentsitem.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QStyleOptionGraphicsItem>

#include <memory>

Q_DECLARE_METATYPE(PendingChange)

namespace {
std::unique_ptr<DLGraphicsItem> make(int type, QPointF p1, QPointF p2, double width = -1.0)
{
    return std::unique_ptr<DLGraphicsItem>(
        DLGraphicsItem::create(type, p1, p2, QStringLiteral("text"), width));
}
} // namespace

class TestMarkItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void itemType_data();
    void itemType();
    void unknownTypes_data();
    void unknownTypes();
    void createDefault_data();
    void createDefault();
    void flags();
    void fillRecord_data();
    void fillRecord();
    void releaseAtPressPoint_data();
    void releaseAtPressPoint();
    void wholeMarkMove_data();
    void wholeMarkMove();
    void pendingAfterRelease_data();
    void pendingAfterRelease();
    void undoCommandKind_data();
    void undoCommandKind();
    void shapeWidensHitPath_data();
    void shapeWidensHitPath();
    void selectionHandler();
    void commentEditRequests();
};

void TestMarkItem::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestMarkItem::itemType_data()
{
    QTest::addColumn<int>("markType");
    QTest::addColumn<int>("itemType");
    QTest::newRow("length") << int(MarkLength) << 65536;
    QTest::newRow("rectangle") << int(MarkRect) << 65537;
    QTest::newRow("colour pick") << int(MarkColorPick) << 65538;
    QTest::newRow("comment") << int(MarkComments) << 65539;
}

void TestMarkItem::itemType()
{
    QFETCH(int, markType);
    QFETCH(int, itemType);
    auto item = make(markType, {10, 10}, {40, 10});
    QVERIFY(item);
    QCOMPARE(item->type(), itemType);
    QCOMPARE(item->markType(), markType);
    QVERIFY(item->renderer());
    QCOMPARE(item->pendingChange(), PendingChange::Created);
    QCOMPARE(item->orderNumber(), 0);
    QCOMPARE(item->renderer()->hitPart(), markType == MarkRect ? 8 : 2);
}

void TestMarkItem::unknownTypes_data()
{
    QTest::addColumn<int>("markType");
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the last") << 4;
    QTest::newRow("far out") << 65536;
}

void TestMarkItem::unknownTypes()
{
    QFETCH(int, markType);
    QVERIFY(!make(markType, {0, 0}, {1, 1}));
    QVERIFY(!DLGraphicsItem::createDefault(markType, {0, 0}));
    QVERIFY(!DLGraphicsItem::createRenderer(markType));
}

void TestMarkItem::createDefault_data()
{
    QTest::addColumn<int>("markType");
    QTest::addColumn<QString>("text");
    QTest::newRow("length starts without text") << int(MarkLength) << "1";
    QTest::newRow("comment starts with its default text") << int(MarkComments) << "Comments";
}

void TestMarkItem::createDefault()
{
    QFETCH(int, markType);
    QFETCH(QString, text);
    std::unique_ptr<DLGraphicsItem> item(DLGraphicsItem::createDefault(markType, {12, 34}));
    QPointF a;
    QPointF b;
    item->points(&a, &b);
    QCOMPARE(a, QPointF(12, 34));
    QCOMPARE(b, QPointF(12, 34));
    QCOMPARE(item->pos(), QPointF(12, 34));
    // A length mark's label is its length, one pixel for coinciding points.
    QCOMPARE(item->text(), text);
}

void TestMarkItem::flags()
{
    auto item = make(MarkRect, {0, 0}, {10, 10});
    QVERIFY(item->acceptHoverEvents());
    QVERIFY(!(item->flags() & QGraphicsItem::ItemIsMovable));
    QVERIFY(item->flags() & QGraphicsItem::ItemIsFocusable);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item->flags() & QGraphicsItem::ItemSendsGeometryChanges);
    QVERIFY(!item->parentItem());
}

void TestMarkItem::fillRecord_data()
{
    QTest::addColumn<int>("markType");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("expectedWidth");
    QTest::newRow("length keeps its width value") << int(MarkLength) << 100.0 << 100.0;
    QTest::newRow("rectangle always -1") << int(MarkRect) << 55.0 << -1.0;
    QTest::newRow("colour pick always -1") << int(MarkColorPick) << 55.0 << -1.0;
    QTest::newRow("comment keeps its wrap width") << int(MarkComments) << 80.0 << 80.0;
}

void TestMarkItem::fillRecord()
{
    QFETCH(int, markType);
    QFETCH(double, width);
    QFETCH(double, expectedWidth);
    auto item = make(markType, {10, 20}, {60, 20}, width);
    item->setZValue(7);
    MarkRecord record;
    QVERIFY(item->fillRecord(&record));
    QCOMPARE(record.idx, 7.0);
    QCOMPARE(record.point1, QPointF(10, 20));
    QCOMPARE(record.point2, QPointF(60, 20));
    QCOMPARE(record.maxw, expectedWidth);
    QCOMPARE(record.text, item->text());
    QCOMPARE(record.type, 0); // the caller fills the type
}

void TestMarkItem::releaseAtPressPoint_data()
{
    QTest::addColumn<int>("markType");
    QTest::addColumn<int>("part");
    QTest::addColumn<PendingChange>("before");
    QTest::newRow("length body of a settled mark") << int(MarkLength) << 9 << PendingChange::None;
    QTest::newRow("length end of a settled mark") << int(MarkLength) << 2 << PendingChange::None;
    QTest::newRow("rectangle corner of a new mark") << int(MarkRect) << 8 << PendingChange::Created;
    QTest::newRow("colour pick end after a move")
        << int(MarkColorPick) << 2 << PendingChange::Moved;
}

void TestMarkItem::releaseAtPressPoint()
{
    QFETCH(int, markType);
    QFETCH(int, part);
    QFETCH(PendingChange, before);
    auto item = make(markType, {10, 20}, {60, 20});
    item->setPendingChange(before);
    item->pressAt({30, 20}, part);
    item->releaseAt({30, 20}, part);
    QPointF a;
    QPointF b;
    item->points(&a, &b);
    QCOMPARE(a, QPointF(10, 20));
    QCOMPARE(b, QPointF(60, 20));
    QCOMPARE(item->pendingChange(), before);
    QCOMPARE(item->pos(), QPointF(10, 20));
    QVERIFY(!item->renderer()->isPressed());
}

void TestMarkItem::wholeMarkMove_data()
{
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QPointF>("moved");
    QTest::newRow("fractions round up") << QPointF(2.3, -0.5) << QPointF(3, 0);
    QTest::newRow("negative fractions round towards zero")
        << QPointF(-2.5, -1.2) << QPointF(-2, -1);
    QTest::newRow("whole pixels stay") << QPointF(4, -3) << QPointF(4, -3);
    QTest::newRow("just above a whole pixel") << QPointF(1.01, 0.99) << QPointF(2, 1);
}

void TestMarkItem::wholeMarkMove()
{
    QFETCH(QPointF, delta);
    QFETCH(QPointF, moved);
    for (int type : {int(MarkLength), int(MarkRect), int(MarkColorPick), int(MarkComments)}) {
        auto item = make(type, {10, 20}, {60, 20});
        const QPointF press(30, 20);
        item->pressAt(press, 9);
        item->dragTo(press + delta, 9);
        QPointF a;
        QPointF b;
        item->points(&a, &b);
        QCOMPARE(a, QPointF(10, 20) + moved);
        QCOMPARE(b, QPointF(60, 20) + moved);
        QCOMPARE(item->pos(), QPointF(10, 20) + moved);
    }
}

void TestMarkItem::pendingAfterRelease_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<PendingChange>("before");
    QTest::addColumn<PendingChange>("after");
    QTest::newRow("body drag is a move") << 9 << PendingChange::None << PendingChange::Moved;
    QTest::newRow("end drag is a resize") << 2 << PendingChange::None << PendingChange::Resized;
    QTest::newRow("start drag is a resize") << 1 << PendingChange::Moved << PendingChange::Resized;
    QTest::newRow("part 10 records nothing") << 10 << PendingChange::Moved << PendingChange::None;
    QTest::newRow("part 0 records nothing") << 0 << PendingChange::Resized << PendingChange::None;
    QTest::newRow("a new mark stays created")
        << 9 << PendingChange::Created << PendingChange::Created;
}

void TestMarkItem::pendingAfterRelease()
{
    QFETCH(int, part);
    QFETCH(PendingChange, before);
    QFETCH(PendingChange, after);
    auto item = make(MarkColorPick, {10, 20}, {60, 40});
    item->setPendingChange(before);
    item->pressAt({30, 20}, part);
    item->dragTo({35, 25}, part);
    item->releaseAt({35, 25}, part);
    QCOMPARE(item->pendingChange(), after);
    QCOMPARE(item->renderer()->hitPart(), 0);
    QVERIFY(!item->renderer()->isPressed());
}

void TestMarkItem::undoCommandKind_data()
{
    QTest::addColumn<PendingChange>("pending");
    QTest::addColumn<bool>("deleting");
    QTest::addColumn<QString>("kind");
    QTest::newRow("created") << PendingChange::Created << false << "create";
    QTest::newRow("moved") << PendingChange::Moved << false << "move";
    QTest::newRow("resized") << PendingChange::Resized << false << "move";
    QTest::newRow("nothing owed") << PendingChange::None << false << "";
    QTest::newRow("deleting wins over created") << PendingChange::Created << true << "delete";
    QTest::newRow("deleting a settled mark") << PendingChange::None << true << "delete";
}

void TestMarkItem::undoCommandKind()
{
    QFETCH(PendingChange, pending);
    QFETCH(bool, deleting);
    QFETCH(QString, kind);
    auto item = make(MarkRect, {10, 20}, {60, 40});
    item->setOrderNumber(4);
    item->setPendingChange(pending);
    std::unique_ptr<DLUndoCommand> command(item->takeUndoCommand(nullptr, deleting));
    QCOMPARE(item->pendingChange(), PendingChange::None);
    QString actual;
    if (dynamic_cast<DLCreateCommand *>(command.get()))
        actual = QStringLiteral("create");
    else if (dynamic_cast<DLMoveCommand *>(command.get()))
        actual = QStringLiteral("move");
    else if (dynamic_cast<DLDeleteCommand *>(command.get()))
        actual = QStringLiteral("delete");
    QCOMPARE(actual, kind);
    if (command) {
        QCOMPARE(command->order(), 4);
        QCOMPARE(command->markType(), int(MarkRect));
        QVERIFY(command->text().isEmpty());
    }
    // The change is collected once.
    QVERIFY(!std::unique_ptr<DLUndoCommand>(item->takeUndoCommand(nullptr, false)));
}

void TestMarkItem::shapeWidensHitPath_data()
{
    QTest::addColumn<QPointF>("point"); // scene coordinates; mark from (10, 20) to (70, 20)
    QTest::addColumn<bool>("inside");
    QTest::newRow("on the line") << QPointF(15, 20) << true;
    QTest::newRow("within the pen's half width") << QPointF(15, 22.5) << true;
    QTest::newRow("beyond the pen's half width") << QPointF(15, 23.5) << false;
    QTest::newRow("on the label") << QPointF(40, 20) << true;
}

void TestMarkItem::shapeWidensHitPath()
{
    QFETCH(QPointF, point);
    QFETCH(bool, inside);
    auto item = make(MarkLength, {10, 20}, {70, 20}, 100.0);
    QCOMPARE(item->shape().contains(item->mapFromScene(point)), inside);
}

void TestMarkItem::selectionHandler()
{
    QList<DLGraphicsItem *> changed;
    DLGraphicsItem::setSelectedHandler([&changed](DLGraphicsItem *item) { changed << item; });
    QGraphicsScene scene;
    auto *item = DLGraphicsItem::create(MarkRect, {0, 0}, {10, 10}, QString(), -1.0);
    scene.addItem(item);
    item->setSelected(true);
    item->setSelected(false);
    DLGraphicsItem::setSelectedHandler(nullptr);
    item->setSelected(true);
    QCOMPARE(changed, (QList<DLGraphicsItem *> {item, item}));
}

void TestMarkItem::commentEditRequests()
{
    QStringList texts;
    QList<DLGraphicsItem *> marks;
    DLGraphicsItem::setEditCommentHandler([&](const QString &text, DLGraphicsItem *mark) {
        texts << text;
        marks << mark;
    });
    QGraphicsScene scene;
    auto *comment = static_cast<DLGraphicsCommentsItem *>(
        DLGraphicsItem::createDefault(MarkComments, {20, 20}));
    scene.addItem(comment);
    QVERIFY(comment->editOnRelease());

    // The first release asks for an edit even though the pointer did not move.
    comment->pressAt({20, 20}, 2);
    comment->releaseAt({20, 20}, 2);
    QCOMPARE(texts, QStringList {QStringLiteral("Comments")});
    QVERIFY(!comment->editOnRelease());
    comment->pressAt({20, 20}, 2);
    comment->releaseAt({60, 30}, 2);
    QCOMPARE(texts.size(), 1);

    comment->setText(QStringLiteral("Later"));
    QGraphicsSceneMouseEvent doubleClick(QEvent::GraphicsSceneMouseDoubleClick);
    doubleClick.setButton(Qt::LeftButton);
    doubleClick.setScenePos(comment->labelSceneRect().center());
    scene.sendEvent(comment, &doubleClick);
    QCOMPARE(texts, (QStringList {QStringLiteral("Comments"), QStringLiteral("Later")}));
    QCOMPARE(marks, (QList<DLGraphicsItem *> {comment, comment}));
    DLGraphicsItem::setEditCommentHandler(nullptr);
}

DIMLET_TEST_MAIN(TestMarkItem)
#include "tst_markitem.moc"
