#include "testsupport.h"

#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicstextdrawitemrenderer.h"
#include "marks/labeldrawing.h"
#include "stubnotifyhandle.h"

#include <QImage>
#include <QPainter>

namespace {
// The smallest callout mark: the callout layout and leader, nothing of its own.
class TestCallout : public DLGraphicsTextDrawItemRenderer
{
public:
    explicit TestCallout(int kind)
        : DLGraphicsTextDrawItemRenderer(kind)
    {
    }

    void paint(QPainter *painter, bool hovered, bool selected) override
    {
        drawLeader(*this, painter, selected, hovered);
    }
    void layout() override { layoutCallout(); }
    double maxWidthLimit() const override { return limit; }
    void relayoutText() override { ++relayouts; }

    double limit = 100000000.0;
    int relayouts = 0;
};

QSizeF labelSize(const QString &text)
{
    const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(text);
    return QSizeF(tb.width() + 2, tb.height());
}

const QString labelText = QStringLiteral("Note");
} // namespace

class TestTextDrawRenderer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void leader_data();
    void leader();
    void labelBox_data();
    void labelBox();
    void bounds_data();
    void bounds();
    void hitTest_data();
    void hitTest();
    void dragEnds_data();
    void dragEnds();
    void widthGrip_data();
    void widthGrip();
    void arrowheadColour_data();
    void arrowheadColour();
    void calloutPathCoversArrow();
    void labelOffset();
};

void TestTextDrawRenderer::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestTextDrawRenderer::leader_data()
{
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<bool>("curved");
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QPointF>("tip");
    QTest::addColumn<QPointF>("corner1");
    QTest::addColumn<QPointF>("corner2");
    QTest::addColumn<QPointF>("base");

    QTest::newRow("right and below: straight with a right-angled head")
        << QPointF(0, 0) << QPointF(40, 10) << false << QPointF(10, 10) << QPointF(2, 0)
        << QPointF(9, 0) << QPointF(2, 7) << QPointF(5.5, 3.5);
    QTest::newRow("same case away from the origin gives the same local geometry")
        << QPointF(100, 50) << QPointF(140, 60) << false << QPointF(10, 10) << QPointF(2, 0)
        << QPointF(9, 0) << QPointF(2, 7) << QPointF(5.5, 3.5);
    QTest::newRow("right and above: head opens upwards")
        << QPointF(0, 0) << QPointF(40, -10) << false << QPointF(10, -10) << QPointF(2, 0)
        << QPointF(9, 0) << QPointF(2, -7) << QPointF(5.5, -3.5);
    QTest::newRow("level to the left: symmetric head opening left")
        << QPointF(0, 0) << QPointF(-30, 0) << false << QPointF(0, 0) << QPointF(-2, 0)
        << QPointF(-8, -5) << QPointF(-8, 5) << QPointF(-8, 0);
    QTest::newRow("level to the right: symmetric head opening right")
        << QPointF(0, 0) << QPointF(30, 0) << false << QPointF(0, 0) << QPointF(2, 0)
        << QPointF(8, -5) << QPointF(8, 5) << QPointF(8, 0);
    QTest::newRow("left and below: mirrored right-angled head")
        << QPointF(0, 0) << QPointF(-40, 10) << false << QPointF(-10, 10) << QPointF(-2, 0)
        << QPointF(-9, 0) << QPointF(-2, 7) << QPointF(-5.5, 3.5);
    QTest::newRow("steep below: the leg would pass the end, so a curve")
        << QPointF(0, 0) << QPointF(5, 40) << true << QPointF(40, 40) << QPointF(0, 2)
        << QPointF(-5, 8) << QPointF(5, 8) << QPointF(0, 8);
    QTest::newRow("steep above to the left: curve with the head pointing down")
        << QPointF(0, 0) << QPointF(-5, -40) << true << QPointF(-40, -40) << QPointF(0, -2)
        << QPointF(-5, -8) << QPointF(5, -8) << QPointF(0, -8);
    QTest::newRow("straight below counts as left and curves")
        << QPointF(0, 0) << QPointF(0, 20) << true << QPointF(-20, 20) << QPointF(0, 2)
        << QPointF(-5, 8) << QPointF(5, 8) << QPointF(0, 8);
    QTest::newRow("exactly 45 degrees stays straight")
        << QPointF(0, 0) << QPointF(20, 20) << false << QPointF(20, 20) << QPointF(2, 0)
        << QPointF(9, 0) << QPointF(2, 7) << QPointF(5.5, 3.5);
}

