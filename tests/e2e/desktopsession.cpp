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
}

DesktopSession::DesktopSession(const QString &journeyName)
    : journey(
        QString(journeyName)
            .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-")))
{
    root = QDir(qEnvironmentVariable("HOME")).filePath(QStringLiteral("journeys/") + journey);
    QDir(root).removeRecursively();
    for (const char *dir :
        {"home/.config", "home/.local/share", "home/.cache", "runtime", "tmp", "files"})
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
    program.reset(); // killed and waited for
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
    // No session bus: the program runs without one, and nothing is started for it.
    const QList<QPair<QString, QString>> values
        = {{"DISPLAY", display.name()}, {"QT_QPA_PLATFORM", "xcb"}, {"HOME", home},
            {"XDG_CONFIG_HOME", home + "/.config"}, {"XDG_DATA_HOME", home + "/.local/share"},
            {"XDG_CACHE_HOME", home + "/.cache"}, {"XDG_RUNTIME_DIR", root + "/runtime"},
            {"TMPDIR", root + "/tmp"}, {"DIMLET_UPDATE_URL", updates.url()},
            {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/no-bus"}, {"NO_AT_BRIDGE", "1"},
            {"LANG", "C.UTF-8"}, {"LC_ALL", "C.UTF-8"}};
    for (const auto &value : values)
        env.insert(value.first, value.second);
    return env;
}

bool DesktopSession::start()
{
    step("start the X server and the update endpoint");
    QString error;
    if (!display.start(QSize(1280, 900), &error))
        return fail(error);
    if (!updates.startListening())
        return fail(QStringLiteral("the update endpoint could not listen on 127.0.0.1"));
    return startProgram();
}

bool DesktopSession::startProgram()
{
    step("start the program");
    program = std::make_unique<QProcess>();
    program->setProcessEnvironment(programEnvironment());
    program->setWorkingDirectory(root);
    program->setProcessChannelMode(QProcess::ForwardedChannels);
    program->start(QStringLiteral(DIMLET_E2E_PROGRAM), QStringList());
    mainWindowId.clear();
    const bool shown = waitUntil(
        [this] {
            for (const QString &window : visibleProgramWindows()) {
                if (windowName(window) == QLatin1String("Dimlet"))
                    mainWindowId = window;
            }
            return !mainWindowId.isEmpty();
        },
        20000);
    return shown ? focus(mainWindowId) : fail(QStringLiteral("no window named \"Dimlet\""));
}

bool DesktopSession::programRunning() const
{
    return program && program->state() == QProcess::Running;
}

bool DesktopSession::waitForProgramExit()
{
    if (!waitUntil([this] { return !programRunning(); }, 15000))
        return fail(QStringLiteral("the program is still running"));
    return (program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0)
        || fail(QStringLiteral("the program ended with %1").arg(program->exitCode()));
}

void DesktopSession::step(const QString &what)
{
    currentStep = what;
    lastError.clear();
}

bool DesktopSession::fail(const QString &reason)
{
    lastError = reason;
    return false;
}

QString DesktopSession::failure(const QString &check)
{
    const QString shot = journey + QStringLiteral("-failed-%1.png").arg(++failures);
    saveScreenshot(shot);
    QString message = QStringLiteral("step \"%1\" failed: %2").arg(currentStep, check);
    if (!lastError.isEmpty())
        message += QStringLiteral("\n   because: ") + lastError;
    return message + QStringLiteral("\n   screenshot: " DIMLET_E2E_SCREENSHOTS "/") + shot;
}

bool DesktopSession::saveScreenshot(const QString &fileName) const
{
    const QImage shot = display.grab();
    QDir().mkpath(QStringLiteral(DIMLET_E2E_SCREENSHOTS));
    return !shot.isNull() && shot.save(QStringLiteral(DIMLET_E2E_SCREENSHOTS "/") + fileName);
}

bool DesktopSession::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 25);
        QThread::msleep(25);
    }
    return true;
}

