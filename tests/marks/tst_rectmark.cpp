#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/scenemouse.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsrectitemrenderer.h"
#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "stubnotifyhandle.h"

#include <QPainter>

namespace {
// A rectangle renderer driven without a scene; labels show scene coordinates unchanged.
struct RectRenderer
{
    RectRenderer(QPointF first, QPointF second) { r.init(&owner, first, second, QString(), -1.0); }

    // Puts the pointer at a local position without changing the rectangle.
    void pointAt(QPointF local, int part)
    {
        r.mouseMove(r.mapFromLocal(local), 0);
        r.setHitPart(part);
    }

    StubNotifyHandle owner;
    DLGraphicsRectItemRenderer r;
};

QRect textBox(const QString &text)
{
    return QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(text);
}

DLGraphicsItem *onlyMark(const QGraphicsScene &scene)
{
    DLGraphicsItem *found = nullptr;
    const QList<QGraphicsItem *> all = scene.items();
    for (QGraphicsItem *item : all) {
        if (isMarkItemType(item->type())) {
            if (found)
                return nullptr;
            found = static_cast<DLGraphicsItem *>(item);
        }
    }
    return found;
}

// A scene over a 800 x 600 picture with the rectangle tool in mark mode.
struct RectScene
{
    explicit RectScene(bool bottomLeft)
    {
        scene.image = QImage(800, 600, QImage::Format_RGB32);
        scene.image.fill(Qt::darkGray);
        scene.flipY = bottomLeft;
        scene.setMode(ModeMark);
        scene.setToolType(ToolRect);
    }

    DLGraphicsScene scene;
    SceneMouse mouse {&scene};
};

QRgb pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y);
}
} // namespace

class TestRectMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sceneLabels_data();
    void sceneLabels();
    void numberFormat_data();
    void numberFormat();
    void labelBox_data();
    void labelBox();
    void handles_data();
    void handles();
    void resize_data();
    void resize();
    void nearestHandle_data();
    void nearestHandle();
    void hitTest_data();
    void hitTest();
    void moveRenewsLabel_data();
    void moveRenewsLabel();
    void originChange_data();
    void originChange();
    void handlePainting_data();
    void handlePainting();
    void framePainting_data();
    void framePainting();
    void hitPathCoversHandles();
};

void TestRectMark::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestRectMark::sceneLabels_data()
{
    QTest::addColumn<bool>("bottomLeft");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QString>("label");

    QTest::newRow("click leaves a point, top-left origin")
        << false << QPointF(120, 48) << QPointF(120, 48) << "x:120,y:48";
    QTest::newRow("click leaves a point, bottom-left origin")
        << true << QPointF(120, 48) << QPointF(120, 48) << "x:120,y:552";
    QTest::newRow("drag counts both edges, top-left origin")
        << false << QPointF(10, 10) << QPointF(40, 30) << "10,10(31x21)";
    QTest::newRow("drag gives the bottom edge's distance, bottom-left origin")
        << true << QPointF(10, 10) << QPointF(40, 30) << "10,569(31x21)";
    QTest::newRow("drawn up and to the left gives the same rectangle")
        << false << QPointF(40, 30) << QPointF(10, 10) << "10,10(31x21)";
    QTest::newRow("fractional positions count by the pixel they are in")
        << false << QPointF(10.7, 10.2) << QPointF(40.9, 30.99) << "10,10(31x21)";
    QTest::newRow("a one pixel line is 1 high")
        << false << QPointF(10, 10) << QPointF(40, 10) << "10,10(31x1)";
    QTest::newRow("rectangle touching the bottom edge reads y 0")
        << true << QPointF(0, 580) << QPointF(9, 599) << "0,0(10x20)";
}

void TestRectMark::sceneLabels()
{
    QFETCH(bool, bottomLeft);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QString, label);

    RectScene s(bottomLeft);
    s.mouse.press(from);
    s.mouse.move(to);
    s.mouse.release(to);
    DLGraphicsItem *mark = onlyMark(s.scene);
    QVERIFY(mark);
    QCOMPARE(mark->text(), label);
}

