#include "testsupport.h"

#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicstextdrawitemrenderer.h"
#include "marks/labeldrawing.h"
#include "stubnotifyhandle.h"

namespace {
// The smallest callout mark: the callout layout and leader, nothing of its own.
class TestCallout : public DLGraphicsTextDrawItemRenderer
{
public:
    TestCallout(QPointF anchor, QPointF end)
        : DLGraphicsTextDrawItemRenderer(CommentKind)
    {
        init(&owner, anchor, anchor + end, QStringLiteral("Note"), 50.0);
    }
    void paint(QPainter *painter, bool hovered, bool selected) override
    {
        drawLeader(*this, painter, selected, hovered);
    }
    void layout() override { layoutCallout(); }
    StubNotifyHandle owner;
};
} // namespace

class TestTextDrawRenderer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // Points local to the anchor; the arrowhead as tip, corner 1, corner 2 and base.
    void layout_data()
    {
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<bool>("curved");
        QTest::addColumn<QPointF>("corner");
        QTest::addColumn<QVector<QPointF>>("head");
        QTest::addColumn<bool>("boxRight");
        using H = QVector<QPointF>;
        const H rightBelow {{2, 0}, {9, 0}, {2, 7}, {5.5, 3.5}};
        const H curveDown {{0, 2}, {-5, 8}, {5, 8}, {0, 8}};
        QTest::newRow("right and below: right-angled head")
            << QPointF(40, 10) << false << QPointF(10, 10) << rightBelow << true;
        QTest::newRow("exactly 45 degrees stays straight")
            << QPointF(20, 20) << false << QPointF(20, 20) << rightBelow << true;
        QTest::newRow("right and above: head opens upwards")
            << QPointF(40, -10) << false << QPointF(10, -10)
            << H {{2, 0}, {9, 0}, {2, -7}, {5.5, -3.5}} << true;
        QTest::newRow("level to the left: symmetric head")
            << QPointF(-30, 0) << false << QPointF(0, 0) << H {{-2, 0}, {-8, -5}, {-8, 5}, {-8, 0}}
            << false;
        QTest::newRow("left and below: mirrored head")
            << QPointF(-40, 10) << false << QPointF(-10, 10)
            << H {{-2, 0}, {-9, 0}, {-2, 7}, {-5.5, 3.5}} << false;
        QTest::newRow("steep below: the leg would pass the end, so a curve")
            << QPointF(5, 40) << true << QPointF(40, 40) << curveDown << true;
        QTest::newRow("straight below counts as left and curves")
            << QPointF(0, 20) << true << QPointF(-20, 20) << curveDown << false;
        QTest::newRow("steep above to the left: head points down")
            << QPointF(-5, -40) << true << QPointF(-40, -40)
            << H {{0, -2}, {-5, -8}, {5, -8}, {0, -8}} << false;
    }

    void layout()
    {
        QFETCH(QPointF, end);
        QFETCH(bool, curved);
        QFETCH(QPointF, corner);
        QFETCH(QVector<QPointF>, head);
        QFETCH(bool, boxRight);
        const TestCallout r(QPointF(100, 50), end);
        QCOMPARE(r.isCurved(), curved);
        QCOMPARE(r.corner(), corner);
        QCOMPARE(
            QVector<QPointF>({r.arrowTip(), r.arrowCorner1(), r.arrowCorner2(), r.arrowBase()}),
            head);
        const QPainterPath leader = r.leaderPath();
        QCOMPARE(QPointF(leader.elementAt(0)), curved ? r.arrowBase() : end);
        QCOMPARE(leader.elementAt(1).isCurveTo(), curved);
        QCOMPARE(leader.currentPosition(), curved ? end : r.arrowBase());

        const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect("Note");
        const QRectF label = r.labelRect();
        QCOMPARE(label.size(), QSizeF(tb.width() + 2, tb.height()));
        QCOMPARE(label.y(), end.y() - 6);
        QCOMPARE(boxRight ? label.x() - 7 : label.right() + 7, end.x());
        const double gripX = boxRight ? label.right() : label.x() - 7;
        QCOMPARE(r.widthGrip(), QRectF(gripX, end.y() - 3, 7, 7));
        QCOMPARE(r.endHandle(), QRectF(end.x() - 3, end.y() - 3, 7, 7));
    }
};

DIMLET_TEST_MAIN(TestTextDrawRenderer)
#include "tst_textdrawrenderer.moc"
