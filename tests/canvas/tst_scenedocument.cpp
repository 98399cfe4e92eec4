#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "marks/dlgraphicsitem.h"
#include "scenemouse.h"

#include <QTemporaryDir>

#include <cmath>

namespace {
MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, const QString &text, double maxw)
{
    return new MarkRecord {type, idx, p1, p2, text, maxw};
}

// Every mark as comparable values, highest z first.
QStringList describe(const DLGraphicsScene &scene)
{
    QStringList lines;
    for (const QGraphicsItem *item : scene.items()) {
        if (!isMarkItemType(item->type()))
            continue;
        const auto *mark = static_cast<const DLGraphicsItem *>(item);
        QPointF a, b;
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
    return lines;
}
} // namespace

class TestSceneDocument : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString picture;

private slots:
    void initTestCase()
    {
        picture = dir.filePath(QStringLiteral("shot.png"));
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(picture));
    }

    void loadDocument_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("idx");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("made"); // empty when the record is skipped
        const double nan = std::nan(""), inf = INFINITY;
        QTest::newRow("half rounds up") << 1 << 2.5 << 5.0 << "1 z2.5 #3 (5,10)-(40,30) '' w-1";
        QTest::newRow("negative half rounds away from zero")
            << 1 << -2.5 << 5.0 << "1 z-2.5 #-3 (5,10)-(40,30) '' w-1";
        QTest::newRow("below half rounds down")
            << 1 << 4.49 << 5.0 << "1 z4.49 #4 (5,10)-(40,30) '' w-1";
        QTest::newRow("type 4 is skipped") << 4 << 1.0 << 5.0 << "";
        QTest::newRow("negative type is skipped") << -1 << 1.0 << 5.0 << "";
        QTest::newRow("order beyond int is skipped") << 1 << 1e12 << 5.0 << "";
        QTest::newRow("order not a number is skipped") << 1 << nan << 5.0 << "";
        QTest::newRow("point at infinity is skipped") << 1 << 1.0 << inf << "";
    }

    void loadDocument()
    {
        QFETCH(int, type);
        QFETCH(double, idx);
        QFETCH(double, x);
        QFETCH(QString, made);
        DLGraphicsScene scene;
        MarkRecordList records {record(type, idx, {x, 10}, {40, 30}, QString(), -1)};
        QVERIFY(scene.loadDocument(records, picture, 9.0));
        clearMarkRecords(records);
        QCOMPARE(scene.image.size(), QSize(200, 120));
        QCOMPARE(describe(scene), made.isEmpty() ? QStringList() : QStringList {made});
        QCOMPARE(scene.nextZValue, 9.0);
        QCOMPARE(scene.undoStack.count(), 0);
        QVERIFY(!scene.modified);
        records << record(MarkRect, 1, {}, {}, QString(), -1); // collecting empties the list first
        QVERIFY(scene.collectMarkRecords(&records));
        QCOMPARE(records.size(), made.isEmpty() ? 0 : 1);
        clearMarkRecords(records);
    }

    void roundTrip()
    {
        DLGraphicsScene first;
        MarkRecordList records {record(MarkLength, 0, {10, 20}, {70, 20}, QString(), -1),
            record(MarkLength, 1, {30, 5}, {30, 90}, QString(), 100),
            record(MarkRect, 2, {15, 25}, {60, 80}, QString(), -1),
            record(MarkColorPick, 5, {50, 50}, {90, 30}, QString(), -1),
            record(
                MarkComments, 6, {5, 100}, {-30, 80}, QStringLiteral("two\nlines, \u00e9"), 73.5)};
        QVERIFY(first.loadDocument(records, picture, 7.0));
        clearMarkRecords(records);
        // The next new mark takes the z value the document supplied.
        first.setMode(ModeMark);
        first.setToolType(ToolRect);
        SceneMouse(&first).drag({170, 100}, {190, 115});
        QCOMPARE(describe(first).first(), QStringLiteral("1 z7 #7 (170,100)-(190,115) '' w-1"));

        QVERIFY(first.collectMarkRecords(&records));
        QCOMPARE(records.size(), 6);
        QCOMPARE(records.first()->idx, 7.0); // highest z first
        DLGraphicsScene second;
        QVERIFY(second.loadDocument(records, picture, first.nextZValue));
        clearMarkRecords(records);
        QCOMPARE(describe(second), describe(first));
        QCOMPARE(second.nextZValue, 8.0);
    }
};

DIMLET_TEST_MAIN(TestSceneDocument)
#include "tst_scenedocument.moc"
