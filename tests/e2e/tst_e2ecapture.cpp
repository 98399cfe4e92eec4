#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include <QDir>
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
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void captureRegion();
    void clipboard();
};

namespace {
// Programs of the journey's own run on the session's X server; it names it to them.
QProcessEnvironment displayEnvironment(DesktopSession &s)
{
    const QString file = s.filePath(QStringLiteral("display"));
    s.input({"exec", "--sync", "sh", "-c", "printf %s \"$DISPLAY\" > '" + file + "'"});
    QFile named(file);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (named.open(QIODevice::ReadOnly))
        env.insert(QStringLiteral("DISPLAY"), QString::fromUtf8(named.readAll()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QByteArray runXclip(const QProcessEnvironment &env, const QStringList &arguments)
{
    QProcess xclip;
    xclip.setProcessEnvironment(env);
    xclip.start(QStringLiteral("xclip"), QStringList {"-selection", "clipboard"} + arguments);
    // Offering data, xclip stays behind to serve it; only its first process ends here.
    xclip.waitForFinished(10000);
    return xclip.readAllStandardOutput();
}

// The one picture named like stem that the program kept in its temporary folder.
QString keptPicture(DesktopSession &s, const QString &stem)
{
    const QString tmp = QFileInfo(s.filePath(QString())).dir().filePath(QStringLiteral("../tmp"));
    QString found;
    s.waitUntil(
        [&] {
            QDirIterator it(
                tmp, {stem + QStringLiteral(" *.png")}, QDir::Files, QDirIterator::Subdirectories);
            found = it.hasNext() ? it.next() : QString();
            return !found.isEmpty();
        },
        10000);
    return found;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

void CaptureJourneys::captureRegion()
{
    DesktopSession s(QStringLiteral("capture-region"));
    const QImage known = makeInterfacePicture();
    QVERIFY(known.save(s.filePath("known.png")));
    QVERIFY(makeMarkingPicture().save(s.filePath("board.png")));
    JOURNEY_VERIFY(s, s.start());

    s.step("a window of another program shows a known picture beside the main window");
    const QPoint knownAt(800, 600);
    QProcess window;
    const auto closeWindow = qScopeGuard([&] {
        window.kill();
        window.waitForFinished();
    });
    window.setProcessEnvironment(displayEnvironment(s));
    window.start(QStringLiteral(DIMLET_E2E_PICTURE_WINDOW),
        {s.filePath("known.png"), QString::number(knownAt.x()), QString::number(knownAt.y())});
    JOURNEY_VERIFY(s,
        s.waitUntil(
            [&] { return rgb(s.screenshot().copy(QRect(knownAt, known.size()))) == rgb(known); },
            10000));

    s.step("open a picture and measure a length on it");
    JOURNEY_VERIFY(s, s.openThroughDialog(s.filePath("board.png"), QStringLiteral("board.png")));
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture({40, 150}, {160, 152}));

    const QRect region(QPoint(40, 90), QPoint(300, 190));
    auto dragRegion = [&] {
        const QString selector = s.waitForDialog(QStringLiteral("Capture Region"));
        return !selector.isEmpty() && s.moveTo(knownAt + region.topLeft())
            && s.input({"mousedown", "1"}) && s.moveTo(knownAt + region.center())
            && s.moveTo(knownAt + region.bottomRight()) && s.input({"mouseup", "1"})
            && s.waitForWindowGone(selector);
    };

    s.step("Capture Region, then Esc: nothing changes");
    JOURNEY_VERIFY(s, s.key("ctrl+n"));
    const QString selector = s.waitForDialog(QStringLiteral("Capture Region"));
    JOURNEY_VERIFY(s, !selector.isEmpty() && s.focus(selector) && s.key("Escape"));
    JOURNEY_VERIFY(
        s, s.waitForWindowGone(selector) && s.waitForMainTitle(QStringLiteral("board.png")));

    s.step("Capture Region over the mark, answer No: nothing changes");
    JOURNEY_VERIFY(s, s.focus(s.mainWindow()) && s.key("ctrl+n") && dragRegion());
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral(".*"), false));
    JOURNEY_VERIFY(s, s.waitForMainTitle(QStringLiteral("board.png")));
    const QString kept = s.filePath("kept.dld");
    JOURNEY_VERIFY(s, s.saveAs(kept));
    JOURNEY_COMPARE(s, readDocumentMarks(kept).marks.size(), 1);
    QFile::remove(keptPicture(s, QStringLiteral("Screenshot")));

    s.step("Capture Region, answer Yes: the region opens, pixel for pixel");
    JOURNEY_VERIFY(s, s.key("ctrl+n") && dragRegion());
    JOURNEY_VERIFY(s, s.answerQuestion(QStringLiteral(".*"), true));
    const QString capture = keptPicture(s, QStringLiteral("Screenshot"));
    JOURNEY_VERIFY(s, s.waitForMainTitle(QFileInfo(capture).fileName()));
    JOURNEY_COMPARE(s, rgb(QImage(capture)), rgb(known.copy(region)));
}

void CaptureJourneys::clipboard()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        QSKIP("not installed: xclip");
    DesktopSession s(QStringLiteral("capture-clipboard"));
    const QImage known = makeInterfacePicture();
    QVERIFY(known.save(s.filePath("known.png")));
    JOURNEY_VERIFY(s, s.start());
    const QProcessEnvironment env = displayEnvironment(s);

    s.step("another program copies a PNG picture; Ctrl+V opens it");
    runXclip(env, {"-t", "image/png", "-i", s.filePath("known.png")});
    JOURNEY_VERIFY(s, s.focus(s.mainWindow()) && s.key("ctrl+v"));
    const QString pasted = keptPicture(s, QStringLiteral("Pasted"));
    JOURNEY_VERIFY(s, s.waitForMainTitle(QFileInfo(pasted).fileName()));
    JOURNEY_COMPARE(s, rgb(QImage(pasted)), rgb(known));

    s.step("measure a length and a rectangle; Copy Image gives what Save As writes");
    JOURNEY_VERIFY(s, s.key("1") && s.dragOnPicture({40, 150}, {160, 152}));
    JOURNEY_VERIFY(s, s.key("2") && s.dragOnPicture({260, 180}, {340, 250}));
    JOURNEY_VERIFY(s, s.key("ctrl+shift+c"));
    const QImage copied = QImage::fromData(runXclip(env, {"-o", "-t", "image/png"}), "PNG");
    JOURNEY_VERIFY(s, s.saveAs(s.filePath("exported.png")));
    JOURNEY_COMPARE(s, copied, QImage(s.filePath("exported.png")));

    s.step("select both marks; Copy gives their labels, oldest first");
    QPoint onLength, onRectangle;
    JOURNEY_VERIFY(s, s.onScreen({60, 150}, &onLength) && s.onScreen({260, 215}, &onRectangle));
    JOURNEY_VERIFY(s,
        s.click(onLength) && s.input({"keydown", "ctrl"}) && s.click(onRectangle)
            && s.input({"keyup", "ctrl"}));
    JOURNEY_VERIFY(s, s.key("ctrl+c"));
    JOURNEY_COMPARE(
        s, QString::fromUtf8(runXclip(env, {"-o"})), QStringLiteral("121\n260,180(81x71)"));

    s.step("another program copies a file list; Ctrl+V opens its file");
    QFile list(s.filePath("list"));
    JOURNEY_VERIFY(s,
        list.open(QIODevice::WriteOnly)
            && list.write(QUrl::fromLocalFile(s.filePath("known.png")).toEncoded() + "\r\n") > 0);
    list.close();
    runXclip(env, {"-t", "text/uri-list", "-i", list.fileName()});
    JOURNEY_VERIFY(s, s.key("ctrl+v") && s.answerQuestion(QStringLiteral(".*"), true));
    JOURNEY_VERIFY(s, s.waitForMainTitle(QStringLiteral("known.png")));
}

DIMLET_TEST_MAIN(CaptureJourneys)
#include "tst_e2ecapture.moc"
