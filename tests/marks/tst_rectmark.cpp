#include "testsupport.h"

#include "marks/dlgraphicsrectitemrenderer.h"
#include "marktest.h"

class TestRectMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DLGraphicsItemRenderer::setLabelFont(QFont("Arial", 12)); }

    // Shown with the bottom-left origin of a picture 600 pixels high.
    void labels_data()
    {
        QTest::addColumn<QLineF>("points");
        QTest::addColumn<QString>("text");
        QTest::newRow("a point maps with no height") << QLineF(120, 48, 120, 48) << "x:120,y:552";
        QTest::newRow("touching the bottom edge") << QLineF(0, 580, 9, 599) << "0,0(10x20)";
    }

    void labels()
    {
        QFETCH(QLineF, points);
        QFETCH(QString, text);
        DLGraphicsItemRenderer::setMapPointHandler(
            [](QPointF p, double height) { return QPointF(p.x(), 600 - p.y() - height); });
        QCOMPARE(Driven<>(MarkRect, points.p1(), points.p2())->text(), text);
        DLGraphicsItemRenderer::setMapPointHandler(nullptr);
    }

    // Handle centres of the 31 x 21 rectangle: corners at x -3.5 and 35.5, y -3.5 and 25.5.
    void nearestHandle_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QPointF>("pointer"); // local
        QTest::addColumn<int>("nearest");
        QTest::newRow("corner drag near the top-right") << 6 << QPointF(33, -1) << 3;
        QTest::newRow("four-way tie keeps the first") << 8 << QPointF(16, 11) << 1;
        QTest::newRow("exactly 10000 away shows none") << 8 << QPointF(-3.5, -10003.5) << 0;
        QTest::newRow("top-bottom tie goes to bottom") << 2 << QPointF(15.5, 11) << 7;
        QTest::newRow("left-right tie goes to right") << 4 << QPointF(16, 10) << 5;
    }

    void nearestHandle()
    {
        QFETCH(int, part);
        QFETCH(QPointF, pointer);
        QFETCH(int, nearest);
        Driven<DLGraphicsRectItemRenderer> r(MarkRect, {10, 10}, {40, 30});
        r->mouseMove(r->mapFromLocal(pointer), HitNone);
        r->setHitPart(part);
        QCOMPARE(r->nearestHandle(), nearest);
    }
};

DIMLET_TEST_MAIN(TestRectMark)
#include "tst_rectmark.moc"
