#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlmovecommand.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "scenemouse.h"

#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>

namespace {
MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, const QString &text, double maxw)
{
    auto *r = new MarkRecord;
    r->type = type;
    r->idx = idx;
    r->point1 = p1;
    r->point2 = p2;
    r->text = text;
    r->maxw = maxw;
    return r;
}

QList<DLGraphicsItem *> marksOf(const QGraphicsScene &scene)
{
    QList<DLGraphicsItem *> marks;
    const QList<QGraphicsItem *> all = scene.items();
    for (QGraphicsItem *item : all) {
        if (isMarkItemType(item->type()))
            marks << static_cast<DLGraphicsItem *>(item);
    }
    return marks;
}

// One mark as comparable values, in a fixed order.
QStringList describe(DLGraphicsScene &scene)
{
    QStringList lines;
    for (const DLGraphicsItem *mark : marksOf(scene)) {
        QPointF a;
        QPointF b;
        mark->points(&a, &b);
        lines << QStringLiteral("%1 z%2 #%3 (%4,%5)-(%6,%7) '%8' w%9")
                     .arg(mark->markType())
                     .arg(mark->zValue())
                     .arg(mark->orderNumber())
                     .arg(a.x())
                     .arg(a.y())
                     .arg(b.x())
                     .arg(b.y())
                     .arg(mark->markType() == MarkComments ? mark->text() : QString())
                     .arg(mark->maxWidth());
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}
} // namespace

class TestSceneDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadDocument();
    void orderNumbersRound_data();
    void orderNumbersRound();
    void badRecordsAreSkipped_data();
    void badRecordsAreSkipped();
    void roundTrip();
    void collectOnEmptyScene();
    void restoredMarkDragIsAMove();
    void hasMarks();
    void renderToDrawsMarksOnly();

private:
    QTemporaryDir dir;
    QString picturePath;
};

void TestSceneDocument::initTestCase()
{
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    QVERIFY(dir.isValid());
    picturePath = dir.filePath(QStringLiteral("shot.png"));
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(picturePath));
}

void TestSceneDocument::loadDocument()
{
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    MarkRecordList records;
    records << record(MarkRect, 3, {10, 10}, {40, 30}, QString(), -1)
            << record(MarkLength, 7, {20, 50}, {90, 50}, QString(), -1);
    QVERIFY(scene.loadDocument(records, picturePath, 9.0));
    clearMarkRecords(records);
    QCOMPARE(scene.image.size(), QSize(200, 120));
    const QList<DLGraphicsItem *> marks = marksOf(scene);
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks.at(0)->zValue(), 7.0);
    QCOMPARE(marks.at(0)->orderNumber(), 7);
    QCOMPARE(marks.at(1)->zValue(), 3.0);
    QCOMPARE(marks.at(1)->orderNumber(), 3);
    QCOMPARE(scene.undoStack.count(), 0);
    QVERIFY(!scene.modified);

    // The next new mark takes the z value the document supplied.
    SceneMouse(&scene).drag(QPointF(100, 100), QPointF(150, 100));
    QCOMPARE(marksOf(scene).first()->zValue(), 9.0);
    QCOMPARE(marksOf(scene).first()->orderNumber(), 9);
    QCOMPARE(scene.nextZValue, 10.0);
}

void TestSceneDocument::orderNumbersRound_data()
{
    QTest::addColumn<double>("idx");
    QTest::addColumn<int>("order");
    QTest::newRow("half rounds up") << 2.5 << 3;
    QTest::newRow("negative half rounds away from zero") << -2.5 << -3;
    QTest::newRow("below half rounds down") << 4.49 << 4;
    QTest::newRow("whole value") << 12.0 << 12;
}

void TestSceneDocument::orderNumbersRound()
{
    QFETCH(double, idx);
    QFETCH(int, order);
    DLGraphicsScene scene;
    MarkRecordList records;
    records << record(MarkRect, idx, {10, 10}, {40, 30}, QString(), -1);
    scene.loadDocument(records, picturePath, 20.0);
    clearMarkRecords(records);
    QCOMPARE(marksOf(scene).size(), 1);
    QCOMPARE(marksOf(scene).first()->zValue(), idx);
    QCOMPARE(marksOf(scene).first()->orderNumber(), order);
}

void TestSceneDocument::badRecordsAreSkipped_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("idx");
    QTest::addColumn<double>("x");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("type 4") << 4 << 1.0 << 5.0;
    QTest::newRow("negative type") << -1 << 1.0 << 5.0;
    QTest::newRow("order beyond int") << 1 << 1e12 << 5.0;
    QTest::newRow("order not a number") << 1 << nan << 5.0;
    QTest::newRow("point at infinity") << 1 << 1.0 << inf;
}

void TestSceneDocument::badRecordsAreSkipped()
{
    QFETCH(int, type);
    QFETCH(double, idx);
    QFETCH(double, x);
    DLGraphicsScene scene;
    MarkRecordList records;
    records << record(MarkRect, 0, {1, 1}, {5, 5}, QString(), -1)
            << record(type, idx, {x, 10}, {40, 30}, QString(), -1)
            << record(MarkComments, 2, {8, 8}, {30, 20}, QStringLiteral("kept"), 60);
    QVERIFY(scene.loadDocument(records, picturePath, 3.0));
    clearMarkRecords(records);
    QCOMPARE(marksOf(scene).size(), 2);
}

