#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/scenetest.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsrectitemrenderer.h"
#include "settings/dlsetting.h"
#include "stubnotifyhandle.h"

namespace {
// A renderer without a scene: its labels show scene coordinates unchanged.
struct RectRenderer
{
    explicit RectRenderer(QLineF points) { r.init(&owner, points.p1(), points.p2(), {}, -1.0); }
    StubNotifyHandle owner;
    DLGraphicsRectItemRenderer r;
};

const QLineF box(10, 10, 40, 30); // 31 x 21
} // namespace

class TestRectMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // Drawn on an 800 x 600 picture with the top-left origin, then switched to bottom-left.
    void labels_data()
    {
        QTest::addColumn<QLineF>("drag");
        QTest::addColumn<QString>("topLeft");
        QTest::addColumn<QString>("bottomLeft");
        QTest::newRow("click leaves a point") << QLineF(120, 48, 120, 48) << "x:120,y:48"
                                              << "x:120,y:552";
        QTest::newRow("size counts both edges") << box << "10,10(31x21)"
                                                << "10,569(31x21)";
        QTest::newRow("fractions count by their pixel")
            << QLineF(10.7, 10.2, 40.9, 30.99) << "10,10(31x21)"
            << "10,569(31x21)";
        QTest::newRow("touching the bottom edge") << QLineF(0, 580, 9, 599) << "0,580(10x20)"
                                                  << "0,0(10x20)";
    }

    void labels()
    {
        QFETCH(QLineF, drag);
        QFETCH(QString, topLeft);
        QFETCH(QString, bottomLeft);
        DLGraphicsScene scene;
        SceneTestAccess::setImage(scene, QImage(800, 600, QImage::Format_RGB32));
        scene.setMode(ModeMark);
        scene.setToolType(ToolRect);
        SceneMouse(&scene).drag(drag.p1(), drag.p2());
        const QList<DLGraphicsItem *> marks = scene.marks();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks.first()->text(), topLeft);
        SceneTestAccess::setFlipY(scene, true);
        marks.first()->settingsChanged(ChangedOrigin);
        QCOMPARE(marks.first()->text(), bottomLeft);
    }

    void handles_data()
    {
        QTest::addColumn<QLineF>("points");
        QTest::addColumn<int>("part");
        QTest::addColumn<QRectF>("handle"); // local
        QTest::newRow("top-left") << box << 1 << QRectF(-7, -7, 7, 7);
        QTest::newRow("top-middle") << box << 2 << QRectF(12, -7, 7, 7);
        QTest::newRow("bottom-right") << box << 8 << QRectF(32, 22, 7, 7);
        QTest::newRow("odd span truncates the middle")
            << QLineF(10, 10, 41, 31) << 5 << QRectF(33, 7, 7, 7);
        QTest::newRow("a point's handles sit on it")
            << QLineF(10, 10, 10, 10) << 1 << QRectF(-3, -3, 7, 7);
    }

    void handles()
    {
        QFETCH(QLineF, points);
        QFETCH(int, part);
        QFETCH(QRectF, handle);
        QCOMPARE(RectRenderer(points).r.handle(part), handle);
    }

    void resize_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QLineF>("points");
        QTest::newRow("(2.9, -2.9) changes the size by (2, -2)")
            << 8 << QPointF(2.9, -2.9) << QLineF(10, 10, 42, 28);
        QTest::newRow("(-2.9, 2.9) truncates too")
            << 8 << QPointF(-2.9, 2.9) << QLineF(10, 10, 38, 32);
        QTest::newRow("top-left") << 1 << QPointF(2.9, 2.9) << QLineF(12, 12, 40, 30);
        QTest::newRow("top-middle") << 2 << QPointF(5, 3) << QLineF(10, 13, 40, 30);
        QTest::newRow("top-left past the right edge flips")
            << 1 << QPointF(40, 0) << QLineF(40, 10, 50, 30);
        QTest::newRow("bottom-right past the top-left flips both")
            << 8 << QPointF(-40, -30) << QLineF(0, 0, 10, 10);
        QTest::newRow("no part changes nothing") << 0 << QPointF(5, 5) << box;
    }

    void resize()
    {
        QFETCH(int, part);
        QFETCH(QPointF, delta);
        QFETCH(QLineF, points);
        RectRenderer rr(box);
        rr.r.mousePress(QPointF(100, 100), part);
        rr.r.mouseMove(QPointF(100, 100) + delta, part);
        QCOMPARE(QLineF(rr.r.firstPoint(), rr.r.secondPoint()), points);
        QCOMPARE(rr.owner.pos, points.p1());
    }

    // Handle centres of the 31 x 21 rectangle: corners at x -3.5 and 35.5, y -3.5 and 25.5.
    void nearestHandle_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QPointF>("pointer"); // local
        QTest::addColumn<int>("nearest");
        QTest::newRow("corner drag near the top-right") << 6 << QPointF(33, -1) << 3;
        QTest::newRow("four-way tie keeps the first") << 8 << QPointF(16, 11) << 1;
        QTest::newRow("bottom tie keeps bottom-left") << 1 << QPointF(16, 40) << 6;
        QTest::newRow("exactly 10000 away shows none") << 8 << QPointF(-3.5, -10003.5) << 0;
        QTest::newRow("top-bottom tie goes to bottom") << 2 << QPointF(15.5, 11) << 7;
        QTest::newRow("left-right tie goes to right") << 4 << QPointF(16, 10) << 5;
    }

    void nearestHandle()
    {
        QFETCH(int, part);
        QFETCH(QPointF, pointer);
        QFETCH(int, nearest);
        RectRenderer rr(box);
        rr.r.mouseMove(rr.r.mapFromLocal(pointer), 0);
        rr.r.setHitPart(part);
        QCOMPARE(rr.r.nearestHandle(), nearest);
    }
};

DIMLET_TEST_MAIN(TestRectMark)
#include "tst_rectmark.moc"
