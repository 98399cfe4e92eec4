#include "desktopsession.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QUrl>

// Captures of the real X screen, and the clipboard shared with another program (xclip).
class CaptureJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!DesktopSession::noDisplay.isEmpty())
            QSKIP(qPrintable(DesktopSession::noDisplay));
    }
    void captureRegion();
    void clipboard();
};

namespace {
QByteArray xclip(const QStringList &arguments)
{
    QProcess tool;
    tool.start("xclip", QStringList {"-selection", "clipboard"} + arguments);
    // Offering data, xclip stays behind to serve it; only its first process ends here.
    tool.waitForFinished(10000);
    return tool.readAllStandardOutput();
}

// The one picture named like stem that the program kept in its temporary folder.
QString keptPicture(DesktopSession &s, const QString &stem)
{
    QString found;
    s.waitUntil([&] {
        QDirIterator it(s.tempPath(), {stem + " *.png"}, QDir::Files, QDirIterator::Subdirectories);
        found = it.hasNext() ? it.next() : QString();
        return !found.isEmpty();
    });
    return found;
}

} // namespace

void CaptureJourneys::captureRegion()
{
    DesktopSession s("capture-region");
    const QImage known = makeFramedPicture();
    QVERIFY(known.save(s.filePath("known.png")) && known.save(s.filePath("board.png")));
    JOURNEY_VERIFY(s, s.start());

    s.step("another program's window shows a known picture");
    const QPoint knownAt(800, 600);
    QProcess window;
    const auto closeWindow = qScopeGuard([&] { window.kill(), window.waitForFinished(); });
    window.start(DIMLET_E2E_PICTURE_WINDOW,
        {s.filePath("known.png"), QString::number(knownAt.x()), QString::number(knownAt.y())});
    JOURNEY_VERIFY(
        s, s.waitUntil([&] { return s.screenshot().copy(QRect(knownAt, known.size())) == known; }));

    s.step("open a picture and measure a length on it");
    JOURNEY_VERIFY(s, s.chooseFile("ctrl+o", "Open Image", s.filePath("board.png")));
    JOURNEY_VERIFY(s,
        s.waitForTitle("board.png") && s.focusMain() && s.key("1")
            && s.dragOnPicture({40, 150}, {160, 152}));

    const QRect region(QPoint(40, 90), QPoint(300, 190));
    const auto dragRegion = [&] {
        const QString selector = s.waitForWindow("^Capture Region$");
        return !selector.isEmpty() && s.moveTo(knownAt + region.topLeft())
            && s.xdotool({"mousedown", "1"}) && s.moveTo(knownAt + region.center())
            && s.moveTo(knownAt + region.bottomRight()) && s.xdotool({"mouseup", "1"})
            && s.waitForWindowGone(selector);
    };

    s.step("Capture Region, then Esc during the drag: nothing changes");
    JOURNEY_VERIFY(s, s.key("ctrl+n"));
    const QString selector = s.waitForWindow("^Capture Region$");
    JOURNEY_VERIFY(s,
        !selector.isEmpty() && s.focus(selector) && s.moveTo(knownAt)
            && s.xdotool({"mousedown", "1"}) && s.moveTo(knownAt + QPoint(50, 50))
            && s.key("Escape"));
    JOURNEY_VERIFY(s,
        s.xdotool({"mouseup", "1"}) && s.waitForWindowGone(selector)
            && s.waitForTitle("board.png"));

    s.step("Capture Region over the unsaved mark, answer No: nothing changes");
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+n") && dragRegion() && s.answerQuestion(false));
    JOURNEY_VERIFY(s, s.waitForTitle("board.png") && s.saveAs(s.filePath("kept.dld")));
    JOURNEY_VERIFY(s, documentMarks(s.filePath("kept.dld")).size() == 1);
    QFile::remove(keptPicture(s, "Screenshot"));

    s.step("Capture Region, answer Yes: the region opens, pixel for pixel");
    JOURNEY_VERIFY(s, s.key("ctrl+n") && dragRegion() && s.answerQuestion(true));
    const QString capture = keptPicture(s, "Screenshot");
    JOURNEY_VERIFY(s, s.waitForTitle(QFileInfo(capture).fileName()));
    JOURNEY_VERIFY(s, QImage(capture).convertToFormat(QImage::Format_RGB32) == known.copy(region));
}

void CaptureJourneys::clipboard()
{
    if (QStandardPaths::findExecutable("xclip").isEmpty())
        QSKIP("xclip is not installed");
    DesktopSession s("capture-clipboard");
    const QImage known = makeFramedPicture();
    QVERIFY(known.save(s.filePath("known.png")));
    JOURNEY_VERIFY(s, s.start());

    s.step("another program copies a PNG picture; Ctrl+V opens it");
    xclip({"-t", "image/png", "-i", s.filePath("known.png")});
    JOURNEY_VERIFY(s, s.focusMain() && s.key("ctrl+v"));
    const QString pasted = keptPicture(s, "Pasted");
    JOURNEY_VERIFY(s, s.waitForTitle(QFileInfo(pasted).fileName()));
    JOURNEY_VERIFY(s, QImage(pasted).convertToFormat(QImage::Format_RGB32) == known);

    s.step("measure a length and a rectangle; Copy Image gives what Save As writes");
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture({40, 150}, {160, 152}));
    JOURNEY_VERIFY(s, s.key("2") && s.dragOnPicture({260, 180}, {340, 250}));
    JOURNEY_VERIFY(s, s.key("ctrl+shift+c"));
    const QImage copied = QImage::fromData(xclip({"-o", "-t", "image/png"}), "PNG");
    JOURNEY_VERIFY(s, s.saveAs(s.filePath("exported.png")));
    JOURNEY_VERIFY(s, !copied.isNull() && copied == QImage(s.filePath("exported.png")));

    s.step("select both marks; Copy gives their labels");
    QPoint onLength, onRectangle;
    JOURNEY_VERIFY(s, s.onScreen({60, 150}, &onLength) && s.onScreen({260, 215}, &onRectangle));
    JOURNEY_VERIFY(s,
        s.click(onLength) && s.xdotool({"keydown", "ctrl"}) && s.click(onRectangle)
            && s.xdotool({"keyup", "ctrl"}) && s.key("ctrl+c"));
    const QString texts = QString::fromUtf8(xclip({"-o"}));
    JOURNEY_VERIFY(s, texts == "121\n260,180(81x71)" || s.fail("copied " + texts));

    s.step("another program copies a file list; Ctrl+V opens its file");
    QFile list(s.filePath("list"));
    JOURNEY_VERIFY(s,
        list.open(QIODevice::WriteOnly)
            && list.write(QUrl::fromLocalFile(s.filePath("known.png")).toEncoded() + "\r\n") > 0);
    list.close();
    xclip({"-t", "text/uri-list", "-i", list.fileName()});
    JOURNEY_VERIFY(s, s.key("ctrl+v") && s.answerQuestion(true) && s.waitForTitle("known.png"));
}

JOURNEY_MAIN(CaptureJourneys)
#include "tst_e2ecapture.moc"
