#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

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

int preference(const QString &file, const char *key)
{
    return QSettings(file, QSettings::IniFormat).value(QLatin1String(key), -1).toInt();
}

QString hexText(QRgb colour)
{
    return QStringLiteral("%1%2%3")
        .arg(qRed(colour), 2, 16, QLatin1Char('0'))
        .arg(qGreen(colour), 2, 16, QLatin1Char('0'))
        .arg(qBlue(colour), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString intText(QRgb colour)
{
    return QStringLiteral("%1,%2,%3")
        .arg(qRed(colour), 2, 10, QLatin1Char('0'))
        .arg(qGreen(colour), 2, 10, QLatin1Char('0'))
        .arg(qBlue(colour), 2, 10, QLatin1Char('0'));
}

int labelAdvance(const QString &text)
{
    return QFontMetrics(QFont(QStringLiteral("Arial"), 12)).horizontalAdvance(text);
}
} // namespace

// Opens the settings dialog with its shortcut and hands out its top-left screen corner.
static bool openSettings(DesktopSession &s, QString *dialog, QPoint *corner)
{
    if (!s.focus(s.mainWindow()) || !s.key(QStringLiteral("ctrl+comma")))
        return false;
    *dialog = s.waitForDialog(QStringLiteral("Settings"));
    if (dialog->isEmpty())
        return false;
    *corner = s.windowGeometry(*dialog).topLeft();
    return s.focus(*dialog);
}

// Picks the entry `down` places below the current one in a combo box of the dialog.
static bool chooseInList(DesktopSession &s, QPoint list, int down)
{
    QStringList keys;
    for (int i = 0; i < down; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("Return");
    return s.click(list) && s.key(keys.join(QLatin1Char(' ')));
}

void SettingsJourneys::settingsChangeExportsAndCanvas()
{
    DesktopSession s(QStringLiteral("settings"));
    const QString picture = s.filePath(QStringLiteral("board.png"));
    QVERIFY(makeMarkingPicture().save(picture));
    const QString prefs = s.preferencesFilePath();
    JOURNEY_VERIFY(s, s.start());
    s.step(QStringLiteral("open the picture and draw a length, a colour pick and a point"));
    JOURNEY_VERIFY(s, s.openThroughDialog(picture, QStringLiteral("board.png")));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("1")) && s.dragOnPicture(lengthFrom, lengthTo));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("3")) && s.dragOnPicture(pickAnchor, pickEnd));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("2")) && s.clickOnPicture(pointMark));

    s.step(QStringLiteral("export with the default settings"));
    QPoint besidePicture;
    JOURNEY_VERIFY(s, s.onScreen(QPoint(-30, 150), &besidePicture));
    JOURNEY_COMPARE(s, QColor(s.screenshot().pixel(besidePicture)), QColor(50, 53, 63));
    JOURNEY_VERIFY(s, s.saveAs(s.filePath(QStringLiteral("default.png"))));
    const QImage byDefault(s.filePath(QStringLiteral("default.png")));
    const QRgb red = qRgb(255, 0, 0);
    JOURNEY_COMPARE(s, countNear(byDefault, QRect(42, 250, 10, 1), red), 10);
    const QRect pickInk = inkExtent(byDefault, pickLabelBand, red, inkTolerance);
    const QRect pointInk = inkExtent(byDefault, pointLabelBand, red, inkTolerance);
    // The labels read 3366CC and x:100,y:48: their ink is as wide as those texts.
    JOURNEY_VERIFY2(s, qAbs(pickInk.width() - labelAdvance(hexText(markingPatchColour()))) <= 4,
        describeValue(pickInk));
    JOURNEY_VERIFY2(s,
        qAbs(pointInk.width()
            - labelAdvance(QStringLiteral("x:%1,y:%2").arg(pointMark.x()).arg(pointMark.y())))
            <= 4,
        describeValue(pointInk));

    s.step(QStringLiteral("settings: colour format 255,255,255"));
    QString dialog;
    QPoint corner;
    JOURNEY_VERIFY(s, openSettings(s, &dialog, &corner));
    JOURNEY_VERIFY(s, s.click(corner + rgbIntRadio));
    JOURNEY_VERIFY(s, s.waitUntil([&] { return preference(prefs, "dl_color_fmt") == 3; }, 5000));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("Return")) && s.waitForWindowGone(dialog));
    JOURNEY_VERIFY(s, s.saveAs(s.filePath(QStringLiteral("format.png"))));
    const QImage byFormat(s.filePath(QStringLiteral("format.png")));
    // Only the colour pick's text changed, and it grew by the difference of the texts.
    const QRect formatChange = differenceBounds(byDefault, byFormat);
    JOURNEY_VERIFY2(s, !formatChange.isNull() && formatChange.left() >= pickEnd.x(),
        describeValue(formatChange));
    const QRect pickIntInk = inkExtent(byFormat, pickLabelBand, red, inkTolerance);
    const int grown
        = labelAdvance(intText(markingPatchColour())) - labelAdvance(hexText(markingPatchColour()));
    JOURNEY_VERIFY2(s, qAbs(pickIntInk.width() - pickInk.width() - grown) <= 4,
        describeValue(pickIntInk) + QStringLiteral(" grown by %1").arg(grown));

    s.step(QStringLiteral("settings: origin bottom left"));
    JOURNEY_VERIFY(s, openSettings(s, &dialog, &corner));
    JOURNEY_VERIFY(s, chooseInList(s, corner + originList, 1));
    JOURNEY_VERIFY(s,
        s.waitUntil(
            [&] {
                return QSettings(prefs, QSettings::IniFormat)
                    .value(QStringLiteral("dl_flipY"))
                    .toBool();
            },
            5000));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("Return")) && s.waitForWindowGone(dialog));
    JOURNEY_VERIFY(s, s.saveAs(s.filePath(QStringLiteral("origin.png"))));
    const QImage byOrigin(s.filePath(QStringLiteral("origin.png")));
    // The point's label now counts y from the bottom edge: x:100,y:252 instead of y:48.
    const QRect originChange = differenceBounds(byFormat, byOrigin);
    JOURNEY_VERIFY2(s, !originChange.isNull() && originChange.right() < pickAnchor.x(),
        describeValue(originChange));
    const QRect pointFlippedInk = inkExtent(byOrigin, pointLabelBand, red, inkTolerance);
    const int longer
        = labelAdvance(QStringLiteral("x:%1,y:%2").arg(pointMark.x()).arg(300 - pointMark.y()))
        - labelAdvance(QStringLiteral("x:%1,y:%2").arg(pointMark.x()).arg(pointMark.y()));
    JOURNEY_VERIFY2(s, qAbs(pointFlippedInk.width() - pointInk.width() - longer) <= 4,
        describeValue(pointFlippedInk) + QStringLiteral(" longer by %1").arg(longer));

    s.step(QStringLiteral("settings: second mark colour and white background"));
    JOURNEY_VERIFY(s, openSettings(s, &dialog, &corner));
    JOURNEY_VERIFY(s, chooseInList(s, corner + colourList, 1));
    JOURNEY_VERIFY(s, s.waitUntil([&] { return preference(prefs, "dl_mark_color") == 1; }, 5000));
    JOURNEY_VERIFY(s, chooseInList(s, corner + backgroundList, 2));
    JOURNEY_VERIFY(s, s.waitUntil([&] { return preference(prefs, "dl_background") == 2; }, 5000));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("Return")) && s.waitForWindowGone(dialog));
    const bool whiteCanvas = s.waitUntil(
        [&] { return QColor(s.screenshot().pixel(besidePicture)) == QColor(Qt::white); }, 5000);
    JOURNEY_VERIFY(s, whiteCanvas);
    JOURNEY_VERIFY(s, s.saveAs(s.filePath(QStringLiteral("colour.png"))));
    const QImage byColour(s.filePath(QStringLiteral("colour.png")));
    const QRgb green = qRgb(0x2e, 0xcc, 0x71);
    JOURNEY_COMPARE(s, countNear(byColour, QRect(42, 250, 10, 1), green), 10);
    JOURNEY_COMPARE(s, countNear(byColour, byColour.rect(), red), 0);
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
    const QString settingsTitle = german.translate("DLSetting", "Settings");
    const QString openTitle = german.translate("DLEditor", "Open Image");
    QVERIFY2(!settingsTitle.isEmpty() && settingsTitle != QLatin1String("Settings"),
        "the German catalogue has no title for the settings dialog");
    QVERIFY2(!openTitle.isEmpty() && openTitle != QLatin1String("Open Image"),
        "the German catalogue has no caption for the open dialog");

    QImage englishMenus;
    {
        DesktopSession s(QStringLiteral("menus-english"));
        JOURNEY_VERIFY(s, s.start());
        const QRect window = s.windowGeometry(s.mainWindow());
        englishMenus = s.screenshot().copy(QRect(window.topLeft(), QSize(window.width(), 22)));
    }

    DesktopSession s(QStringLiteral("menus-german"));
    {
        QSettings prefs(s.preferencesFilePath(), QSettings::IniFormat);
        prefs.setValue(QStringLiteral("app_language"), QStringLiteral("de"));
    }
    JOURNEY_VERIFY(s, s.start());
    s.step(QStringLiteral("the menu bar reads differently from the English one"));
    const QRect window = s.windowGeometry(s.mainWindow());
    const QImage germanMenus
        = s.screenshot().copy(QRect(window.topLeft(), QSize(window.width(), 22)));
    JOURNEY_VERIFY(s, !differenceBounds(englishMenus, germanMenus).isNull());

    s.step(QStringLiteral("the settings dialog has its German title"));
    JOURNEY_VERIFY(s, s.key(QStringLiteral("ctrl+comma")));
    const QString settings = s.waitForDialog(QRegularExpression::escape(settingsTitle));
    JOURNEY_VERIFY(s, !settings.isEmpty());
    JOURNEY_VERIFY(
        s, s.focus(settings) && s.key(QStringLiteral("Escape")) && s.waitForWindowGone(settings));

    s.step(QStringLiteral("the open dialog has its German caption"));
    JOURNEY_VERIFY(s, s.focus(s.mainWindow()) && s.key(QStringLiteral("ctrl+o")));
    const QString open = s.waitForDialog(QRegularExpression::escape(openTitle));
    JOURNEY_VERIFY(s, !open.isEmpty());
    JOURNEY_VERIFY(
        s, s.focus(open) && s.key(QStringLiteral("Escape")) && s.waitForWindowGone(open));
    JOURNEY_VERIFY(s, s.programRunning());
}

DIMLET_TEST_MAIN(SettingsJourneys)
#include "tst_e2esettings.moc"
