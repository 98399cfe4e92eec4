#include "testsupport.h"

#include "canvas/capslock.h"

#include <QGuiApplication>

class TestCapsLock : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void overrideDecides_data();
    void overrideDecides();
    void offscreenReadsOff();
};

void TestCapsLock::cleanup()
{
    setCapsLockOverride(std::nullopt);
}

void TestCapsLock::overrideDecides_data()
{
    QTest::addColumn<bool>("forced");

    QTest::newRow("forced on scans columns") << true;
    QTest::newRow("forced off scans rows") << false;
}

void TestCapsLock::overrideDecides()
{
    QFETCH(bool, forced);

    setCapsLockOverride(forced);
    QCOMPARE(capsLockOn(), forced);
    QCOMPARE(capsLockOn(), forced);
}

void TestCapsLock::offscreenReadsOff()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    setCapsLockOverride(true);
    QVERIFY(capsLockOn());
    setCapsLockOverride(std::nullopt);
    QVERIFY2(!capsLockOn(), "without a keyboard to ask, the scan must stay on rows");
}

DIMLET_TEST_MAIN(TestCapsLock)
#include "tst_capslock.moc"
