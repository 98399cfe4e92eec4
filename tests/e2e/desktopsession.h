#pragma once

#include "testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <functional>
#include <memory>

// The colour of the one-pixel frame the journeys' pictures carry; nothing else on screen has it.
constexpr QRgb pictureFrameColour = 0xff11dbcb;

// One journey: a fresh home and the built program on the test's private X server, driven like a
// user does through xdotool. Every action returns false on failure and leaves the reason for
// failure().
class DesktopSession
{
public:
    explicit DesktopSession(const QString &name)
        : journey(name)
        , root(QDir(qEnvironmentVariable("HOME")).filePath("journeys/" + name))
        , currentStep("start")
    {
        QDir(root).removeRecursively();
        QDir().mkpath(root + "/files");
        QDir().mkpath(tempPath());
    }
    ~DesktopSession()
    {
        screenshot().save(DIMLET_E2E_SCREENSHOTS "/" + journey + ".png");
        if (running()) {
            program->kill();
            program->waitForFinished();
        }
    }

    // Starts a private Xvfb for this process; why there is none, or empty.
    static QString startDisplay(QProcess *server)
    {
        for (const char *tool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QString("%1 is not installed").arg(tool);
        }
        // -displayfd lets the server take the first free number, so parallel runs never race.
        server->start(
            "Xvfb", {"-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten", "tcp"});
        QByteArray number;
        while (!number.contains('\n') && server->waitForReadyRead(20000))
            number += server->readAllStandardOutput();
        if (!number.contains('\n'))
            return "Xvfb gave no display: "
                + QString::fromLocal8Bit(server->readAllStandardError());
        // Pictures of an earlier run would mislead whoever reads this run's failures.
        QDir(DIMLET_E2E_SCREENSHOTS).removeRecursively();
        QDir().mkpath(DIMLET_E2E_SCREENSHOTS);
        qputenv("DISPLAY", ":" + number.trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
        return QString();
    }
    inline static QString noDisplay;

    QString filePath(const QString &name) const { return root + "/files/" + name; }
    // The program's temporary folder, where it keeps captured and pasted pictures.
    QString tempPath() const { return root + "/tmp"; }

    // Starts the program and waits for its main window.
    bool start()
    {
        step("start the program");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The user's desktop could swap in its own file dialogs; the data folders follow HOME.
        for (const char *name : {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "XDG_CONFIG_HOME",
                 "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.remove(name);
        env.insert("HOME", root);
        env.insert("TMPDIR", tempPath());
        // Nothing listens there: the update check fails at once and stays on this machine.
        env.insert("DIMLET_UPDATE_URL", "http://127.0.0.1:9/u");
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/no-bus");
        env.insert("NO_AT_BRIDGE", "1");
        program = std::make_unique<QProcess>();
        program->setProcessEnvironment(env);
        program->setProcessChannelMode(QProcess::ForwardedChannels);
        program->start(DIMLET_E2E_PROGRAM, QStringList());
        mainWindow = waitForWindow("^Dimlet$");
        return !mainWindow.isEmpty() && focusMain();
    }
    bool running() const { return program && program->state() == QProcess::Running; }

    // Names what the journey does now; failure messages and screenshots carry it.
    void step(const QString &what) { currentStep = what; }
    QString failure(const QString &check)
    {
        const QString shot = DIMLET_E2E_SCREENSHOTS "/" + journey + "-failed-";
        screenshot().save(shot + QString::number(++failures) + ".png");
        return QString("step \"%1\" failed: %2\n   because: %3\n   screenshot: %4%5.png")
            .arg(currentStep, check, lastError, shot)
            .arg(failures);
    }
    // Keeps the reason for the failure message.
    bool fail(const QString &reason)
    {
        lastError = reason;
        return false;
    }
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 20000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 25);
            QThread::msleep(25);
        }
        return true;
    }

