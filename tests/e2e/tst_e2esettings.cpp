#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

#include <functional>

// The settings dialog driven with the mouse, and what its choices change in exported
// images and on the canvas; the interface in German when the preferences ask for it.
class SettingsJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void settingsChangeExportsAndCanvas();
    void germanInterface();
};

namespace {
// Places in the settings form (fixed geometry, relative to the dialog).
const QPoint colourList(190, 25);
const QPoint backgroundList(190, 65);
const QPoint originList(225, 105);
const QPoint rgbIntRadio(168, 270);

const QPoint lengthFrom(40, 250), lengthTo(160, 250);
const QPoint pickAnchor(200, 80), pickEnd(260, 40);
const QPoint pointMark(100, 48);
// Rows and columns that only the colour pick's label, or only the point mark's label, reach.
const QRect pickLabelBand(266, 28, 134, 32);
const QRect pointLabelBand(102, 18, 98, 29);
const int inkTolerance = 70;

int labelAdvance(const QString &text)
{
    return QFontMetrics(QFont(QStringLiteral("Arial"), 12)).horizontalAdvance(text);
}
} // namespace

static bool preferenceIs(DesktopSession &s, const char *key, const QString &value)
{
    const QString prefs = s.preferencesFilePath();
    return s.waitUntil(
        [&] {
            return QSettings(prefs, QSettings::IniFormat).value(QLatin1String(key)).toString()
                == value;
        },
        5000);
}

// Opens the settings dialog, hands its corner to `change`, waits for the preference it
// writes and closes the dialog with Return.
static bool changeSettings(DesktopSession &s, const std::function<bool(QPoint)> &change,
    const char *key, const QString &value)
{
    if (!s.focus(s.mainWindow()) || !s.key("ctrl+comma"))
        return false;
    const QString dialog = s.waitForDialog(QStringLiteral("Settings"));
    return !dialog.isEmpty() && s.focus(dialog) && change(s.windowGeometry(dialog).topLeft())
        && preferenceIs(s, key, value) && s.key("Return") && s.waitForWindowGone(dialog);
}

// Picks the entry `down` places below the current one in a combo box of the dialog.
static bool chooseInList(DesktopSession &s, QPoint list, int down)
{
    return s.click(list)
        && s.key(QString(QStringLiteral("Down ")).repeated(down) + QStringLiteral("Return"));
}

static QImage exportAs(DesktopSession &s, const QString &name)
{
    return s.saveAs(s.filePath(name)) ? QImage(s.filePath(name)) : QImage();
}