void TestRectMark::numberFormat_data()
{
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QString>("label");

    QTest::newRow("negative coordinates keep their sign")
        << QPointF(-5, -12) << QPointF(-5, -12) << "x:-5,y:-12";
    QTest::newRow("six significant digits, then exponent form")
        << QPointF(1234567, 5) << QPointF(1234567, 5) << "x:1.23457e+06,y:5";
    QTest::newRow("six digits exactly stay whole")
        << QPointF(100000, 0) << QPointF(100009, 0) << "100000,0(10x1)";
}

void TestRectMark::numberFormat()
{
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QString, label);
    RectRenderer rr(first, second);
    QCOMPARE(rr.r.text(), label);
}

void TestRectMark::labelBox_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<bool>("pointMode");

    QTest::newRow("rectangle") << QPointF(40, 30) << false;
    QTest::newRow("point") << QPointF(10, 10) << true;
}

void TestRectMark::labelBox()
{
    QFETCH(QPointF, second);
    QFETCH(bool, pointMode);

    RectRenderer rr(QPointF(10, 10), second);
    QCOMPARE(rr.r.isPointMode(), pointMode);
    const QRect tb = textBox(rr.r.text());
    const QRectF label(4.0, -tb.height() - 2.0, tb.width() + 2, tb.height());
    QCOMPARE(rr.r.labelRect(), label);

    if (pointMode) {
        QCOMPARE(rr.r.frame(), QRectF(-10, -10, 21, 21));
        QCOMPARE(rr.r.boundingRect(), QRectF(-10, -10, 21, 21).united(label));
    } else {
        QCOMPARE(rr.r.frame(), QRectF(0, 0, 31, 21));
        const QRectF grown
            = QRectF(0, 0, 31, 21).united(label).adjusted(-10, -(tb.height() + 2), 7, 7);
        QCOMPARE(rr.r.boundingRect(), grown);
    }
}

void TestRectMark::handles_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<int>("part");
    QTest::addColumn<QRectF>("handle");

    const QPointF even(40, 30);
    QTest::newRow("top-left") << even << 1 << QRectF(-7, -7, 7, 7);
    QTest::newRow("top-middle") << even << 2 << QRectF(12, -7, 7, 7);
    QTest::newRow("top-right") << even << 3 << QRectF(32, -7, 7, 7);
    QTest::newRow("middle-left") << even << 4 << QRectF(-7, 7, 7, 7);
    QTest::newRow("middle-right") << even << 5 << QRectF(32, 7, 7, 7);
    QTest::newRow("bottom-left") << even << 6 << QRectF(-7, 22, 7, 7);
    QTest::newRow("bottom-middle") << even << 7 << QRectF(12, 22, 7, 7);
    QTest::newRow("bottom-right") << even << 8 << QRectF(32, 22, 7, 7);

    const QPointF odd(41, 31);
    QTest::newRow("odd span: middle truncated, top") << odd << 2 << QRectF(12, -7, 7, 7);
    QTest::newRow("odd span: middle truncated, side") << odd << 5 << QRectF(33, 7, 7, 7);
    QTest::newRow("odd span: bottom-right") << odd << 8 << QRectF(33, 23, 7, 7);

    const QPointF point(10, 10);
    QTest::newRow("point: top-left sits on the point") << point << 1 << QRectF(-3, -3, 7, 7);
    QTest::newRow("point: bottom-right sits on the point") << point << 8 << QRectF(-3, -3, 7, 7);
    QTest::newRow("no ninth handle") << even << 9 << QRectF();
}

void TestRectMark::handles()
{
    QFETCH(QPointF, second);
    QFETCH(int, part);
    QFETCH(QRectF, handle);
    RectRenderer rr(QPointF(10, 10), second);
    QCOMPARE(rr.r.handle(part), handle);
}

