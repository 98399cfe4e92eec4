#include "testsupport.h"

#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicslengthitem.h"
#include "marks/dlgraphicslengthitemrenderer.h"
#include "stubnotifyhandle.h"

#include <cmath>
#include <memory>

namespace {
double roundHalfAway(double v)
{
    return v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5);
}

QSizeF labelSize(const QString &text)
{
    const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(text);
    return QSizeF(tb.width() + 2, tb.height());
}

DLGraphicsLengthItemRenderer *lengthOf(DLGraphicsItem *item)
{
    return static_cast<DLGraphicsLengthItemRenderer *>(item->renderer());
}

// A mark drawn with the length tool: press, drag, release at the same whole pixels.
std::unique_ptr<DLGraphicsItem> draw(const QPointF &from, const QPointF &to)
{
    std::unique_ptr<DLGraphicsItem> item(DLGraphicsItem::createDefault(MarkLength, from));
    item->pressAt(from, 2);
    item->dragTo(to, 2);
    item->releaseAt(to, 2);
    return item;
}
} // namespace

class TestLengthMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void horizontalLabel_data();
    void horizontalLabel();
    void verticalLabel_data();
    void verticalLabel();
    void handles_data();
    void handles();
    void firstDrag_data();
    void firstDrag();
    void lineWhileDrawing();
    void fixedAxisDrag_data();
    void fixedAxisDrag();
    void restoredMarkIsFixed_data();
    void restoredMarkIsFixed();
    void validity_data();
    void validity();
    void hitTest_data();
    void hitTest();
    void lengthNotices();
};

void TestLengthMark::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestLengthMark::horizontalLabel_data()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("split");
    QTest::addColumn<double>("labelOffsetY"); // label top relative to the line, when not split

    QTest::newRow("ten pixels inclusive") << 10.0 << 19.0 << "10" << false << 2.0;
    QTest::newRow("length 30 puts the label under the line")
        << 10.0 << 40.0 << "31" << false << 2.0;
    QTest::newRow("length 31 puts the label on the line") << 10.0 << 41.0 << "32" << true << 0.0;
    QTest::newRow("length 0 puts the label 6 below") << 10.0 << 10.0 << "1" << false << 6.0;
    QTest::newRow("length 1 puts the label 2 below") << 10.0 << 11.0 << "2" << false << 2.0;
    QTest::newRow("long line") << -50.0 << 950.0 << "1001" << true << 0.0;
}

void TestLengthMark::horizontalLabel()
{
    QFETCH(double, x1);
    QFETCH(double, x2);
    QFETCH(QString, text);
    QFETCH(bool, split);
    QFETCH(double, labelOffsetY);

    StubNotifyHandle handle;
    DLGraphicsLengthItemRenderer r;
    r.init(&handle, QPointF(x1, 20), QPointF(x2, 20), QString(), 100.0);
    QCOMPARE(r.text(), text);
    QCOMPARE(r.isSplit(), split);
    QVERIFY(r.isHorizontal());
    QCOMPARE(handle.pos, QPointF(x1, 20));

    const QSizeF size = labelSize(text);
    const double len = x2 - x1;
    const QRectF label = r.labelRect();
    QCOMPARE(label.size(), size);
    QCOMPARE(label.x(), roundHalfAway(len * 0.5 - size.width() * 0.5));
    if (split) {
        QCOMPARE(label.y(), -roundHalfAway(size.height() * 0.5));
        QCOMPARE(r.gapStart(), QPointF(label.x() - 2, 0));
        QCOMPARE(r.gapEnd(), QPointF(label.right() + 2, 0));
    } else {
        QCOMPARE(label.y(), labelOffsetY);
    }
    const QRectF expectedBounds
        = r.startHandle().united(r.endHandle()).united(label).adjusted(-1, -1, 1, 1);
    QCOMPARE(r.boundingRect(), expectedBounds);
}

void TestLengthMark::verticalLabel_data()
{
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("y2");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("split");
    QTest::addColumn<double>("gap"); // space between label and line when not split

    QTest::newRow("length 9 is 8 pixels left of the line") << 10.0 << 19.0 << "10" << false << 8.0;
    QTest::newRow("length 10 is 4 pixels left of the line") << 10.0 << 20.0 << "11" << false << 4.0;
    QTest::newRow("length 30 stays beside the line") << 10.0 << 40.0 << "31" << false << 4.0;
    QTest::newRow("length 31 centres the label on the line") << 10.0 << 41.0 << "32" << true << 0.0;
}

