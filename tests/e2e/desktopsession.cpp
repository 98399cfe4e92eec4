#include "desktopsession.h"

#include "journeychecks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr int toolTimeoutMs = 10000;
constexpr int pollIntervalMs = 25;
const QSize screenSize(1280, 900);

QString fileSafe(const QString &name)
{
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-"));
    return safe;
}

QString tail(const QString &path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList all = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    return all.mid(qMax(0, all.size() - lines)).join(QLatin1Char('\n'));
}
} // namespace

DesktopSession::DesktopSession(const QString &journeyName)
    : journey(fileSafe(journeyName))
{
    root = QDir(qEnvironmentVariable("HOME")).filePath(QStringLiteral("journeys/") + journey);
    QDir(root).removeRecursively();
    for (const char *dir :
        {"home/.config", "home/.local/share", "home/.cache", "runtime", "tmp", "files", "scratch"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(dir));
    QFile::setPermissions(
        root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Pictures of an earlier run would mislead whoever reads this run's failure.
    QDir shots(QStringLiteral(DIMLET_E2E_SCREENSHOTS));
    for (const QString &old : shots.entryList({journey + QStringLiteral("-failed-*.png")}))
        shots.remove(old);
}

DesktopSession::~DesktopSession()
{
    saveScreenshot(journey + QStringLiteral(".png"));
    if (program && program->state() != QProcess::NotRunning) {
        program->terminate();
        if (!program->waitForFinished(3000)) {
            program->kill();
            program->waitForFinished(2000);
        }
    }
    program.reset();
    display.stop();
}

QStringList DesktopSession::missingTools()
{
    QStringList missing;
    for (const QString &tool : {QStringLiteral("Xvfb"), QStringLiteral("xdotool")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing;
}

QString DesktopSession::preferencesFilePath() const
{
    // Where the program keeps its preferences while no lower-case data folder exists.
    return root + QStringLiteral("/home/.local/share/Dimlet/preferences.ini");
}

QProcessEnvironment DesktopSession::programEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE",
             "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER", "XAUTHORITY", "DESKTOP_SESSION"})
        env.remove(QLatin1String(name));
    const QString home = root + QStringLiteral("/home");
    env.insert(QStringLiteral("DISPLAY"), display.name());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("TMPDIR"), root + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("DIMLET_UPDATE_URL"), updates.url());
    // No session bus: the program runs without one, and nothing is started for it.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
        QStringLiteral("unix:path=") + root + QStringLiteral("/no-bus"));
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

bool DesktopSession::start()
{
    step(QStringLiteral("start the X server"));
    QString error;
    if (!display.start(screenSize, &error)) {
        fail(error);
        return false;
    }
    step(QStringLiteral("start the update endpoint"));
    if (!updates.start()) {
        fail(QStringLiteral("the update endpoint could not listen on 127.0.0.1"));
        return false;
    }
    return startProgram();
}

bool DesktopSession::startProgram()
{
    step(QStringLiteral("start the program"));
    program = std::make_unique<QProcess>();
    program->setProcessEnvironment(programEnvironment());
    program->setWorkingDirectory(root);
    program->setStandardOutputFile(root + QStringLiteral("/program.log"), QIODevice::Append);
    program->setStandardErrorFile(root + QStringLiteral("/program.log"), QIODevice::Append);
    program->start(QStringLiteral(DIMLET_E2E_PROGRAM), QStringList());
    if (!program->waitForStarted(toolTimeoutMs)) {
        fail(QStringLiteral("the program did not start: ") + program->errorString());
        return false;
    }
    mainWindowId.clear();
    const bool shown = waitUntil(
        [this] {
            const QStringList windows = visibleProgramWindows();
            for (const QString &window : windows) {
                if (windowName(window) == QLatin1String("Dimlet")) {
                    mainWindowId = window;
                    return true;
                }
            }
            return false;
        },
        20000);
    if (!shown) {
        fail(QStringLiteral("no window named \"Dimlet\" appeared"));
        return false;
    }
    return focus(mainWindowId);
}