bool DesktopSession::xdotool(const QStringList &arguments, QString *output, bool quiet)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.name());
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(toolTimeoutMs))
        tool.kill();
    if (output)
        *output = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    if (tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        return true;
    return quiet ? false
                 : fail(QStringLiteral("xdotool %1 failed: %2")
                            .arg(arguments.join(QLatin1Char(' ')),
                                QString::fromLocal8Bit(tool.readAllStandardError()).trimmed()));
}

QStringList DesktopSession::visibleProgramWindows()
{
    if (!programRunning())
        return QStringList();
    QString output;
    // Nothing found is an exit code of 1, not a failure here.
    xdotool(
        {"search", "--onlyvisible", "--pid", QString::number(program->processId())}, &output, true);
    return output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString DesktopSession::windowName(const QString &window)
{
    QString name;
    xdotool({"getwindowname", window}, &name, true);
    return name;
}

QRect DesktopSession::windowGeometry(const QString &window)
{
    QString output;
    xdotool({"getwindowgeometry", "--shell", window}, &output);
    QMap<QString, int> values;
    for (const QString &line : output.split(QLatin1Char('\n')))
        values[line.section(QLatin1Char('='), 0, 0)] = line.section(QLatin1Char('='), 1).toInt();
    return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
}

QString DesktopSession::waitForDialog(const QString &titlePattern)
{
    const QRegularExpression title(QRegularExpression::anchoredPattern(titlePattern));
    QString found;
    const bool appeared = waitUntil(
        [&] {
            for (const QString &window : visibleProgramWindows()) {
                if (window != mainWindowId && title.match(windowName(window)).hasMatch())
                    found = window;
            }
            return !found.isEmpty();
        },
        10000);
    if (!appeared)
        fail(QStringLiteral("no window titled /%1/ appeared").arg(titlePattern));
    return found;
}

bool DesktopSession::waitForWindowGone(const QString &window)
{
    return waitUntil([&] { return !visibleProgramWindows().contains(window); }, 10000)
        || fail(QStringLiteral("the window \"%1\" is still open").arg(windowName(window)));
}

bool DesktopSession::waitForNoDialogs()
{
    const auto onlyMain = [this] {
        QStringList windows = visibleProgramWindows();
        windows.removeAll(mainWindowId);
        return windows.isEmpty();
    };
    return waitUntil(onlyMain, 10000)
        || fail(QStringLiteral("another window of the program is still open"));
}

bool DesktopSession::waitForMainTitle(const QString &title)
{
    QString seen;
    return waitUntil([&] { return (seen = windowName(mainWindowId)) == title; }, 10000)
        || fail(QStringLiteral("the main window is titled \"%1\"").arg(seen));
}

bool DesktopSession::focus(const QString &window)
{
    // Without a window manager the input focus is set directly, and waited for.
    return xdotool({"windowraise", window}) && xdotool({"windowfocus", "--sync", window});
}

bool DesktopSession::key(const QString &keys)
{
    return xdotool(
        QStringList({"key", "--delay", "40"}) + keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

bool DesktopSession::type(const QString &text)
{
    return xdotool({"type", "--delay", "8", text});
}

bool DesktopSession::moveTo(QPoint screen)
{
    return xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y())});
}

bool DesktopSession::input(const QStringList &arguments)
{
    return xdotool(arguments);
}

bool DesktopSession::click(QPoint screen)
{
    return moveTo(screen) && xdotool({"mousedown", "1"}) && xdotool({"mouseup", "1"});
}

bool DesktopSession::onScreen(QPoint picturePoint, QPoint *screen)
{
    QPoint origin;
    if (!waitUntil([&] { return (origin = findPictureOrigin(display.grab())).x() >= 0; }, 5000))
        return fail(QStringLiteral("the picture's frame is not on the screen"));
    *screen = origin + picturePoint;
    return true;
}