void TestRectMark::resize_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");

    QTest::newRow("(2.9, -2.9) on the corner changes the size by (2, -2)")
        << 8 << QPointF(2.9, -2.9) << QPointF(10, 10) << QPointF(42, 28);
    QTest::newRow("(-2.9, 2.9) truncates toward zero too")
        << 8 << QPointF(-2.9, 2.9) << QPointF(10, 10) << QPointF(38, 32);
    QTest::newRow("top-left moves the anchor")
        << 1 << QPointF(2.9, 2.9) << QPointF(12, 12) << QPointF(40, 30);
    QTest::newRow("top-middle moves only the top")
        << 2 << QPointF(5, 3) << QPointF(10, 13) << QPointF(40, 30);
    QTest::newRow("top-right moves top and right")
        << 3 << QPointF(3, -4) << QPointF(10, 6) << QPointF(43, 30);
    QTest::newRow("middle-left moves only the left")
        << 4 << QPointF(-6, 9) << QPointF(4, 10) << QPointF(40, 30);
    QTest::newRow("middle-right moves only the right")
        << 5 << QPointF(4, 7) << QPointF(10, 10) << QPointF(44, 30);
    QTest::newRow("bottom-left moves left and bottom")
        << 6 << QPointF(-3, 4) << QPointF(7, 10) << QPointF(40, 34);
    QTest::newRow("bottom-middle moves only the bottom")
        << 7 << QPointF(5, 6) << QPointF(10, 10) << QPointF(40, 36);
    QTest::newRow("top-left dragged right past the right edge flips")
        << 1 << QPointF(40, 0) << QPointF(40, 10) << QPointF(50, 30);
    QTest::newRow("top-middle dragged below the bottom flips")
        << 2 << QPointF(0, 30) << QPointF(10, 30) << QPointF(40, 40);
    QTest::newRow("bottom-right dragged past the top-left corner flips both")
        << 8 << QPointF(-40, -30) << QPointF(0, 0) << QPointF(10, 10);
    QTest::newRow("middle-left onto the right edge leaves one column")
        << 4 << QPointF(30, 0) << QPointF(40, 10) << QPointF(40, 30);
    QTest::newRow("no part changes nothing")
        << 0 << QPointF(5, 5) << QPointF(10, 10) << QPointF(40, 30);
}

void TestRectMark::resize()
{
    QFETCH(int, part);
    QFETCH(QPointF, delta);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);

    RectRenderer rr(QPointF(10, 10), QPointF(40, 30));
    const QPointF press(100, 100);
    rr.r.mousePress(press, part);
    rr.r.mouseMove(press + delta, part);
    QCOMPARE(rr.r.firstPoint(), first);
    QCOMPARE(rr.r.secondPoint(), second);
    QCOMPARE(rr.owner.pos, first);
    QCOMPARE(rr.r.frame().size(), QSizeF(second.x() - first.x() + 1, second.y() - first.y() + 1));
    if (first != second) {
        const QString size = QStringLiteral("(%1x%2)")
                                 .arg(second.x() - first.x() + 1)
                                 .arg(second.y() - first.y() + 1);
        QVERIFY2(rr.r.text().endsWith(size), qPrintable(rr.r.text()));
    }
}