void TestTextDrawRenderer::leader()
{
    QFETCH(QPointF, anchor);
    QFETCH(QPointF, end);
    QFETCH(bool, curved);
    QFETCH(QPointF, corner);
    QFETCH(QPointF, tip);
    QFETCH(QPointF, corner1);
    QFETCH(QPointF, corner2);
    QFETCH(QPointF, base);

    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::CommentKind);
    r.init(&handle, anchor, end, labelText, 50.0);
    QCOMPARE(handle.pos, anchor);
    QCOMPARE(r.isCurved(), curved);
    QCOMPARE(r.corner(), corner);
    QCOMPARE(r.end(), end - anchor);
    QCOMPARE(r.arrowTip(), tip);
    QCOMPARE(r.arrowCorner1(), corner1);
    QCOMPARE(r.arrowCorner2(), corner2);
    QCOMPARE(r.arrowBase(), base);
    const double halfDy = (end.y() - anchor.y()) / 2;
    QCOMPARE(r.control1(), QPointF(0, halfDy));
    QCOMPARE(r.control2(), QPointF(end.x() - anchor.x(), halfDy));

    const QPainterPath leader = r.leaderPath();
    if (curved) {
        QCOMPARE(leader.elementAt(0).x, base.x());
        QCOMPARE(leader.elementAt(0).y, base.y());
        QVERIFY(leader.elementAt(1).isCurveTo());
    } else {
        // A corner on the end point adds no segment of its own.
        const bool cornerAtEnd = corner == end - anchor;
        QCOMPARE(leader.elementCount(), cornerAtEnd ? 2 : 3);
        QCOMPARE(QPointF(leader.elementAt(0)), end - anchor);
        QCOMPARE(QPointF(leader.elementAt(1)), cornerAtEnd ? base : corner);
    }
    QCOMPARE(leader.currentPosition(), curved ? end - anchor : base);
}

void TestTextDrawRenderer::labelBox_data()
{
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<bool>("right");
    QTest::newRow("box right of the end") << QPointF(40, 10) << true;
    QTest::newRow("box left of the end") << QPointF(-30, 0) << false;
    QTest::newRow("end straight above counts as left") << QPointF(0, -30) << false;
}

void TestTextDrawRenderer::labelBox()
{
    QFETCH(QPointF, end);
    QFETCH(bool, right);
    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::CommentKind);
    r.init(&handle, QPointF(0, 0), end, labelText, 50.0);
    const QSizeF size = labelSize(labelText);
    const QRectF label = r.labelRect();
    QCOMPARE(label.size(), size);
    QCOMPARE(label.y(), end.y() - 6);
    if (right) {
        QCOMPARE(label.x(), end.x() + 7);
        QCOMPARE(r.widthGrip(), QRectF(label.right(), end.y() - 3, 7, 7));
    } else {
        QCOMPARE(label.right(), end.x() - 7);
        QCOMPARE(r.widthGrip(), QRectF(label.x() - 7, end.y() - 3, 7, 7));
    }
    QCOMPARE(r.endHandle(), QRectF(end.x() - 3, end.y() - 3, 7, 7));
}

void TestTextDrawRenderer::bounds_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("comment: anchor, grip and box")
        << int(DLGraphicsTextDrawItemRenderer::CommentKind);
    QTest::newRow("colour pick: anchor, end handle and a taller box")
        << int(DLGraphicsTextDrawItemRenderer::ColorPickKind);
}

