#pragma once

#include "testsupport.h"

#include <QProcess>

#include <functional>
#include <memory>

// One journey: a fresh home and the built program on the test's private X server, driven like a
// user does through xdotool. Every action returns false on failure and leaves the reason for
// failure().
class DesktopSession
{
public:
    explicit DesktopSession(const QString &journey);
    ~DesktopSession();

    // Starts a private Xvfb for this process; why there is none, or empty.
    static QString startDisplay(QProcess *server);
    static QString noDisplay;

    QString filePath(const QString &name) const { return root + "/files/" + name; }
    // The program's temporary folder, where it keeps captured and pasted pictures.
    QString tempPath() const { return root + "/tmp"; }

    // Starts the program and waits for its main window.
    bool start();
    bool running() const { return program && program->state() == QProcess::Running; }

    // Names what the journey does now; failure messages and screenshots carry it.
    void step(const QString &what) { currentStep = what; }
    QString failure(const QString &check);
    // Keeps the reason for the failure message.
    bool fail(const QString &reason)
    {
        lastError = reason;
        return false;
    }
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 20000);

    bool xdotool(const QStringList &arguments, QString *output = nullptr);
    // Keys separated by blanks go one by one.
    bool key(const QString &keys);
    bool type(const QString &text) { return xdotool({"type", "--delay", "8", text}); }
    bool focus(const QString &window);
    bool focusMain() { return focus(mainWindow); }
    bool moveTo(QPoint screen);
    bool click(QPoint screen) { return moveTo(screen) && xdotool({"click", "1"}); }
    bool waitForTitle(const QString &title);
    // A visible window of the program other than the main one; titles match case-blind.
    QString waitForWindow(const QString &titlePattern = ".*");
    bool waitForWindowGone(const QString &window);

    QImage screenshot() const;
    // Where a pixel of the framed picture is on the screen, at zoom 100.
    bool onScreen(QPoint picturePoint, QPoint *screen);
    // Opens the dialog with the shortcut and chooses path by typing it.
    bool chooseFile(const QString &shortcut, const QString &dialogTitle, const QString &path);
    // Save As; waits for the success note, which comes once the file is written, to go.
    bool saveAs(const QString &path);
    bool answerQuestion(bool yes);

    QString mainWindow;

private:
    QStringList windows(const QString &titlePattern = ".*");

    QString journey, root, currentStep, lastError;
    int failures = 0;
    std::unique_ptr<QProcess> program;
};

// The colour of the one-pixel frame the journeys' pictures carry; nothing else on screen has it.
constexpr QRgb pictureFrameColour = 0xff11dbcb;

// A light picture with a blue patch in that frame, so that the journeys find it on the screen.
QImage makeFramedPicture();

// Fails the journey with the session's step and a screenshot of the moment.
#define JOURNEY_VERIFY(session, statement)                                                         \
    do {                                                                                           \
        if (!(statement))                                                                          \
            QFAIL(qPrintable((session).failure(QStringLiteral(#statement))));                      \
    } while (false)

// The journeys share one private X server.
#define JOURNEY_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareTestEnvironment();                                                                  \
        QProcess server;                                                                           \
        DesktopSession::noDisplay = DesktopSession::startDisplay(&server);                         \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        const int result = QTest::qExec(&tc, argc, argv);                                          \
        server.terminate();                                                                        \
        server.waitForFinished();                                                                  \
        return result;                                                                             \
    }