void TestRectMark::nearestHandle_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<int>("nearest");

    // Handle centres of the 31 x 21 rectangle: corners at (-3.5, -3.5), (35.5, -3.5),
    // (-3.5, 25.5), (35.5, 25.5); middles at x 15.5 and y 10.5.
    QTest::newRow("corner drag near the top-left") << 8 << QPointF(0, 0) << 1;
    QTest::newRow("corner drag near the bottom-right") << 1 << QPointF(30, 20) << 8;
    QTest::newRow("corner drag near the top-right") << 6 << QPointF(33, -1) << 3;
    QTest::newRow("corner drag near the bottom-left") << 3 << QPointF(0, 22) << 6;
    QTest::newRow("four-way tie keeps the first in order") << 8 << QPointF(16, 11) << 1;
    QTest::newRow("tie of the right corners keeps top-right") << 8 << QPointF(35.5, 11) << 3;
    QTest::newRow("tie of the bottom corners keeps bottom-left") << 1 << QPointF(16, 40) << 6;
    QTest::newRow("just inside the cutoff") << 8 << QPointF(-3.5, -10003.4) << 1;
    QTest::newRow("exactly 10000 away shows none") << 8 << QPointF(-3.5, -10003.5) << 0;
    QTest::newRow("far away shows none") << 1 << QPointF(50000, 50000) << 0;
    QTest::newRow("top-middle drag near the top") << 7 << QPointF(15, 0) << 2;
    QTest::newRow("top-bottom tie goes to bottom-middle") << 2 << QPointF(15.5, 11) << 7;
    QTest::newRow("bottom-middle drag near the bottom") << 2 << QPointF(15, 22) << 7;
    QTest::newRow("sides have no cutoff") << 2 << QPointF(15.5, -20000) << 2;
    QTest::newRow("middle-left drag near the left") << 5 << QPointF(0, 10) << 4;
    QTest::newRow("left-right tie goes to middle-right") << 4 << QPointF(16, 10) << 5;
    QTest::newRow("middle-right drag near the right") << 4 << QPointF(33, 10) << 5;
    QTest::newRow("whole-mark drag shows none") << 9 << QPointF(0, 0) << 0;
    QTest::newRow("no part shows none") << 0 << QPointF(0, 0) << 0;
}

void TestRectMark::nearestHandle()
{
    QFETCH(int, part);
    QFETCH(QPointF, pointer);
    QFETCH(int, nearest);

    RectRenderer rr(QPointF(10, 10), QPointF(40, 30));
    rr.pointAt(pointer, part);
    QCOMPARE(rr.r.dragPoint(), pointer);
    QCOMPARE(rr.r.nearestHandle(), nearest);
}

void TestRectMark::hitTest_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("local");
    QTest::addColumn<int>("part");

    const QPointF big(40, 30);
    QTest::newRow("top-left handle") << big << QPointF(-4, -4) << 1;
    QTest::newRow("top-middle handle, over the label") << big << QPointF(15, -4) << 2;
    QTest::newRow("top-right handle") << big << QPointF(35, -4) << 3;
    QTest::newRow("middle-left handle") << big << QPointF(-4, 10) << 4;
    QTest::newRow("middle-right handle") << big << QPointF(35, 10) << 5;
    QTest::newRow("bottom-left handle") << big << QPointF(-4, 25) << 6;
    QTest::newRow("bottom-middle handle") << big << QPointF(15, 25) << 7;
    QTest::newRow("bottom-right handle") << big << QPointF(35, 25) << 8;

    // Handles of a 2 x 2 rectangle overlap; the higher part is tested first.
    const QPointF tiny(11, 11);
    QTest::newRow("overlap of top-left and top-middle gives top-middle")
        << tiny << QPointF(0, -5) << 2;
    QTest::newRow("overlap of top-middle and top-right gives top-right")
        << tiny << QPointF(3.5, -5) << 3;
    QTest::newRow("three handles overlap: middle-left wins") << tiny << QPointF(-1, -1) << 4;
    QTest::newRow("overlap of bottom-left and bottom-middle gives bottom-middle")
        << tiny << QPointF(0, 5) << 7;
    QTest::newRow("point: all handles coincide, so bottom-right")
        << QPointF(10, 10) << QPointF(0, 0) << 8;

    const int labelHeight = textBox(QStringLiteral("10,10(31x21)")).height();
    QTest::newRow("label box above the frame") << big << QPointF(6, -2 - labelHeight / 2.0) << 9;
    QTest::newRow("beside the label, away from the edges")
        << big << QPointF(-6, -2 - labelHeight / 2.0) << 0;
    QTest::newRow("on the top edge") << big << QPointF(25, 0) << 9;
    QTest::newRow("3 below the bottom edge") << big << QPointF(25, 24) << 9;
    QTest::newRow("3.1 below the bottom edge is off") << big << QPointF(25, 24.1) << 0;
    QTest::newRow("3 above the bottom edge") << big << QPointF(25, 18) << 9;
    QTest::newRow("3 left of the left edge") << big << QPointF(-3, 5) << 9;
    QTest::newRow("3.1 left of the left edge is off") << big << QPointF(-3.1, 5) << 0;
    QTest::newRow("3 right of the right edge") << big << QPointF(34, 5) << 9;
    QTest::newRow("3.1 right of the right edge is off") << big << QPointF(34.1, 5) << 0;
    QTest::newRow("edges are unbounded lines") << big << QPointF(200, 1) << 9;
    QTest::newRow("inside, away from the edges") << big << QPointF(15, 10) << 0;
    QTest::newRow("far outside") << big << QPointF(100, 100) << 0;
}