    bool xdotool(const QStringList &arguments, QString *output = nullptr)
    {
        QProcess tool;
        tool.start("xdotool", arguments);
        const bool done = tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit
            && tool.exitCode() == 0;
        if (output)
            *output = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
        return done
            || fail("xdotool " + arguments.join(' ') + ": "
                + QString::fromLocal8Bit(tool.readAllStandardError()));
    }
    // Keys separated by blanks go one by one.
    bool key(const QString &keys)
    {
        return xdotool(QStringList({"key", "--delay", "40"}) + keys.split(' '));
    }
    bool type(const QString &text) { return xdotool({"type", "--delay", "8", text}); }
    bool focus(const QString &window)
    {
        // There is no window manager: the focus is set directly, and waited for.
        return xdotool({"windowraise", window}) && xdotool({"windowfocus", "--sync", window});
    }
    bool focusMain() { return focus(mainWindow); }
    bool moveTo(QPoint screen)
    {
        return xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y())});
    }
    bool click(QPoint screen) { return moveTo(screen) && xdotool({"click", "1"}); }
    bool waitForTitle(const QString &title)
    {
        return waitUntil([&] { return windows("^" + title + "$").contains(mainWindow); })
            || fail("the main window is not titled " + title);
    }
    // A visible window of the program other than the main one; titles match case-blind.
    QString waitForWindow(const QString &titlePattern = ".*")
    {
        QStringList found;
        const auto appeared = [&] {
            found = windows(titlePattern);
            found.removeAll(mainWindow);
            return !found.isEmpty();
        };
        if (!waitUntil(appeared))
            fail("no window titled " + titlePattern);
        return found.value(0);
    }
    bool waitForWindowGone(const QString &window)
    {
        return waitUntil([&] { return !windows().contains(window); })
            || fail("the window " + window + " is still open");
    }

    QImage screenshot() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
    }
    // Where a pixel of the framed picture is on the screen, at zoom 100.
    bool onScreen(QPoint picturePoint, QPoint *screen)
    {
        const auto corner = [&] {
            // The frame's top-left pixel continues to the right and downwards.
            const QImage shot = screenshot();
            for (int y = 0; y + 1 < shot.height(); ++y) {
                for (int x = 0; x + 1 < shot.width(); ++x) {
                    if (shot.pixel(x, y) == pictureFrameColour
                        && shot.pixel(x + 1, y) == pictureFrameColour
                        && shot.pixel(x, y + 1) == pictureFrameColour) {
                        *screen = QPoint(x, y) + picturePoint;
                        return true;
                    }
                }
            }
            return false;
        };
        return waitUntil(corner) || fail("the picture's frame is not on the screen");
    }
    // Opens the dialog with the shortcut and chooses path by typing it.
    bool chooseFile(const QString &shortcut, const QString &dialogTitle, const QString &path)
    {
        if (!focusMain() || !key(shortcut))
            return false;
        const QString dialog = waitForWindow("^" + dialogTitle + "$");
        // The file name field has the focus; whatever it holds is replaced.
        if (dialog.isEmpty() || !focus(dialog) || !key("ctrl+a") || !type(path) || !key("Return"))
            return false;
        for (int tries = 0; tries < 3; ++tries) {
            if (waitUntil([&] { return !windows().contains(dialog); }, 5000))
                return true;
            // An open completion list takes a Return for itself.
            if (focus(dialog))
                key("Return");
        }
        return fail("the file dialog stays open");
    }
    // Save As; waits for the success note, which comes once the file is written, to go.
    bool saveAs(const QString &path)
    {
        if (!chooseFile("ctrl+shift+s", "Save file", path))
            return false;
        const QString note = waitForWindow();
        return !note.isEmpty() && waitForWindowGone(note) && focusMain();
    }
    bool answerQuestion(bool yes)
    {
        const QString box = waitForWindow();
        return !box.isEmpty() && focus(box) && key(yes ? "y" : "n") && waitForWindowGone(box);
    }

    QString mainWindow;

private:
    QStringList windows(const QString &titlePattern = ".*")
    {
        QString found;
        // Finding nothing is an exit code of 1.
        if (running())
            xdotool({"search", "--all", "--onlyvisible", "--pid",
                        QString::number(program->processId()), "--name", titlePattern},
                &found);
        return found.split('\n', Qt::SkipEmptyParts);
    }

    QString journey, root, currentStep, lastError;
    int failures = 0;
    std::unique_ptr<QProcess> program;
};

// A light picture with a blue patch in that frame, so that the journeys find it on the screen.
inline QImage makeFramedPicture()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(qRgb(236, 238, 241));
    QPainter painter(&image);
    painter.fillRect(QRect(180, 60, 60, 40), QColor(51, 102, 204));
    painter.setPen(QColor(pictureFrameColour));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// Fails the journey with the session's step and a screenshot of the moment.
#define JOURNEY_VERIFY(session, statement)                                                         \
    do {                                                                                           \
        if (!(statement))                                                                          \
            QFAIL(qPrintable((session).failure(QStringLiteral(#statement))));                      \
    } while (false)

// The journeys share one private X server, which outlives the application's connection to it.
#define JOURNEY_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareTestEnvironment();                                                                  \
        QProcess server;                                                                           \
        DesktopSession::noDisplay = DesktopSession::startDisplay(&server);                         \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