void TestTextDrawRenderer::bounds()
{
    QFETCH(int, kind);
    StubNotifyHandle handle;
    TestCallout r(kind);
    r.init(&handle, QPointF(0, 0), QPointF(40, 10), labelText, 50.0);
    const QRectF anchorBox(-6, -6, 13, 13);
    const QRectF expected = kind == DLGraphicsTextDrawItemRenderer::CommentKind
        ? anchorBox.united(r.widthGrip()).united(r.labelRect())
        : anchorBox.united(r.endHandle()).united(r.labelRect().adjusted(0, 0, 0, 1));
    QCOMPARE(r.boundingRect(), expected);
}

void TestTextDrawRenderer::hitTest_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("part");

    const int comment = DLGraphicsTextDrawItemRenderer::CommentKind;
    const int colour = DLGraphicsTextDrawItemRenderer::ColorPickKind;
    QTest::newRow("arrowhead") << comment << "arrow" << 1;
    QTest::newRow("end handle") << comment << "end" << 2;
    QTest::newRow("width grip of a comment") << comment << "grip" << 3;
    QTest::newRow("width grip place of a colour pick") << colour << "grip" << 0;
    QTest::newRow("label box") << comment << "label" << 9;
    QTest::newRow("inside the bounds but on nothing") << comment << "empty" << 0;
    QTest::newRow("outside") << comment << "outside" << 0;
}

void TestTextDrawRenderer::hitTest()
{
    QFETCH(int, kind);
    QFETCH(QString, where);
    QFETCH(int, part);

    const QPointF anchor(100, 50);
    StubNotifyHandle handle;
    TestCallout r(kind);
    r.init(&handle, anchor, QPointF(140, 60), labelText, 50.0);
    QPointF local;
    if (where == QLatin1String("arrow"))
        local = (r.arrowTip() + r.arrowCorner1() + r.arrowCorner2()) / 3;
    else if (where == QLatin1String("end"))
        local = r.endHandle().center();
    else if (where == QLatin1String("grip"))
        local = r.widthGrip().center();
    else if (where == QLatin1String("label"))
        local = r.labelRect().center();
    else if (where == QLatin1String("empty"))
        local = QPointF(20, -4);
    else
        local = QPointF(-50, -50);
    if (where == QLatin1String("empty"))
        QVERIFY(r.boundingRect().contains(local));
    QCOMPARE(r.hitTest(anchor + local), part);
    if (part == 3)
        QCOMPARE(r.gripStartWidth(), 50.0);
}

void TestTextDrawRenderer::dragEnds_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    // Press at (103, 52), release at (110.5, 44): d = (7.5, -8), not rounded.
    QTest::newRow("arrowhead moves the anchor") << 1 << QPointF(107.5, 42) << QPointF(140, 60);
    QTest::newRow("end handle moves the second point")
        << 2 << QPointF(100, 50) << QPointF(147.5, 52);
    QTest::newRow("unknown part changes nothing") << 5 << QPointF(100, 50) << QPointF(140, 60);
}

void TestTextDrawRenderer::dragEnds()
{
    QFETCH(int, part);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::ColorPickKind);
    r.init(&handle, QPointF(100, 50), QPointF(140, 60), labelText, -1.0);
    r.mousePress(QPointF(103, 52), part);
    r.mouseMove(QPointF(110.5, 44), part);
    QCOMPARE(r.firstPoint(), first);
    QCOMPARE(r.secondPoint(), second);
    QCOMPARE(handle.pos, first);
    QCOMPARE(r.localFirstPoint(), QPointF(0, 0));
}

