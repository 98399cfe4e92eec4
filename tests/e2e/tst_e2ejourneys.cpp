#include "desktopsession.h"

#include <QSettings>
#include <QTranslator>

// The built program on a real display: input events, file dialogs, a drop from another
// program, window title and size, and the interface language it starts in.
class Journeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!DesktopSession::noDisplay.isEmpty())
            QSKIP(qPrintable(DesktopSession::noDisplay));
    }
    void drawSaveAndClose();
    void dropFromAnotherProgramInGerman();
};

namespace {
// Shown whole, pixel for pixel: the window has grown to fit the picture at zoom 100.
bool showsWholePicture(DesktopSession &s, const QImage &picture)
{
    QPoint origin;
    return s.onScreen(QPoint(0, 0), &origin)
        && (s.screenshot().copy(QRect(origin, picture.size())) == picture
            || s.fail("the picture on the screen differs from the file"));
}

} // namespace

void Journeys::drawSaveAndClose()
{
    DesktopSession s("draw-save-close");
    const QImage picture = makeFramedPicture();
    const QString board = s.filePath("board.png");
    QVERIFY(picture.save(board));
    JOURNEY_VERIFY(s, s.start());
    s.step("open the picture through the open dialog");
    JOURNEY_VERIFY(s, s.chooseFile("ctrl+o", "Open Image", board) && s.waitForTitle("board.png"));
    JOURNEY_VERIFY(s, showsWholePicture(s, picture));

    s.step("draw a length, a rectangle, a colour pick and a comment with the mouse");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("1") && s.dragOnPicture({40, 150}, {160, 150}));
    JOURNEY_VERIFY(s, s.key("2") && s.dragOnPicture({60, 180}, {150, 250}));
    JOURNEY_VERIFY(s, s.key("3") && s.dragOnPicture({200, 80}, {260, 40}));
    JOURNEY_VERIFY(s, s.key("4") && s.dragOnPicture({230, 200}, {300, 240}));
    JOURNEY_VERIFY(s, s.type("Button gap") && s.key("Escape"));

    s.step("with Caps Lock on, hold Space and click the blue patch: its column is measured");
    QPoint below, patch;
    JOURNEY_VERIFY(s, s.onScreen({185, 280}, &below) && s.onScreen({185, 80}, &patch));
    JOURNEY_VERIFY(s, s.key("1 Caps_Lock") && s.moveTo(below) && s.xdotool({"keydown", "space"}));
    JOURNEY_VERIFY(s, s.moveTo(patch) && s.click(patch) && s.xdotool({"keyup", "space"}));
    // Caps Lock would change the letters of the paths typed next.
    JOURNEY_VERIFY(s, s.key("Caps_Lock"));

    s.step("closing with unsaved changes asks; No keeps the window");
    JOURNEY_VERIFY(s, s.key("ctrl+w") && s.answerQuestion(false) && s.running());

    s.step("save as a document through the save dialog");
    const QString document = s.filePath("board.dld");
    JOURNEY_VERIFY(s, s.saveAs(document));
    const QStringList marks = documentMarks(document);
    const QStringList drawn
        = {"0 0 (40,150)-(160,150) -1", "1 1 (60,180)-(150,250) -1", "2 2 (200,80)-(260,40) -1",
            "3 3 (230,200)-(300,240) Button gap", "0 4 (185,60)-(185,99) 100"};
    JOURNEY_VERIFY(s, marks == drawn || s.fail("saved " + marks.join(" | ")));

    s.step("settings: the second mark colour and a white canvas");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+comma"));
    const QString settings = s.waitForWindow("^Settings$");
    const QPoint form = s.geometry(settings).topLeft();
    JOURNEY_VERIFY(s, !settings.isEmpty() && s.focus(settings));
    JOURNEY_VERIFY(s, s.click(form + QPoint(190, 25)) && s.key("Down Return"));
    JOURNEY_VERIFY(s, s.click(form + QPoint(190, 65)) && s.key("Down Down Return"));
    JOURNEY_VERIFY(s, s.key("Return") && s.waitForWindowGone(settings));
    QPoint beside;
    JOURNEY_VERIFY(s, s.onScreen({-30, 150}, &beside));
    JOURNEY_VERIFY(s, s.waitUntil([&] { return s.screenshot().pixel(beside) == 0xffffffff; }));

    s.step("export as PNG: the picture's size, the marks in the new colour");
    const QString exported = s.filePath("marked.png");
    JOURNEY_VERIFY(s, s.saveAs(exported));
    const QImage image(exported);
    JOURNEY_VERIFY(s, image.size() == picture.size());
    JOURNEY_VERIFY(s, QColor(image.pixel(45, 150)) == QColor(0x2e, 0xcc, 0x71));

    s.step("closing after saving asks nothing and ends with 0; the update check ran");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+w") && s.waitForExit());
    JOURNEY_VERIFY(s, s.updateRequests() >= 1);
}

// Started in German, as the preferences ask.
void Journeys::dropFromAnotherProgramInGerman()
{
    QTranslator german;
    QVERIFY(german.load(DIMLET_BUILD_DIR "/languages/dimlet_de.qm"));
    const QString openTitle = german.translate("DLEditor", "Open Image");
    QVERIFY(!openTitle.isEmpty() && openTitle != "Open Image");
    DesktopSession s("drop-german");
    const QImage picture = makeFramedPicture();
    const QString board = s.filePath("board.png");
    QVERIFY(picture.save(board));
    QSettings(s.preferencesFilePath(), QSettings::IniFormat).setValue("app_language", "de");
    JOURNEY_VERIFY(s, s.start());

    s.step("drag the picture from another program's window onto the editor");
    QProcess source;
    source.start(DIMLET_E2E_DRAG_SOURCE, {board});
    QString window;
    JOURNEY_VERIFY(
        s, s.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Drag Source$"}, &window));
    const QPoint from = s.geometry(window).center(), to = s.geometry(s.mainWindow).center();
    JOURNEY_VERIFY(s, s.moveTo(from) && s.xdotool({"mousedown", "1"}));
    JOURNEY_VERIFY(s, s.moveTo((from + to) / 2) && s.moveTo(to));
    // The editor takes the drag while it hovers, before the button is released.
    JOURNEY_VERIFY(s, s.waitUntil([&] { return source.canReadLine(); }));
    JOURNEY_VERIFY(s, source.readLine() == "accepted\n" && s.xdotool({"mouseup", "1"}));
    JOURNEY_VERIFY(s, s.waitForTitle("board.png") && showsWholePicture(s, picture));

    s.step("the open dialog has its German caption");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+o"));
    JOURNEY_VERIFY(s, !s.waitForWindow("^" + openTitle + "$").isEmpty());
}

JOURNEY_MAIN(Journeys)
#include "tst_e2ejourneys.moc"