bool DesktopSession::programRunning() const
{
    return program && program->state() == QProcess::Running;
}

bool DesktopSession::waitForProgramExit(int *exitCode, int timeoutMs)
{
    if (!program) {
        fail(QStringLiteral("the program was never started"));
        return false;
    }
    if (!waitUntil([this] { return program->state() == QProcess::NotRunning; }, timeoutMs)) {
        fail(QStringLiteral("the program is still running"));
        return false;
    }
    if (program->exitStatus() != QProcess::NormalExit) {
        fail(QStringLiteral("the program crashed"));
        return false;
    }
    *exitCode = program->exitCode();
    return true;
}

void DesktopSession::step(const QString &what)
{
    currentStep = what;
    lastError.clear();
    qInfo().noquote() << journey << "step:" << what;
}

QString DesktopSession::failure(const QString &check)
{
    const QString shot = journey + QStringLiteral("-failed-%1.png").arg(++failures);
    saveScreenshot(shot);
    QString message = QStringLiteral("step \"%1\" failed: %2").arg(currentStep, check);
    if (!lastError.isEmpty())
        message += QStringLiteral("\n   because: ") + lastError;
    message += QStringLiteral("\n   screenshot: %1/%2")
                   .arg(QStringLiteral(DIMLET_E2E_SCREENSHOTS), shot);
    const QString log = tail(root + QStringLiteral("/program.log"), 15);
    if (!log.trimmed().isEmpty())
        message += QStringLiteral("\n   program output:\n") + log;
    return message;
}

bool DesktopSession::saveScreenshot(const QString &fileName) const
{
    const QImage shot = display.grab();
    if (shot.isNull())
        return false;
    QDir().mkpath(QStringLiteral(DIMLET_E2E_SCREENSHOTS));
    return shot.save(QStringLiteral(DIMLET_E2E_SCREENSHOTS "/") + fileName);
}

bool DesktopSession::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, pollIntervalMs);
        QThread::msleep(pollIntervalMs);
    }
}

bool DesktopSession::xdotool(const QStringList &arguments, QString *output, bool quiet)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(toolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        if (!quiet)
            fail(QStringLiteral("xdotool %1 did not finish").arg(arguments.join(QLatin1Char(' '))));
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        if (!quiet)
            fail(QStringLiteral("xdotool %1 failed: %2")
                     .arg(arguments.join(QLatin1Char(' ')),
                         QString::fromLocal8Bit(tool.readAllStandardError()).trimmed()));
        return false;
    }
    return true;
}

QStringList DesktopSession::visibleProgramWindows()
{
    if (!programRunning())
        return QStringList();
    QString output;
    // Nothing found is an exit code of 1, not a failure here.
    xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                QString::number(program->processId())},
        &output, true);
    return output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString DesktopSession::windowName(const QString &window)
{
    QString name;
    if (!xdotool({QStringLiteral("getwindowname"), window}, &name, true))
        return QString();
    return name;
}

QRect DesktopSession::windowGeometry(const QString &window)
{
    QString output;
    if (!xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, &output))
        return QRect();
    QRect geometry;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X=")))
            geometry.moveLeft(value.toInt());
        else if (line.startsWith(QLatin1String("Y=")))
            geometry.moveTop(value.toInt());
        else if (line.startsWith(QLatin1String("WIDTH=")))
            geometry.setWidth(value.toInt());
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            geometry.setHeight(value.toInt());
    }
    return geometry;
}

