#include "testsupport.h"

#include "capture/regionselector.h"

// A drag in logical pixels becomes device pixels of the frozen screen.
class TestRegionSelector : public QObject
{
    Q_OBJECT

private slots:
    void devicePixels_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("logical");
        QTest::addColumn<QRect>("expected");

        QTest::newRow("plain screen") << 1.0 << QRect(10, 10, 31, 21) << QRect(10, 10, 31, 21);
        QTest::newRow("double density") << 2.0 << QRect(10, 10, 31, 21) << QRect(20, 20, 62, 42);
        QTest::newRow("cut at edge") << 2.0 << QRect(150, 80, 101, 51) << QRect(300, 160, 100, 40);
    }
    void devicePixels()
    {
        QFETCH(qreal, ratio);
        QFETCH(QRect, logical);
        QFETCH(QRect, expected);
        QCOMPARE(RegionSelector::devicePixels(logical, ratio, QSize(400, 200)), expected);
    }
};

DIMLET_TEST_MAIN(TestRegionSelector)
#include "tst_regionselector.moc"
