#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

// Measuring buttons of an interface screenshot with edge detection: hold Space with
// the length tool, point at the button, click. Caps Lock turns the scan to columns.
class AutoDetectJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void measureButton_data();
    void measureButton();
};

void AutoDetectJourneys::measureButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("offset"); // from the button's top-left pixel
    QTest::addColumn<bool>("capsLock");

    QTest::newRow("first row of the narrow button at its left edge") << 1 << QPoint(0, 0) << false;
    QTest::newRow("last row of the large button") << 2 << QPoint(100, 43) << false;
    QTest::newRow("caps lock: right edge column of the large button")
        << 2 << QPoint(140, 30) << true;
}

void AutoDetectJourneys::measureButton()
{
    QFETCH(int, button);
    QFETCH(QPoint, offset);
    QFETCH(bool, capsLock);
    const QRect target = interfaceButtons().at(button);
    const QPoint at = target.topLeft() + offset;
    QVERIFY(target.contains(at));

    DesktopSession s(QStringLiteral("autodetect-") + QTest::currentDataTag());
    const QString picture = s.filePath("window.png");
    QVERIFY(makeInterfacePicture().save(picture));
    JOURNEY_VERIFY(s, s.start());
    s.step("open the interface screenshot");
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("window.png")));
    s.step("length tool, hold Space, point at the button and click");
    JOURNEY_VERIFY(s, !capsLock || s.key("Caps_Lock"));
    QPoint background, pointer;
    // The pointer starts on the picture's plain background below the buttons.
    JOURNEY_VERIFY(s, s.onScreen(QPoint(20, 280), &background) && s.onScreen(at, &pointer));
    JOURNEY_VERIFY(s, s.key("1") && s.moveTo(background));
    JOURNEY_VERIFY(s, s.input({"keydown", "space"}));
    JOURNEY_VERIFY(s, s.moveTo((background + pointer) / 2) && s.moveTo(pointer));
    JOURNEY_VERIFY(s, s.click(pointer));
    JOURNEY_VERIFY(s, s.input({"keyup", "space"}));
    // Caps Lock would change the letters of the path typed next.
    JOURNEY_VERIFY(s, !capsLock || s.key("Caps_Lock"));

    s.step("save and read the measured length");
    const QString document = s.filePath("window.dld");
    JOURNEY_VERIFY(s, s.saveAs(document));
    const DocumentMarks saved = readDocumentMarks(document);
    // The run covers the button's pixels along the row (or column), both ends included;
    // detected lengths carry the fixed-axis width value 100.
    const QPoint start = capsLock ? QPoint(at.x(), target.top()) : QPoint(target.left(), at.y());
    const QPoint end = capsLock ? QPoint(at.x(), target.bottom()) : QPoint(target.right(), at.y());
    JOURNEY_COMPARE(s, saved.marks, QStringList({markLine(0, 0, start, end, 100)}));
}

DIMLET_TEST_MAIN(AutoDetectJourneys)
#include "tst_e2eautodetect.moc"