void SettingsJourneys::settingsChangeExportsAndCanvas()
{
    DesktopSession s(QStringLiteral("settings"));
    const QString picture = s.filePath("board.png");
    QVERIFY(makeMarkingPicture().save(picture));
    JOURNEY_VERIFY(s, s.start());
    s.step("open the picture and draw a length, a colour pick and a point");
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture(lengthFrom, lengthTo));
    JOURNEY_VERIFY(s, s.key("3") && s.dragOnPicture(pickAnchor, pickEnd));
    QPoint point, besidePicture;
    JOURNEY_VERIFY(
        s, s.onScreen(pointMark, &point) && s.onScreen(QPoint(-30, 150), &besidePicture));
    JOURNEY_VERIFY(s, s.key("2") && s.click(point));

    s.step("export with the default settings");
    JOURNEY_COMPARE(s, QColor(s.screenshot().pixel(besidePicture)), QColor(50, 53, 63));
    const QImage byDefault = exportAs(s, QStringLiteral("default.png"));
    const QRgb red = qRgb(255, 0, 0);
    JOURNEY_COMPARE(s, countNear(byDefault, QRect(42, 250, 10, 1), red), 10);
    const QRect pickInk = inkExtent(byDefault, pickLabelBand, red, inkTolerance);
    const QRect pointInk = inkExtent(byDefault, pointLabelBand, red, inkTolerance);

    s.step("settings: colour format 255,255,255");
    JOURNEY_VERIFY(s,
        changeSettings(
            s, [&](QPoint form) { return s.click(form + rgbIntRadio); }, "dl_color_fmt",
            QStringLiteral("3")));
    const QRect pickIntInk
        = inkExtent(exportAs(s, QStringLiteral("format.png")), pickLabelBand, red, inkTolerance);
    // The colour pick's label grew from 3366CC to 51,102,204.
    const int grown
        = labelAdvance(QStringLiteral("51,102,204")) - labelAdvance(QStringLiteral("3366CC"));
    JOURNEY_VERIFY(s, qAbs(pickIntInk.width() - pickInk.width() - grown) <= 4);

    s.step("settings: origin bottom left");
    JOURNEY_VERIFY(s,
        changeSettings(
            s, [&](QPoint form) { return chooseInList(s, form + originList, 1); }, "dl_flipY",
            QStringLiteral("true")));
    // The point's label counts y from the bottom edge now: 300 - 48.
    const QRect pointFlippedInk
        = inkExtent(exportAs(s, QStringLiteral("origin.png")), pointLabelBand, red, inkTolerance);
    const int longer
        = labelAdvance(QStringLiteral("x:100,y:252")) - labelAdvance(QStringLiteral("x:100,y:48"));
    JOURNEY_VERIFY(s, qAbs(pointFlippedInk.width() - pointInk.width() - longer) <= 4);

    s.step("settings: second mark colour and white background");
    JOURNEY_VERIFY(s,
        changeSettings(
            s,
            [&](QPoint form) {
                return chooseInList(s, form + colourList, 1)
                    && preferenceIs(s, "dl_mark_color", QStringLiteral("1"))
                    && chooseInList(s, form + backgroundList, 2);
            },
            "dl_background", QStringLiteral("2")));
    JOURNEY_VERIFY(s,
        s.waitUntil(
            [&] { return QColor(s.screenshot().pixel(besidePicture)) == QColor(Qt::white); },
            5000));
    const QImage byColour = exportAs(s, QStringLiteral("colour.png"));
    JOURNEY_COMPARE(s, countNear(byColour, QRect(42, 250, 10, 1), qRgb(0x2e, 0xcc, 0x71)), 10);
    // The background is the canvas's, never part of an export.
    JOURNEY_COMPARE(s, QColor(byColour.pixel(300, 150)), QColor(byDefault.pixel(300, 150)));
}

void SettingsJourneys::germanInterface()
{
    const QString catalogue = QStringLiteral(DIMLET_BUILD_DIR "/languages/dimlet_de.qm");
    if (!QFileInfo::exists(catalogue))
        QSKIP("the German translation is not built");
    QTranslator german;
    QVERIFY(german.load(catalogue));
    const QString openTitle = german.translate("DLEditor", "Open Image");
    QVERIFY(!openTitle.isEmpty() && openTitle != QLatin1String("Open Image"));

    auto menuBar = [](DesktopSession &s) {
        const QRect window = s.windowGeometry(s.mainWindow());
        return s.screenshot().copy(QRect(window.topLeft(), QSize(window.width(), 22)));
    };
    QImage englishMenus;
    {
        DesktopSession s(QStringLiteral("menus-english"));
        JOURNEY_VERIFY(s, s.start());
        englishMenus = menuBar(s);
    }

    DesktopSession s(QStringLiteral("menus-german"));
    QSettings(s.preferencesFilePath(), QSettings::IniFormat)
        .setValue(QStringLiteral("app_language"), QStringLiteral("de"));
    JOURNEY_VERIFY(s, s.start());
    s.step("the menu bar reads differently from the English one");
    JOURNEY_VERIFY(s, menuBar(s) != englishMenus);

    s.step("the open dialog has its German caption");
    JOURNEY_VERIFY(s, s.key("ctrl+o"));
    JOURNEY_VERIFY(s, !s.waitForDialog(QRegularExpression::escape(openTitle)).isEmpty());
}

DIMLET_TEST_MAIN(SettingsJourneys)
#include "tst_e2esettings.moc"