void TestRectMark::hitTest()
{
    QFETCH(QPointF, second);
    QFETCH(QPointF, local);
    QFETCH(int, part);
    // Anchored at the origin, so local and scene positions are the same numbers.
    RectRenderer rr(QPointF(0, 0), second - QPointF(10, 10));
    QCOMPARE(rr.r.hitTest(local), part);
}

void TestRectMark::moveRenewsLabel_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<QString>("label");

    QTest::newRow("rectangle moved right gains a digit")
        << QPointF(40, 30) << QPointF(90, 0) << "100,10(31x21)";
    QTest::newRow("rectangle moved by a fraction rounds up")
        << QPointF(40, 30) << QPointF(2.3, -0.5) << "13,10(31x21)";
    QTest::newRow("point moved") << QPointF(10, 10) << QPointF(990, 5) << "x:1000,y:15";
}

void TestRectMark::moveRenewsLabel()
{
    QFETCH(QPointF, second);
    QFETCH(QPointF, by);
    QFETCH(QString, label);

    RectRenderer rr(QPointF(10, 10), second);
    const QRectF frame = rr.r.frame();
    const QPointF press(20, 20);
    rr.r.mousePress(press, 9);
    rr.r.mouseMove(press + by, 9);
    QCOMPARE(rr.r.text(), label);
    QCOMPARE(rr.r.frame(), frame);
    // The label box is laid out again so the longer text still fits.
    const QRect tb = textBox(label);
    QCOMPARE(rr.r.labelRect().size(), QSizeF(tb.width() + 2, tb.height()));
    QVERIFY(rr.r.boundingRect().contains(rr.r.labelRect()));
}

void TestRectMark::originChange_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("label");

    QTest::newRow("origin change relabels") << int(ChangedOrigin) << "10,569(31x21)";
    QTest::newRow("any change relabels") << int(ChangedBackground) << "10,569(31x21)";
    QTest::newRow("no change keeps the label") << 0 << "10,10(31x21)";
}

void TestRectMark::originChange()
{
    QFETCH(int, mask);
    QFETCH(QString, label);

    RectScene s(false);
    s.mouse.drag(QPointF(10, 10), QPointF(40, 30));
    DLGraphicsItem *mark = onlyMark(s.scene);
    QVERIFY(mark);
    QCOMPARE(mark->text(), QStringLiteral("10,10(31x21)"));
    s.scene.flipY = true;
    mark->settingsChanged(mask);
    QCOMPARE(mark->text(), label);
}

void TestRectMark::handlePainting_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("pressPart");
    QTest::addColumn<uint>("topLeft");
    QTest::addColumn<uint>("bottomRight");

    const uint none = 0;
    const uint white = 0xFFFFFFFF;
    const uint mark = 0xFFFF0000;
    const uint dark = 0xFFF00000;
    QTest::newRow("idle shows no handles") << false << false << 0 << none << none;
    QTest::newRow("hovered shows white handles") << true << false << 0 << white << white;
    QTest::newRow("selected shows dark handles") << false << true << 0 << dark << dark;
    QTest::newRow("selected wins over hovered") << true << true << 0 << dark << dark;
    QTest::newRow("moving the whole mark shows all") << false << false << 9 << mark << mark;
    QTest::newRow("dragging a corner shows only the nearest") << true << false << 8 << none << mark;
    QTest::newRow("dragging a corner while selected, dark") << false << true << 8 << none << dark;
}