void TestLengthMark::verticalLabel()
{
    QFETCH(double, y1);
    QFETCH(double, y2);
    QFETCH(QString, text);
    QFETCH(bool, split);
    QFETCH(double, gap);

    StubNotifyHandle handle;
    DLGraphicsLengthItemRenderer r;
    r.init(&handle, QPointF(30, y1), QPointF(30, y2), QString(), 100.0);
    QCOMPARE(r.orientation(), int(DLGraphicsLengthItemRenderer::Vertical));
    QCOMPARE(r.text(), text);
    QCOMPARE(r.isSplit(), split);

    const QSizeF size = labelSize(text);
    const QRectF label = r.labelRect();
    QCOMPARE(label.size(), size);
    QCOMPARE(label.y(), roundHalfAway((y2 - y1) * 0.5 - size.height() * 0.5));
    if (split) {
        QCOMPARE(label.x(), roundHalfAway(-size.width() * 0.5));
        QCOMPARE(r.gapStart(), QPointF(0, label.y() - 2));
        QCOMPARE(r.gapEnd(), QPointF(0, label.bottom() + 2));
    } else {
        QCOMPARE(label.right(), -gap);
    }
}

void TestLengthMark::handles_data()
{
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<QRectF>("start"); // scene coordinates
    QTest::addColumn<QRectF>("end");

    QTest::newRow("horizontal: beside the ends")
        << QPointF(10, 20) << QPointF(41, 20) << QRectF(2, 17, 7, 7) << QRectF(43, 17, 7, 7);
    QTest::newRow("vertical: above and below the ends")
        << QPointF(10, 10) << QPointF(10, 41) << QRectF(7, 2, 7, 7) << QRectF(7, 43, 7, 7);
}

void TestLengthMark::handles()
{
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(QRectF, start);
    QFETCH(QRectF, end);

    StubNotifyHandle handle;
    DLGraphicsLengthItemRenderer r;
    r.init(&handle, p1, p2, QString(), 100.0);
    QCOMPARE(r.startHandle().translated(p1), start);
    QCOMPARE(r.endHandle().translated(p1), end);
}

void TestLengthMark::firstDrag_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("orientation");

    QTest::newRow("drawn backwards snaps to the lower end")
        << QPointF(50, 40) << QPointF(20, 44) << QPointF(20, 40) << QPointF(50, 40) << "31" << 1;
    QTest::newRow("equal dx and dy gives horizontal")
        << QPointF(10, 10) << QPointF(30, 30) << QPointF(10, 10) << QPointF(30, 10) << "21" << 1;
    QTest::newRow("steeper than wide gives vertical")
        << QPointF(10, 10) << QPointF(12, 50) << QPointF(10, 10) << QPointF(10, 50) << "41" << 2;
    QTest::newRow("drawn upwards keeps the start column")
        << QPointF(10, 50) << QPointF(13, 10) << QPointF(10, 10) << QPointF(10, 50) << "41" << 2;
    QTest::newRow("drawn left and up on a tie stays on the start row")
        << QPointF(40, 40) << QPointF(30, 30) << QPointF(30, 40) << QPointF(40, 40) << "11" << 1;
}

void TestLengthMark::firstDrag()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QString, text);
    QFETCH(int, orientation);

    std::unique_ptr<DLGraphicsItem> item = draw(from, to);
    QPointF a;
    QPointF b;
    item->points(&a, &b);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
    QCOMPARE(item->text(), text);
    QCOMPARE(lengthOf(item.get())->orientation(), orientation);
    QCOMPARE(item->pos(), first);
    QCOMPARE(item->pendingChange(), PendingChange::Created);
    QVERIFY(!lengthOf(item.get())->isPressed());
}

void TestLengthMark::lineWhileDrawing()
{
    std::unique_ptr<DLGraphicsItem> item(DLGraphicsItem::createDefault(MarkLength, {50, 40}));
    item->pressAt({50, 40}, 2);
    item->dragTo({20, 44}, 2);
    DLGraphicsLengthItemRenderer *r = lengthOf(item.get());
    // Not fixed yet: the line runs along the start row, the second point follows the pointer.
    QCOMPARE(r->orientation(), 0);
    QCOMPARE(r->line(), QLineF(-30, 0, 0, 0));
    QCOMPARE(r->secondPoint(), QPointF(20, 44));
    QCOMPARE(r->text(), QStringLiteral("31"));
    item->dragTo({52, 80}, 2);
    QCOMPARE(r->line(), QLineF(0, 0, 0, 40));
    QVERIFY(!r->isHorizontal());
}

void TestLengthMark::fixedAxisDrag_data()
{
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<int>("part");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");

    const QPointF h1(10, 20);
    const QPointF h2(50, 20);
    QTest::newRow("start handle dragged across the axis changes nothing")
        << h1 << h2 << 1 << QPointF(5, 20) << QPointF(5, 60) << h1 << h2;
    QTest::newRow("start handle dragged right past the end swaps ends")
        << h1 << h2 << 1 << QPointF(5, 20) << QPointF(75, 23) << QPointF(50, 20) << QPointF(80, 20);
    QTest::newRow("end handle dragged left past the start swaps ends")
        << h1 << h2 << 2 << QPointF(55, 20) << QPointF(-5, 20) << QPointF(-10, 20)
        << QPointF(10, 20);
    QTest::newRow("end handle dragged along the axis")
        << h1 << h2 << 2 << QPointF(55, 20) << QPointF(65, 31) << h1 << QPointF(60, 20);
    QTest::newRow("vertical end handle moves only y")
        << QPointF(5, 5) << QPointF(5, 60) << 2 << QPointF(5, 64) << QPointF(40, 80)
        << QPointF(5, 5) << QPointF(5, 76);
    QTest::newRow("vertical start handle dragged below the end swaps ends")
        << QPointF(5, 5) << QPointF(5, 60) << 1 << QPointF(5, 1) << QPointF(5, 71) << QPointF(5, 60)
        << QPointF(5, 75);
}

