#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include "deployment.h"

#include <QImageReader>

// Exporting a marked picture while the view is zoomed in: the file has the picture's
// size, the marks in the mark colour and, for PNG, the program's text entries.
class ExportJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void exportAtZoom300_data();
    void exportAtZoom300();
};

namespace {
const QRgb defaultMarkColour = qRgb(255, 0, 0);
}

void ExportJourneys::exportAtZoom300_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("lossy");

    QTest::newRow("png keeps exact colours and its text entries") << "marked.png" << false;
    // JPEG averages colour over blocks of pixels: a one-pixel red line keeps its
    // brightness but loses part of its saturation to the rows beside it.
    QTest::newRow("jpeg within the loss of compression") << "marked.jpeg" << true;
}

void ExportJourneys::exportAtZoom300()
{
    QFETCH(QString, fileName);
    QFETCH(bool, lossy);

    DesktopSession s(QStringLiteral("export-") + fileName);
    const QString picture = s.filePath("board.png");
    const QImage original = makeMarkingPicture();
    QVERIFY(original.save(picture));
    JOURNEY_VERIFY(s, s.start());
    s.step("open the picture");
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));

    s.step("draw a length and a rectangle");
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture({40, 150}, {160, 152}));
    JOURNEY_VERIFY(s, s.key("2") && s.dragOnPicture({260, 180}, {340, 250}));

    s.step("zoom in twice with \"=\": 100 to 200 to 300");
    // The zoom button swallows a second press while it still shows the first one, so
    // each press waits for the picture to grow.
    for (int factor : {2, 3}) {
        JOURNEY_VERIFY(s, s.key("equal"));
        const bool zoomed = s.waitUntil(
            [&] {
                return longestRowRun(s.screenshot(), markingPatchColour())
                    == factor * markingPatch().width();
            },
            5000);
        JOURNEY_VERIFY(s, zoomed);
    }

    s.step("export with Save As");
    const QString exported = s.filePath(fileName);
    JOURNEY_VERIFY(s, s.saveAs(exported));

    QImageReader reader(exported);
    // The text entries come from the file's header, before the pixels are read.
    if (!lossy) {
        JOURNEY_COMPARE(s, reader.text(QStringLiteral("PowerBy")), QStringLiteral("Dimlet"));
        JOURNEY_COMPARE(s, reader.text(QStringLiteral("home")), QStringLiteral(DIMLET_HOME_URL));
    }
    const QImage image = reader.read();
    JOURNEY_VERIFY(s, !image.isNull());
    JOURNEY_COMPARE(s, image.size(), original.size());

    s.step("the marks are drawn in the mark colour");
    // Pixels on the length's line left of its label, and on the rectangle's crosshair;
    // the rows just above the line stay the picture's.
    const QRect line(42, 150, 10, 1), crosshair(260, 172, 1, 6), aboveLine(42, 148, 10, 1);
    auto marked = [&](const QRect &area) {
        return lossy ? countNearerThanOriginal(image, original, area, defaultMarkColour)
                     : countNear(image, area, defaultMarkColour);
    };
    JOURNEY_COMPARE(s, marked(line), 10);
    JOURNEY_COMPARE(s, marked(crosshair), 6);
    JOURNEY_COMPARE(s, marked(aboveLine), 0);
}

DIMLET_TEST_MAIN(ExportJourneys)
#include "tst_e2eexport.moc"
