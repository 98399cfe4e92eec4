#include "testsupport.h"

#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marktest.h"

#include <QTextLayout>

namespace {
using Comment = Driven<DLGraphicsCommentsItemRenderer>;

const QString wrappable = QStringLiteral("alpha beta gamma delta");
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
        QTest::newRow("width below 1 is not set") << wrappable << 0.5 << 1 << true;
        QTest::newRow("empty text: a 2 x 0 box, width unset") << "" << -1.0 << 0 << false;
    }

    void layout()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(int, lines);
        QFETCH(bool, natural);
        const Comment c(MarkComments, {0, 0}, {40, 10}, text, width);
        const QRect t = c->textRect();
        QCOMPARE(c->maxWidth(), natural ? t.width() + 1.0 : width);
        const QTextLayout *layout = c->textLayout();
        const int count = layout ? layout->lineCount() : 0;
        QVERIFY(lines < 0 ? count > 1 : count == lines);
        for (int i = 0; i < count; ++i)
            QVERIFY(layout->lineAt(i).naturalTextWidth() <= c->maxWidth());
        QCOMPARE(c->labelRect(), QRectF(47, 4, t.width() + 2, text.isEmpty() ? 0 : t.height()));
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
        QTest::newRow("one line: inward narrows") << "Comments" << -1.0 << 40.0 << -20.0 << -20.0;
        QTest::newRow("box left, wrapped: leftward widens")
            << wrappable << 60.0 << -40.0 << -25.0 << 25.0;
    }

    void widthGrip()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, endX);
        QFETCH(double, dx);
        QFETCH(double, change);
        Comment c(MarkComments, {0, 0}, {endX, 10}, text, width);
        const double start = c->maxWidth();
        const QPointF grip = c->mapFromLocal(c->widthGrip().center());
        QCOMPARE(c->hitTest(grip), int(HitWidthGrip));
        c->mousePress(grip, HitWidthGrip);
        c->mouseMove(grip + QPointF(dx, 0), HitWidthGrip);
        QCOMPARE(c->maxWidth(), start + change);
        QCOMPARE(c->labelRect().width(), c->textRect().width() + 2.0);
    }

    // Local to the anchor: the arrowhead's tip and corners, and the leader's points from
    // its first (the end, or the arrowhead's base when curved) to its last.
    void calloutLayout_data()
    {
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<QPolygonF>("head");
        QTest::addColumn<QPolygonF>("leader");
        using P = QPolygonF;
        QTest::newRow("right and below: right-angled head") << QPointF(
            40, 10) << P({{2, 0}, {9, 0}, {2, 7}}) << P({{40, 10}, {10, 10}, {5.5, 3.5}});
        QTest::newRow("level to the left: symmetric head")
            << QPointF(-30, 0) << P({{-2, 0}, {-8, -5}, {-8, 5}}) << P({{-30, 0}, {0, 0}, {-8, 0}});
        QTest::newRow("steep below: the leg would pass the end, so a curve") << QPointF(
            5, 40) << P({{0, 2}, {-5, 8}, {5, 8}}) << P({{0, 8}, {0, 20}, {5, 20}, {5, 40}});
        QTest::newRow("straight below counts as left and curves") << QPointF(
            0, 20) << P({{0, 2}, {-5, 8}, {5, 8}}) << P({{0, 8}, {0, 10}, {0, 10}, {0, 20}});
    }

    void calloutLayout()
    {
        QFETCH(QPointF, end);
        QFETCH(QPolygonF, head);
        QFETCH(QPolygonF, leader);
        const Comment c(MarkComments, {100, 50}, QPointF(100, 50) + end, "Note", 50.0);
        QCOMPARE(c->arrowTriangle(), head);
        const QPainterPath path = c->leaderPath();
        QPolygonF points;
        for (int i = 0; i < path.elementCount(); ++i)
            points << path.elementAt(i);
        QCOMPARE(points, leader);
        QCOMPARE(path.elementAt(1).isCurveTo(), leader.size() == 4);
        const QRectF label = c->labelRect();
        const bool right = end.x() > 0;
        QCOMPARE(label.y(), end.y() - 6);
        QCOMPARE(right ? label.x() - 7 : label.right() + 7, end.x());
        QCOMPARE(c->widthGrip(), QRectF(right ? label.right() : label.x() - 7, end.y() - 3, 7, 7));
        QCOMPARE(c->endHandle(), QRectF(end.x() - 3, end.y() - 3, 7, 7));
    }
};

DIMLET_TEST_MAIN(TestCommentMark)
#include "tst_commentmark.moc"