void TestRectMark::handlePainting()
{
    QFETCH(bool, hovered);
    QFETCH(bool, selected);
    QFETCH(int, pressPart);
    QFETCH(uint, topLeft);
    QFETCH(uint, bottomRight);

    RectRenderer rr(QPointF(20, 20), QPointF(60, 50));
    if (pressPart != 0) {
        // Press on the bottom-right handle and keep the pointer there.
        const QPointF at = rr.r.mapFromLocal(rr.r.handle(8).center());
        rr.r.mousePress(at, pressPart);
        rr.r.setHitPart(pressPart);
        rr.r.mouseMove(at, pressPart);
        QCOMPARE(rr.r.firstPoint(), QPointF(20, 20));
    }
    QImage image(120, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(rr.r.firstPoint());
    rr.r.paint(&painter, hovered, selected);
    painter.end();

    // Handles are drawn 6 x 6 from their position; inside is the fill.
    const QPointF tl = rr.r.mapFromLocal(rr.r.handle(1).topLeft()) + QPointF(3, 3);
    const QPointF br = rr.r.mapFromLocal(rr.r.handle(8).topLeft()) + QPointF(3, 3);
    QCOMPARE(pixel(image, int(tl.x()), int(tl.y())), QRgb(topLeft));
    QCOMPARE(pixel(image, int(br.x()), int(br.y())), QRgb(bottomRight));
}

void TestRectMark::framePainting_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("markPixels");
    QTest::addColumn<int>("whitePixels");
    QTest::addColumn<int>("emptyPixels");

    // Counted on 30 pixels of the frame's bottom row: two periods of a 10 on, 5 off dash.
    QTest::newRow("rectangle frame is dashed") << QPointF(60, 50) << false << 20 << 0 << 10;
    QTest::newRow("hovered frame has a white halo under the gaps")
        << QPointF(60, 50) << true << 20 << 10 << 0;
    QTest::newRow("a point has no frame") << QPointF(20, 20) << false << 0 << 0 << 30;
}

void TestRectMark::framePainting()
{
    QFETCH(QPointF, second);
    QFETCH(bool, hovered);
    QFETCH(int, markPixels);
    QFETCH(int, whitePixels);
    QFETCH(int, emptyPixels);

    QVERIFY(!rectDashPattern().isEmpty());
    RectRenderer rr(QPointF(20, 20), second);
    QImage image(120, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(rr.r.firstPoint());
    rr.r.paint(&painter, hovered, false);
    painter.end();

    int marked = 0;
    int white = 0;
    int empty = 0;
    const int bottom = 20 + int(rr.r.frame().bottom());
    for (int x = 31; x < 61; ++x) {
        const QRgb p = image.pixel(x, bottom);
        marked += p == 0xFFFF0000 ? 1 : 0;
        white += p == 0xFFFFFFFF ? 1 : 0;
        empty += p == 0 ? 1 : 0;
    }
    QCOMPARE(marked, markPixels);
    QCOMPARE(white, whitePixels);
    QCOMPARE(empty, emptyPixels);

    // The crosshair marks the anchor either way.
    QCOMPARE(image.pixel(25, 20), QRgb(0xFFFF0000));
    QCOMPARE(image.pixel(20, 25), QRgb(0xFFFF0000));
}

void TestRectMark::hitPathCoversHandles()
{
    RectRenderer rr(QPointF(10, 10), QPointF(40, 30));
    const QPainterPath path = rr.r.hitPath();
    for (int part = 1; part <= 8; ++part)
        QVERIFY2(path.contains(rr.r.handle(part).center()), qPrintable(QString::number(part)));
    QVERIFY(path.contains(rr.r.labelRect().center()));
    QVERIFY(!path.contains(QPointF(60, 10)));
    QVERIFY(!path.contains(QPointF(15, 40)));

    RectRenderer point(QPointF(10, 10), QPointF(10, 10));
    QVERIFY(point.r.hitPath().contains(QPointF(0, 0)));
    QVERIFY(!point.r.hitPath().contains(QPointF(-8, -8)));
}

DIMLET_TEST_MAIN(TestRectMark)
#include "tst_rectmark.moc"