void TestSceneDocument::roundTrip()
{
    DLGraphicsScene first;
    first.setMode(ModeMark);
    MarkRecordList records;
    records << record(MarkLength, 0, {10, 20}, {70, 20}, QString(), -1)
            << record(MarkLength, 1, {30, 5}, {30, 90}, QString(), 100)
            << record(MarkRect, 2, {15, 25}, {60, 80}, QString(), -1)
            << record(MarkColorPick, 5, {50, 50}, {90, 30}, QString(), -1)
            << record(MarkComments, 6, {5, 100}, {-30, 80},
                   QStringLiteral("two\nlines and a \u00e9"), 73.5);
    QVERIFY(first.loadDocument(records, picturePath, 7.0));
    clearMarkRecords(records);
    first.setToolType(ToolRect);
    SceneMouse(&first).drag(QPointF(170, 100), QPointF(190, 115));
    QCOMPARE(marksOf(first).size(), 6);

    MarkRecordList collected;
    QVERIFY(first.collectMarkRecords(&collected));
    QCOMPARE(collected.size(), 6);
    // Highest z first, as the scene lists its items.
    QCOMPARE(collected.first()->idx, 7.0);
    QCOMPARE(collected.first()->type, int(MarkRect));
    QCOMPARE(collected.last()->idx, 0.0);

    DLGraphicsScene second;
    QVERIFY(second.loadDocument(collected, picturePath, first.nextZValue));
    QCOMPARE(describe(second), describe(first));
    QCOMPARE(second.nextZValue, 8.0);

    MarkRecordList again;
    QVERIFY(second.collectMarkRecords(&again));
    QCOMPARE(again.size(), collected.size());
    for (int i = 0; i < again.size(); ++i) {
        QCOMPARE(again.at(i)->type, collected.at(i)->type);
        QCOMPARE(again.at(i)->idx, collected.at(i)->idx);
        QCOMPARE(again.at(i)->point1, collected.at(i)->point1);
        QCOMPARE(again.at(i)->point2, collected.at(i)->point2);
        QCOMPARE(again.at(i)->text, collected.at(i)->text);
        QCOMPARE(again.at(i)->maxw, collected.at(i)->maxw);
    }
    const auto comment = std::find_if(
        again.cbegin(), again.cend(), [](const MarkRecord *r) { return r->type == MarkComments; });
    QVERIFY(comment != again.cend());
    QCOMPARE((*comment)->text, QStringLiteral("two\nlines and a \u00e9"));
    QCOMPARE((*comment)->maxw, 73.5);
    clearMarkRecords(collected);
    clearMarkRecords(again);
}

void TestSceneDocument::collectOnEmptyScene()
{
    DLGraphicsScene scene;
    scene.loadImage(picturePath);
    MarkRecordList records;
    records << record(MarkRect, 1, {}, {}, QString(), -1);
    QVERIFY(scene.collectMarkRecords(&records));
    QVERIFY(records.isEmpty());
}

void TestSceneDocument::restoredMarkDragIsAMove()
{
    DLGraphicsScene scene;
    scene.setMode(ModeMark);
    MarkRecordList records;
    records << record(MarkLength, 4, {10, 20}, {70, 20}, QString(), -1);
    scene.loadDocument(records, picturePath, 5.0);
    clearMarkRecords(records);
    SceneMouse(&scene).drag(QPointF(75, 20), QPointF(95, 40));
    QCOMPARE(scene.undoStack.count(), 1);
    QVERIFY(dynamic_cast<const DLMoveCommand *>(scene.undoStack.command(0)));
    scene.undo();
    QPointF a;
    QPointF b;
    marksOf(scene).first()->points(&a, &b);
    QCOMPARE(a, QPointF(10, 20));
    QCOMPARE(b, QPointF(70, 20));
}

void TestSceneDocument::hasMarks()
{
    DLGraphicsScene scene;
    scene.loadImage(picturePath);
    scene.addRect(0, 0, 5, 5);
    QVERIFY(!scene.hasMarks());
    scene.setMode(ModeMark);
    scene.setToolType(ToolColorPick);
    SceneMouse(&scene).click(QPointF(10, 10));
    QVERIFY(scene.hasMarks());
    scene.clearCanvas();
    QVERIFY(!scene.hasMarks());
    QVERIFY(!scene.imageItem);
}

void TestSceneDocument::renderToDrawsMarksOnly()
{
    DLGraphicsScene scene;
    DLGraphicsItemRenderer::setMarkColor(0xFF2ECC71);
    scene.setMode(ModeMark);
    MarkRecordList records;
    records << record(MarkLength, 0, {20, 60}, {180, 60}, QString(), -1);
    scene.loadDocument(records, picturePath, 1.0);
    clearMarkRecords(records);
    // A guide line left over from a drag must not reach the export.
    SceneMouse mouse(&scene);
    mouse.press(QPointF(40, 100));
    mouse.move(QPointF(90, 100));
    QVERIFY(scene.guideLine1);

    QImage out(200, 120, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    scene.renderTo(&painter);
    painter.end();
    QCOMPARE(out.pixel(30, 60), 0xFF2ECC71u);
    QCOMPARE(out.pixel(30, 30), 0xFFFFFFFFu);
    // The guide through x = 40 crosses y = 30 but is not drawn; the mark under it is.
    QCOMPARE(out.pixel(40, 30), 0xFFFFFFFFu);
    QCOMPARE(out.pixel(45, 100), 0xFF2ECC71u);
    mouse.release(QPointF(90, 100));
}

DIMLET_TEST_MAIN(TestSceneDocument)
#include "tst_scenedocument.moc"
