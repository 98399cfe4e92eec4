#include "testsupport.h"

#include "capture/regionselector.h"

#include <QSignalSpy>

class TestRegionSelector : public QObject
{
    Q_OBJECT

private slots:
    void drag_data();
    void drag();
};

void TestRegionSelector::drag_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected"); // device pixels; null when nothing is selected

    // Like a rectangle mark, both corner pixels count.
    QTest::newRow("down and right")
        << 1.0 << QPoint(10, 10) << QPoint(40, 30) << QRect(10, 10, 31, 21);
    QTest::newRow("up and left") << 1.0 << QPoint(40, 30) << QPoint(10, 10)
                                 << QRect(10, 10, 31, 21);
    QTest::newRow("double density doubles every pixel")
        << 2.0 << QPoint(10, 10) << QPoint(40, 30) << QRect(20, 20, 62, 42);
    QTest::newRow("cut at the screen's edge")
        << 1.0 << QPoint(150, 80) << QPoint(250, 130) << QRect(150, 80, 50, 20);
    QTest::newRow("a click selects nothing") << 1.0 << QPoint(10, 10) << QPoint(10, 10) << QRect();
}

void TestRegionSelector::drag()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);

    QImage screen(QSize(200, 100) * ratio, QImage::Format_RGB32);
    screen.fill(Qt::gray);
    auto *selector = new RegionSelector(screen, ratio, QRect(0, 0, 200, 100));
    QSignalSpy selected(selector, &RegionSelector::selected);
    QSignalSpy cancelled(selector, &RegionSelector::cancelled);
    selector->show();
    QTest::mousePress(selector, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(selector, to);
    QTest::mouseRelease(selector, Qt::LeftButton, Qt::NoModifier, to);

    if (expected.isNull()) {
        QVERIFY(selected.isEmpty());
        QTest::keyClick(selector, Qt::Key_Escape);
        QCOMPARE(cancelled.size(), 1);
        return;
    }
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().first().toRect(), expected);
    QVERIFY(cancelled.isEmpty());
}

DIMLET_TEST_MAIN(TestRegionSelector)
#include "tst_regionselector.moc"
