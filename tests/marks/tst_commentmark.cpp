#include "testsupport.h"

#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlgraphicstextdrawitemrenderer.h"
#include "marks/labeldrawing.h"
#include "stubnotifyhandle.h"

#include <QTextLayout>

namespace {
// The natural width of the text on one unwrapped line in the label font, measured apart.
int naturalWidth(const QString &text)
{
    QTextLayout layout(text, DLGraphicsItemRenderer::labelFont());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(text.size());
    layout.endLayout();
    return qRound(line.naturalTextWidth());
}

struct Comment
{
    Comment(const QString &text, double width, double endX = 40)
    {
        r.init(&owner, {0, 0}, {endX, 10}, text, width);
    }
    int lines() const { return r.textLayout() ? r.textLayout()->lineCount() : 0; }
    bool wrappedWithin(double width) const
    {
        for (int i = 0; i < lines(); ++i) {
            if (r.textLayout()->lineAt(i).naturalTextWidth() > width)
                return false;
        }
        return lines() > 1;
    }
    StubNotifyHandle owner;
    DLGraphicsCommentsItemRenderer r;
};

const QString wrappable = QStringLiteral("alpha beta gamma delta");

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

class TestCommentMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("lines"); // -1: wrapped to more than one, within the width
        QTest::addColumn<bool>("natural"); // the width value becomes the natural width + 1
        QTest::newRow("new comment: one line") << "Comments" << -1.0 << 1 << true;
        QTest::newRow("two line feeds give three lines") << "one\ntwo\nthree" << 1e3 << 3 << false;
        QTest::newRow("long word in a narrow box breaks inside")
            << "Pneumonoultramicroscopic" << 40.0 << -1 << false;
        QTest::newRow("restored width wraps the same way") << wrappable << 60.0 << -1 << false;
        QTest::newRow("width below 1 is not set") << wrappable << 0.5 << 1 << true;
        QTest::newRow("empty text: a 2 x 0 box, width unset") << "" << -1.0 << 0 << false;
    }

    void layout()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(int, lines);
        QFETCH(bool, natural);
        const Comment c(text, width);
        if (lines >= 0)
            QCOMPARE(c.lines(), lines);
        else
            QVERIFY(c.wrappedWithin(width));
        QCOMPARE(c.r.maxWidth(), natural ? naturalWidth(text) + 1.0 : width);
        const QRect t = c.r.textRect();
        QCOMPARE(c.r.labelRect(), QRectF(47, 4, t.width() + 2, text.isEmpty() ? 0 : t.height()));
    }

    // A one-line comment cannot be widened past its natural width + 1; narrowing wraps it.
    void widthGrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("endX"); // the box lies on this side of the anchor
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("change");
        QTest::newRow("one line: outward does not widen")
            << "Comments" << -1.0 << 40.0 << 30.0 << 0.0;
        QTest::newRow("one line: inward narrows and wraps")
            << "Comments" << -1.0 << 40.0 << -20.0 << -20.0;
        QTest::newRow("box left, wrapped: leftward widens")
            << wrappable << 60.0 << -40.0 << -25.0 << 25.0;
        QTest::newRow("forced breaks are not limited") << "a\nb" << 500.0 << 40.0 << 10.0 << 10.0;
    }

    void widthGrip()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, endX);
        QFETCH(double, dx);
        QFETCH(double, change);
        Comment c(text, width, endX);
        const double start = c.r.maxWidth();
        const QPointF grip = c.r.mapFromLocal(c.r.widthGrip().center());
        QCOMPARE(c.r.hitTest(grip), 3);
        c.r.mousePress(grip, 3);
        c.r.mouseMove(grip + QPointF(dx, 0), 3);
        QCOMPARE(c.r.maxWidth(), start + change);
        if (change < 0)
            QVERIFY(c.wrappedWithin(c.r.maxWidth()));
        QCOMPARE(c.r.labelRect().width(), c.r.textRect().width() + 2.0);
    }

    // Points local to the anchor; the arrowhead as tip, corner 1, corner 2 and base.
    void calloutLayout_data()
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

    void calloutLayout()
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

DIMLET_TEST_MAIN(TestCommentMark)
#include "tst_commentmark.moc"