QString DesktopSession::waitForDialog(const QString &titlePattern, int timeoutMs)
{
    const QRegularExpression title(QRegularExpression::anchoredPattern(titlePattern));
    QString found;
    QStringList seen;
    const bool appeared = waitUntil(
        [&] {
            seen.clear();
            for (const QString &window : visibleProgramWindows()) {
                if (window == mainWindowId)
                    continue;
                const QString name = windowName(window);
                seen << QLatin1Char('"') + name + QLatin1Char('"');
                if (title.match(name).hasMatch()) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (!appeared)
        fail(QStringLiteral("no window titled /%1/ appeared (other windows: %2)")
                 .arg(titlePattern, seen.isEmpty() ? QStringLiteral("none") : seen.join(", ")));
    return found;
}

bool DesktopSession::waitForWindowGone(const QString &window, int timeoutMs)
{
    if (waitUntil([&] { return !visibleProgramWindows().contains(window); }, timeoutMs))
        return true;
    fail(QStringLiteral("the window \"%1\" is still open").arg(windowName(window)));
    return false;
}

bool DesktopSession::waitForNoDialogs(int timeoutMs)
{
    QStringList left;
    const bool closed = waitUntil(
        [&] {
            left = visibleProgramWindows();
            left.removeAll(mainWindowId);
            return left.isEmpty();
        },
        timeoutMs);
    if (!closed) {
        QStringList names;
        for (const QString &window : left)
            names << QLatin1Char('"') + windowName(window) + QLatin1Char('"');
        fail(QStringLiteral("windows still open: ") + names.join(QStringLiteral(", ")));
    }
    return closed;
}

bool DesktopSession::waitForMainTitle(const QString &title, int timeoutMs)
{
    QString seen;
    if (waitUntil([&] { return (seen = windowName(mainWindowId)) == title; }, timeoutMs))
        return true;
    fail(QStringLiteral("the main window is titled \"%1\", not \"%2\"").arg(seen, title));
    return false;
}

bool DesktopSession::focus(const QString &window)
{
    // Without a window manager the input focus is set directly, and waited for.
    return xdotool({QStringLiteral("windowraise"), window})
        && xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
}

bool DesktopSession::key(const QString &keys)
{
    // Several keys separated by blanks are pressed one after the other.
    return xdotool(
        QStringList({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")})
        + keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

bool DesktopSession::keyDown(const QString &keys)
{
    return xdotool({QStringLiteral("keydown"), keys});
}

bool DesktopSession::keyUp(const QString &keys)
{
    return xdotool({QStringLiteral("keyup"), keys});
}

bool DesktopSession::type(const QString &text)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("8"), text});
}

bool DesktopSession::moveTo(QPoint screen)
{
    return xdotool(
        {QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y())});
}

bool DesktopSession::pressButton(int button)
{
    return xdotool({QStringLiteral("mousedown"), QString::number(button)});
}

bool DesktopSession::releaseButton(int button)
{
    return xdotool({QStringLiteral("mouseup"), QString::number(button)});
}

bool DesktopSession::click(QPoint screen, int button)
{
    return moveTo(screen) && pressButton(button) && releaseButton(button);
}

bool DesktopSession::drag(QPoint from, QPoint to)
{
    const QPoint middle = from + (to - from) / 2;
    return moveTo(from) && pressButton() && moveTo(middle) && moveTo(to) && releaseButton();
}

bool DesktopSession::onScreen(QPoint picturePoint, QPoint *screen)
{
    QPoint origin;
    const bool found = waitUntil(
        [&] {
            origin = findPictureOrigin(display.grab());
            return origin.x() >= 0;
        },
        5000);
    if (!found) {
        fail(QStringLiteral("the picture's frame is not on the screen"));
        return false;
    }
    *screen = origin + picturePoint;
    return true;
}

bool DesktopSession::dragOnPicture(QPoint from, QPoint to)
{
    QPoint start;
    if (!onScreen(from, &start))
        return false;
    return drag(start, start + (to - from));
}

bool DesktopSession::clickOnPicture(QPoint at)
{
    QPoint screen;
    return onScreen(at, &screen) && click(screen);
}

bool DesktopSession::chooseInFileDialog(const QString &title, const QString &path)
{
    const QString dialog = waitForDialog(QRegularExpression::escape(title));
    if (dialog.isEmpty() || !focus(dialog))
        return false;
    // The file name field has the focus; whatever it holds is replaced.
    if (!key(QStringLiteral("ctrl+a")) || !type(path) || !key(QStringLiteral("Return")))
        return false;
    if (waitUntil([&] { return !visibleProgramWindows().contains(dialog); }, 3000))
        return true;
    // A completion list that was open takes the first Return for itself.
    return focus(dialog) && key(QStringLiteral("Return")) && waitForWindowGone(dialog);
}

bool DesktopSession::openThroughDialog(const QString &path, const QString &expectedTitle)
{
    return focus(mainWindowId) && key(QStringLiteral("ctrl+o"))
        && chooseInFileDialog(QStringLiteral("Open Image"), path) && waitForMainTitle(expectedTitle)
        && focus(mainWindowId);
}

bool DesktopSession::waitForFileWritten(const QString &path, int timeoutMs)
{
    qint64 lastSize = -1;
    int steady = 0;
    const bool written = waitUntil(
        [&] {
            const QFileInfo info(path);
            if (!info.exists() || info.size() == 0)
                return false;
            steady = info.size() == lastSize ? steady + 1 : 0;
            lastSize = info.size();
            return steady >= 2;
        },
        timeoutMs);
    if (!written)
        fail(QStringLiteral("the file %1 was not written").arg(path));
    return written;
}

bool DesktopSession::saveAs(const QString &path)
{
    if (!focus(mainWindowId) || !key(QStringLiteral("ctrl+shift+s"))
        || !chooseInFileDialog(QStringLiteral("Save file"), path)
        || !waitForFileWritten(path, 10000))
        return false;
    // The success note shows for a second once the file is written.
    const QString note = waitForDialog(QStringLiteral(".*"), 5000);
    if (note.isEmpty()) {
        fail(QStringLiteral("no success note appeared after writing ") + path);
        return false;
    }
    return waitForNoDialogs(8000) && focus(mainWindowId);
}

bool DesktopSession::answerQuestion(const QString &titlePattern, bool yes)
{
    const QString box = waitForDialog(titlePattern);
    return !box.isEmpty() && focus(box) && key(yes ? QStringLiteral("y") : QStringLiteral("n"))
        && waitForWindowGone(box);
}

bool DesktopSession::dragFilesOntoMainWindow(const QStringList &files, QString *outcome)
{
    QProcess source;
    source.setProcessEnvironment(programEnvironment());
    source.start(QStringLiteral(DIMLET_E2E_DRAG_SOURCE), files);
    if (!source.waitForStarted(toolTimeoutMs)) {
        fail(QStringLiteral("the drag source did not start"));
        return false;
    }
    QString sourceWindow;
    const bool shown = waitUntil(
        [&] {
            return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--name"), QStringLiteral("^Drag Source$")},
                       &sourceWindow, true)
                && !sourceWindow.isEmpty();
        },
        10000);
    if (!shown) {
        fail(QStringLiteral("the drag source's window did not appear"));
        return false;
    }
    sourceWindow = sourceWindow.section(QLatin1Char('\n'), 0, 0);
    const QPoint from = windowGeometry(sourceWindow).center();
    const QPoint to = windowGeometry(mainWindowId).center();
    if (!moveTo(from) || !pressButton())
        return false;
    // The drop protocol answers each pointer position; a human-paced drag gives it
    // the time to, and the last position is held briefly before the release.
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        if (!moveTo(from + (to - from) * i / steps))
            return false;
        waitUntil([] { return false; }, 40);
    }
    if (!moveTo(to + QPoint(1, 1)) || !moveTo(to))
        return false;
    waitUntil([] { return false; }, 250);
    if (!releaseButton())
        return false;
    if (!source.waitForFinished(toolTimeoutMs)) {
        source.kill();
        source.waitForFinished(1000);
        fail(QStringLiteral("the drag did not end"));
        return false;
    }
    const QString report = QString::fromLocal8Bit(source.readAllStandardOutput()).trimmed();
    if (!report.startsWith(QLatin1String("drop: "))) {
        fail(QStringLiteral("the drag source reported \"%1\"").arg(report));
        return false;
    }
    *outcome = report.mid(6);
    return true;
}
