#include "desktopsession.h"

#include "editor/dldocument.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

// What only a real display shows: file dialogs, the keyboard's Caps Lock, captures of the X
// screen and a drop from another program.
class Journeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!DesktopSession::noDisplay.isEmpty())
            QSKIP(qPrintable(DesktopSession::noDisplay));
    }
    void captureRegion();
    void dropFromAnotherProgram();
};

void Journeys::captureRegion()
{
    DesktopSession s("capture-region");
    const QImage known = makeFramedPicture();
    QVERIFY(known.save(s.filePath("board.png")));
    JOURNEY_VERIFY(s, s.start() && s.chooseFile("ctrl+o", "Open Image", s.filePath("board.png")));
    JOURNEY_VERIFY(s, s.waitForTitle("board.png"));

    s.step("another program's window shows a known picture");
    const QPoint knownAt(800, 600);
    QProcess window;
    const auto closeWindow = qScopeGuard([&] { window.kill(), window.waitForFinished(); });
    window.start(DIMLET_E2E_OTHER_PROGRAM,
        {s.filePath("board.png"), QString::number(knownAt.x()), QString::number(knownAt.y())});
    JOURNEY_VERIFY(
        s, s.waitUntil([&] { return s.screenshot().copy(QRect(knownAt, known.size())) == known; }));

    s.step("with Caps Lock on, hold Space and click the blue patch: its column is measured");
    QPoint below, patch;
    JOURNEY_VERIFY(
        s, s.focusMain() && s.onScreen({185, 280}, &below) && s.onScreen({185, 80}, &patch));
    JOURNEY_VERIFY(s, s.key("1 Caps_Lock") && s.moveTo(below) && s.xdotool({"keydown", "space"}));
    JOURNEY_VERIFY(s, s.moveTo(patch) && s.click(patch) && s.xdotool({"keyup", "space"}));
    // Caps Lock would change the letters of the paths typed next.
    JOURNEY_VERIFY(s, s.key("Caps_Lock"));

    const QRect region(QPoint(40, 90), QPoint(300, 190));
    const auto capture = [&](bool escape) {
        const QString selector = s.waitForWindow("^Capture Region$");
        return !selector.isEmpty() && s.focus(selector) && s.moveTo(knownAt + region.topLeft())
            && s.xdotool({"mousedown", "1"}) && s.moveTo(knownAt + region.center())
            && (!escape || s.key("Escape")) && s.moveTo(knownAt + region.bottomRight())
            && s.xdotool({"mouseup", "1"}) && s.waitForWindowGone(selector);
    };
    s.step("save the mark through the save dialog");
    JOURNEY_VERIFY(s, s.focusMain() && s.saveAs(s.filePath("kept.dld")));
    QTemporaryDir extraction;
    const DocumentReadResult kept = readDocumentFile(s.filePath("kept.dld"), extraction.path());
    JOURNEY_VERIFY(s, kept.records.size() == 1);
    JOURNEY_VERIFY(
        s, QLineF(kept.records[0]->point1, kept.records[0]->point2) == QLineF(185, 60, 185, 99));

    s.step("Capture Region, then Esc during the drag: nothing changes");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+n") && capture(true));
    JOURNEY_VERIFY(s, s.waitForTitle(s.filePath("kept.dld")));

    s.step("Capture Region over the mark, answer Yes: the region opens, pixel for pixel");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+n") && capture(false) && s.answerQuestion(true));
    QString captured; // kept in the program's temporary folder
    JOURNEY_VERIFY(s, s.waitUntil([&] {
        QDirIterator it(
            s.tempPath(), {"Screenshot *.png"}, QDir::Files, QDirIterator::Subdirectories);
        return it.hasNext() && !(captured = it.next()).isEmpty();
    }));
    JOURNEY_VERIFY(s, s.waitForTitle(QFileInfo(captured).fileName()));
    JOURNEY_VERIFY(s, QImage(captured).convertToFormat(QImage::Format_RGB32) == known.copy(region));
}

void Journeys::dropFromAnotherProgram()
{
    DesktopSession s("drop");
    const QImage picture = makeFramedPicture();
    QVERIFY(picture.save(s.filePath("board.png")));
    JOURNEY_VERIFY(s, s.start());

    s.step("drag the picture from another program's window onto the editor");
    QProcess source;
    const auto closeSource = qScopeGuard([&] { source.kill(), source.waitForFinished(); });
    source.start(DIMLET_E2E_OTHER_PROGRAM, {s.filePath("board.png"), "800", "500"});
    // Without a window manager the main window stays at the top-left corner.
    const QPoint from(900, 600), to(400, 300);
    JOURNEY_VERIFY(
        s, s.waitUntil([&] { return s.screenshot().pixel(from) == picture.pixel(100, 100); }));
    JOURNEY_VERIFY(s, s.moveTo(from) && s.xdotool({"mousedown", "1"}));
    JOURNEY_VERIFY(s, s.moveTo((from + to) / 2) && s.moveTo(to));
    // The editor takes the drag while it hovers, before the button is released.
    JOURNEY_VERIFY(s, s.waitUntil([&] { return source.canReadLine(); }));
    JOURNEY_VERIFY(s, source.readLine() == "accepted\n" && s.xdotool({"mouseup", "1"}));

    s.step("the picture shows whole, pixel for pixel, at zoom 100");
    QPoint origin;
    JOURNEY_VERIFY(s, s.waitForTitle("board.png") && s.onScreen(QPoint(0, 0), &origin));
    JOURNEY_VERIFY(s, s.screenshot().copy(QRect(origin, picture.size())) == picture);
}

JOURNEY_MAIN(Journeys)
#include "tst_e2ejourneys.moc"
