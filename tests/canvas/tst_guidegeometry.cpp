#include "testsupport.h"

#include "canvas/guidegeometry.h"

#include <QScrollBar>

namespace {
struct Bar
{
    int minimum;
    int maximum;
    int page;
    int value;
};

void setUp(QScrollBar &bar, const Bar &values)
{
    bar.setRange(values.minimum, values.maximum);
    bar.setPageStep(values.page);
    bar.setValue(values.value);
}
} // namespace

Q_DECLARE_METATYPE(Bar)

class TestGuideGeometry : public QObject
{
    Q_OBJECT
private slots:
    void guidePath_data();
    void guidePath();
    void scrollVisible_data();
    void scrollVisible();
    void visibleScene_data();
    void visibleScene();
};

void TestGuideGeometry::guidePath_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::newRow("vertical spans the height at x 0")
        << QRectF(-700, -500, 2400, 1600) << true << QPointF(0, -500) << QPointF(0, 1100);
    QTest::newRow("horizontal spans the width at y 0")
        << QRectF(-700, -500, 2400, 1600) << false << QPointF(-700, 0) << QPointF(1700, 0);
}

void TestGuideGeometry::guidePath()
{
    QFETCH(QRectF, rect);
    QFETCH(bool, vertical);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    const QPainterPath path = makeGuidePath(rect, vertical);
    QCOMPARE(path.elementCount(), 2);
    QCOMPARE(QPointF(path.elementAt(0)), from);
    QCOMPARE(QPointF(path.elementAt(1)), to);
}

void TestGuideGeometry::scrollVisible_data()
{
    QTest::addColumn<Bar>("horizontal");
    QTest::addColumn<Bar>("vertical");
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<QRect>("visible");

    QTest::newRow("no scrolling shows everything")
        << Bar {0, 0, 10, 0} << Bar {0, 0, 10, 0} << QSizeF(300, 200) << QRect(0, 0, 300, 200);
    QTest::newRow("a third shown, a sixth scrolled")
        << Bar {0, 100, 50, 25} << Bar {0, 0, 10, 0} << QSizeF(300, 200) << QRect(50, 0, 100, 200);
    QTest::newRow("fractions are truncated") << Bar {0, 100, 50, 25} << Bar {0, 100, 50, 100}
                                             << QSizeF(100, 100) << QRect(16, 66, 33, 33);
    QTest::newRow("minimum above zero is subtracted")
        << Bar {-50, 50, 100, 0} << Bar {0, 0, 1, 0} << QSizeF(400, 40) << QRect(100, 0, 200, 40);
}

void TestGuideGeometry::scrollVisible()
{
    QFETCH(Bar, horizontal);
    QFETCH(Bar, vertical);
    QFETCH(QSizeF, area);
    QFETCH(QRect, visible);
    QScrollBar h(Qt::Horizontal);
    QScrollBar v(Qt::Vertical);
    setUp(h, horizontal);
    setUp(v, vertical);
    QCOMPARE(scrollVisibleRect(&h, &v, area), visible);
}

void TestGuideGeometry::visibleScene_data()
{
    QTest::addColumn<QRectF>("sceneRect");
    QTest::addColumn<double>("scale");
    QTest::addColumn<Bar>("horizontal");
    QTest::addColumn<Bar>("vertical");
    QTest::addColumn<QRectF>("visible");

    const Bar still {0, 0, 10, 0};
    QTest::newRow("zoom 0.5 grows the scene by half a view each side")
        << QRectF(-100, -100, 1200, 800) << 0.5 << still << still << QRectF(-700, -500, 2400, 1600);
    QTest::newRow("zoom 1 is the scene rectangle")
        << QRectF(-100, -100, 1200, 800) << 1.0 << still << still << QRectF(-100, -100, 1200, 800);
    QTest::newRow("zoom 2 is the scrolled part plus 16")
        << QRectF(-100, -100, 1200, 800) << 2.0 << Bar {0, 1600, 800, 400}
        << Bar {0, 1000, 600, 500} << QRectF(100, 150, 416, 316);
    QTest::newRow("zoom 2 without scrolling spans the scene plus 16")
        << QRectF(0, 0, 100, 50) << 2.0 << still << still << QRectF(0, 0, 116, 66);
}

void TestGuideGeometry::visibleScene()
{
    QFETCH(QRectF, sceneRect);
    QFETCH(double, scale);
    QFETCH(Bar, horizontal);
    QFETCH(Bar, vertical);
    QFETCH(QRectF, visible);
    QScrollBar h(Qt::Horizontal);
    QScrollBar v(Qt::Vertical);
    setUp(h, horizontal);
    setUp(v, vertical);
    QCOMPARE(visibleSceneRect(sceneRect, scale, &h, &v), visible);
}

DIMLET_TEST_MAIN(TestGuideGeometry)
#include "tst_guidegeometry.moc"