void TestLengthMark::fixedAxisDrag()
{
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(int, part);
    QFETCH(QPointF, press);
    QFETCH(QPointF, to);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);

    std::unique_ptr<DLGraphicsItem> item(
        DLGraphicsItem::create(MarkLength, p1, p2, QString(), 100.0));
    QCOMPARE(item->hitTest(press), part);
    item->pressAt(press, part);
    item->dragTo(to, part);
    item->releaseAt(to, part);
    QPointF a;
    QPointF b;
    item->points(&a, &b);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
    QCOMPARE(item->pos(), first);
}

void TestLengthMark::restoredMarkIsFixed_data()
{
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<int>("orientation");

    QTest::newRow("stored horizontal")
        << QPointF(10, 20) << QPointF(50, 20) << QPointF(10, 20) << QPointF(50, 20) << 1;
    QTest::newRow("stored vertical backwards")
        << QPointF(7, 90) << QPointF(7, 30) << QPointF(7, 30) << QPointF(7, 90) << 2;
}

void TestLengthMark::restoredMarkIsFixed()
{
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(int, orientation);

    std::unique_ptr<DLGraphicsItem> item(
        DLGraphicsItem::create(MarkLength, p1, p2, QString(), -1.0));
    QCOMPARE(lengthOf(item.get())->orientation(), orientation);
    QCOMPARE(item->maxWidth(), -1.0);
    QPointF a;
    QPointF b;
    item->points(&a, &b);
    QCOMPARE(a, first);
    QCOMPARE(b, second);

    // A drag of the second end across the axis must not turn the mark.
    const QPointF press = lengthOf(item.get())->endHandle().center() + first;
    const QPointF across = orientation == 1 ? press + QPointF(0, 40) : press + QPointF(40, 0);
    QCOMPARE(item->hitTest(press), 2);
    item->pressAt(press, 2);
    item->dragTo(across, 2);
    item->releaseAt(across, 2);
    item->points(&a, &b);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
}

void TestLengthMark::validity_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("valid");

    QTest::newRow("click without movement") << QPointF(10, 10) << false;
    QTest::newRow("one pixel to the right") << QPointF(11, 10) << true;
    QTest::newRow("one pixel left") << QPointF(9, 10) << true;
    QTest::newRow("steep drag one pixel down") << QPointF(10, 11) << true;
}

void TestLengthMark::validity()
{
    QFETCH(QPointF, to);
    QFETCH(bool, valid);
    std::unique_ptr<DLGraphicsItem> item = draw(QPointF(10, 10), to);
    QCOMPARE(item->isValid(), valid);
}

void TestLengthMark::hitTest_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("part");

    // Horizontal mark from (100, 50) to (200, 50).
    QTest::newRow("start handle") << QPointF(95, 50) << 1;
    QTest::newRow("end handle") << QPointF(205, 50) << 2;
    QTest::newRow("middle of the line is the body") << QPointF(150, 50) << 9;
    QTest::newRow("near the line inside the bounds is the body") << QPointF(120, 52) << 9;
    QTest::newRow("far above") << QPointF(150, 10) << 0;
    QTest::newRow("left of the start handle") << QPointF(80, 50) << 0;
}

void TestLengthMark::hitTest()
{
    QFETCH(QPointF, point);
    QFETCH(int, part);
    std::unique_ptr<DLGraphicsItem> item(
        DLGraphicsItem::create(MarkLength, {100, 50}, {200, 50}, QString(), 100.0));
    QCOMPARE(item->hitTest(point), part);
    QCOMPARE(item->renderer()->hitPart(), part);
}

void TestLengthMark::lengthNotices()
{
    QList<DLLenChanged> notices;
    DLGraphicsItem::setLenChangedHandler(
        [&notices](const DLGraphicsLengthItem *, DLLenChanged kind) { notices << kind; });
    std::unique_ptr<DLGraphicsItem> item(DLGraphicsItem::createDefault(MarkLength, {10, 10}));
    item->pressAt({10, 10}, 2);
    item->dragTo({30, 10}, 2);
    item->dragTo({40, 10}, 2);
    item->releaseAt({40, 10}, 2);
    // A release where the press was still ends the drag for the scene.
    item->pressAt({45, 10}, 2);
    item->releaseAt({45, 10}, 2);
    DLGraphicsItem::setLenChangedHandler(nullptr);
    const QList<DLLenChanged> expected {
        LenChangeBegin, LenChanging, LenChanging, LenChangeEnd, LenChangeBegin, LenChangeEnd};
    QCOMPARE(notices, expected);
}

DIMLET_TEST_MAIN(TestLengthMark)
#include "tst_lengthmark.moc"