bool DesktopSession::dragOnPicture(QPoint from, QPoint to)
{
    QPoint start;
    return onScreen(from, &start) && moveTo(start) && xdotool({"mousedown", "1"})
        && moveTo(start + (to - from) / 2) && moveTo(start + (to - from))
        && xdotool({"mouseup", "1"});
}

bool DesktopSession::chooseInFileDialog(const QString &title, const QString &path)
{
    const QString dialog = waitForDialog(QRegularExpression::escape(title));
    // The file name field has the focus; whatever it holds is replaced.
    if (dialog.isEmpty() || !focus(dialog) || !key("ctrl+a") || !type(path) || !key("Return"))
        return false;
    if (waitUntil([&] { return !visibleProgramWindows().contains(dialog); }, 3000))
        return true;
    // A completion list that was open takes the first Return for itself.
    return focus(dialog) && key("Return") && waitForWindowGone(dialog);
}

bool DesktopSession::openThroughDialog(const QString &path, const QString &expectedTitle)
{
    return focus(mainWindowId) && key("ctrl+o")
        && chooseInFileDialog(QStringLiteral("Open Image"), path) && waitForMainTitle(expectedTitle)
        && focus(mainWindowId);
}

bool DesktopSession::saveAs(const QString &path)
{
    if (!focus(mainWindowId) || !key("ctrl+shift+s")
        || !chooseInFileDialog(QStringLiteral("Save file"), path))
        return false;
    // Written once its size holds still; the success note then shows for a second.
    qint64 lastSize = -1;
    int steady = 0;
    const bool written = waitUntil(
        [&] {
            const qint64 size = QFileInfo(path).size();
            steady = size > 0 && size == lastSize ? steady + 1 : 0;
            lastSize = size;
            return steady >= 2;
        },
        10000);
    if (!written)
        return fail(QStringLiteral("the file %1 was not written").arg(path));
    return !waitForDialog(QStringLiteral(".*")).isEmpty() && waitForNoDialogs()
        && focus(mainWindowId);
}

bool DesktopSession::answerQuestion(const QString &titlePattern, bool yes)
{
    const QString box = waitForDialog(titlePattern);
    return !box.isEmpty() && focus(box) && key(yes ? QStringLiteral("y") : QStringLiteral("n"))
        && waitForWindowGone(box);
}

bool DesktopSession::dragFileOntoMainWindow(const QString &file, QString *outcome)
{
    QProcess source;
    source.setProcessEnvironment(programEnvironment());
    source.start(QStringLiteral(DIMLET_E2E_DRAG_SOURCE), {file});
    QString sourceWindow;
    const bool shown = waitUntil(
        [&] {
            return xdotool(
                {"search", "--onlyvisible", "--name", "^Drag Source$"}, &sourceWindow, true);
        },
        10000);
    if (!shown)
        return fail(QStringLiteral("the drag source's window did not appear"));
    const QPoint from = windowGeometry(sourceWindow.section(QLatin1Char('\n'), 0, 0)).center();
    const QPoint to = windowGeometry(mainWindowId).center();
    if (!moveTo(from) || !xdotool({"mousedown", "1"}))
        return false;
    // The drop protocol answers each pointer position; a human-paced drag gives it
    // the time to, and the last position is held briefly before the release.
    for (int i = 1; i <= 8; ++i) {
        if (!moveTo(from + (to - from) * i / 8))
            return false;
        QThread::msleep(40);
    }
    if (!moveTo(to + QPoint(1, 1)) || !moveTo(to))
        return false;
    QThread::msleep(250);
    if (!xdotool({"mouseup", "1"}))
        return false;
    if (!source.waitForFinished(toolTimeoutMs)) {
        source.kill();
        source.waitForFinished(1000);
        return fail(QStringLiteral("the drag did not end"));
    }
    const QString report = QString::fromLocal8Bit(source.readAllStandardOutput()).trimmed();
    if (!report.startsWith(QLatin1String("drop: ")))
        return fail(QStringLiteral("the drag source reported \"%1\"").arg(report));
    *outcome = report.mid(6);
    return true;
}