void TestTextDrawRenderer::widthGrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("width");

    const int comment = DLGraphicsTextDrawItemRenderer::CommentKind;
    QTest::newRow("box right, drag right widens")
        << comment << QPointF(40, 10) << 10.0 << 1e8 << 60.0;
    QTest::newRow("box right, drag left narrows")
        << comment << QPointF(40, 10) << -15.5 << 1e8 << 34.5;
    QTest::newRow("box left, drag left widens")
        << comment << QPointF(-40, 10) << -10.0 << 1e8 << 60.0;
    QTest::newRow("box left, drag right narrows")
        << comment << QPointF(-40, 10) << 20.0 << 1e8 << 30.0;
    QTest::newRow("width reaching the limit is refused")
        << comment << QPointF(40, 10) << 5.0 << 55.0 << 50.0;
    QTest::newRow("width just under the limit is taken")
        << comment << QPointF(40, 10) << 4.0 << 55.0 << 54.0;
    QTest::newRow("colour picks have no grip") << int(DLGraphicsTextDrawItemRenderer::ColorPickKind)
                                               << QPointF(40, 10) << 10.0 << 1e8 << 50.0;
}

void TestTextDrawRenderer::widthGrip()
{
    QFETCH(int, kind);
    QFETCH(QPointF, end);
    QFETCH(double, dx);
    QFETCH(double, limit);
    QFETCH(double, width);

    StubNotifyHandle handle;
    TestCallout r(kind);
    r.init(&handle, QPointF(0, 0), end, labelText, 50.0);
    r.limit = limit;
    const QPointF grip = r.widthGrip().center();
    r.hitTest(grip);
    r.mousePress(grip, 3);
    r.mouseMove(grip + QPointF(dx, 30), 3);
    QCOMPARE(r.maxWidth(), width);
    QCOMPARE(r.relayouts, width != 50.0 ? 1 : 0);
    QCOMPARE(r.secondPoint(), end);
}

void TestTextDrawRenderer::arrowheadColour_data()
{
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("plain uses the mark colour") << false << QRgb(0xFFFF0000);
    QTest::newRow("emphasised uses the dark shade") << true << QRgb(0xFFF00000);
}

void TestTextDrawRenderer::arrowheadColour()
{
    QFETCH(bool, emphasised);
    QFETCH(QRgb, colour);
    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::ColorPickKind);
    r.init(&handle, QPointF(0, 0), QPointF(60, 0), labelText, -1.0);
    QImage image(100, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(20, 30);
    drawLeader(r, &painter, emphasised, false);
    painter.end();
    // The head from (2, 0) to (8, -5) and (8, 5) is filled; its inside is plain colour.
    QCOMPARE(image.pixel(20 + 6, 30), colour);
    QCOMPARE(qAlpha(image.pixel(20 - 5, 30)), 0);
}

void TestTextDrawRenderer::calloutPathCoversArrow()
{
    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::CommentKind);
    r.init(&handle, QPointF(0, 0), QPointF(40, 10), labelText, 50.0);
    const QPainterPath path = calloutPath(r);
    QVERIFY(path.contains((r.arrowTip() + r.arrowCorner1() + r.arrowCorner2()) / 3));
    QVERIFY(!path.contains(QPointF(-3, -3)));
}

void TestTextDrawRenderer::labelOffset()
{
    StubNotifyHandle handle;
    TestCallout r(DLGraphicsTextDrawItemRenderer::ColorPickKind);
    r.init(&handle, QPointF(0, 0), QPointF(40, 10), labelText, -1.0);
    auto render = [&r](const QPointF &offset) {
        QImage image(200, 80, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawOutlinedLabel(r, &painter, false, offset);
        return image;
    };
    const QImage plain = render(QPointF(0, 0));
    const QImage shifted = render(QPointF(30, 20));
    QVERIFY(plain != QImage(plain.size(), plain.format()));
    bool sawMarkColour = false;
    bool sawWhite = false;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 170; ++x) {
            QCOMPARE(shifted.pixel(x + 30, y + 20), plain.pixel(x, y));
            sawMarkColour = sawMarkColour || plain.pixel(x, y) == 0xFFFF0000;
            sawWhite = sawWhite || plain.pixel(x, y) == 0xFFFFFFFF;
        }
    }
    QVERIFY(sawMarkColour);
    QVERIFY(sawWhite);
}

DIMLET_TEST_MAIN(TestTextDrawRenderer)
#include "tst_textdrawrenderer.moc"
