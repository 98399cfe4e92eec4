#pragma once

#include "updatestubserver.h"
#include "xvfbdisplay.h"

#include <QDebug>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

// One journey's desktop: a private X server, a fresh home, the update endpoint on
// 127.0.0.1 and the built program, driven like a user does through xdotool.
// Every action returns false on failure and leaves the reason for failure().
class DesktopSession
{
public:
    explicit DesktopSession(const QString &journey);
    ~DesktopSession();
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // The tools the journeys need that are not installed, for a skip message.
    static QStringList missingTools();

    // Starts the X server, the update endpoint and the program.
    bool start();
    bool startProgram();
    // Waits for the program to end by itself and hands its exit code out.
    bool waitForProgramExit(int *exitCode, int timeoutMs = 15000);
    bool programRunning() const;

    QString filesDir() const { return root + QStringLiteral("/files"); }
    QString filePath(const QString &name) const { return filesDir() + QLatin1Char('/') + name; }
    QString preferencesFilePath() const;
    QString scratchDir() const { return root + QStringLiteral("/scratch"); }
    QString displayName() const { return display.name(); }
    // How many update descriptions the program fetched from the local endpoint.
    int updateRequests() const { return updates.requestsAnswered(); }
    QProcessEnvironment programEnvironment() const;

    // Names what the journey does now; failure messages and screenshots carry it.
    void step(const QString &what);
    // The message for a failed check: the step, the reason and where the screenshot
    // of the failing moment was written.
    QString failure(const QString &check);

    // Windows of the program.
    QString mainWindow() const { return mainWindowId; }
    QString windowName(const QString &window);
    QRect windowGeometry(const QString &window);
    // Waits for a visible window of the program other than the main window whose
    // title matches titlePattern (a regular expression matched whole).
    QString waitForDialog(const QString &titlePattern, int timeoutMs = 10000);
    bool waitForWindowGone(const QString &window, int timeoutMs = 10000);
    // Waits until the main window is the program's only visible window.
    bool waitForNoDialogs(int timeoutMs = 10000);
    bool waitForMainTitle(const QString &title, int timeoutMs = 10000);
    bool focus(const QString &window);

    // Input, through the X server's test extension.
    bool key(const QString &keys);
    bool keyDown(const QString &keys);
    bool keyUp(const QString &keys);
    bool type(const QString &text);
    bool moveTo(QPoint screen);
    bool pressButton(int button = 1);
    bool releaseButton(int button = 1);
    bool click(QPoint screen, int button = 1);
    bool drag(QPoint from, QPoint to);

    // The screen, and the picture's place on it (zoom 100).
    QImage screenshot() const { return display.grab(); }
    bool saveScreenshot(const QString &fileName) const;
    // The screen point of a picture pixel, found again from the picture's frame.
    bool onScreen(QPoint picturePoint, QPoint *screen);
    // Same, for a drag from one picture pixel to another.
    bool dragOnPicture(QPoint from, QPoint to);
    bool clickOnPicture(QPoint at);

    // The program's dialogs, as a user goes through them.
    bool chooseInFileDialog(const QString &title, const QString &path);
    bool openThroughDialog(const QString &path, const QString &expectedTitle);
    // Save As to path; waits for the file and for the success note to come and go.
    bool saveAs(const QString &path);
    // Drags files from a separate program's window onto the main window's canvas
    // and hands out what the drag source was told: "copy" for an accepted drop,
    // "ignored" for a refused one.
    bool dragFilesOntoMainWindow(const QStringList &files, QString *outcome);
    // Answers the Yes/No question that is open with the given title.
    bool answerQuestion(const QString &titlePattern, bool yes);

    bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

private:
    bool xdotool(const QStringList &arguments, QString *output = nullptr, bool quiet = false);
    QStringList visibleProgramWindows();
    bool waitForFileWritten(const QString &path, int timeoutMs);
    void fail(const QString &reason) { lastError = reason; }

    QString journey;
    QString root;
    QString currentStep = QStringLiteral("starting");
    QString lastError;
    int failures = 0;
    XvfbDisplay display;
    UpdateStubServer updates;
    std::unique_ptr<QProcess> program;
    QString mainWindowId;
};

template<typename T> QString describeValue(const T &value)
{
    QString text;
    QDebug(&text).nospace() << value;
    return text;
}

// Skips every journey of a test when Xvfb or xdotool is not installed.
#define JOURNEY_REQUIRE_TOOLS()                                                                    \
    do {                                                                                           \
        const QStringList missing = DesktopSession::missingTools();                                \
        if (!missing.isEmpty())                                                                    \
            QSKIP(qPrintable(QStringLiteral("not installed: ") + missing.join(", ")));             \
    } while (false)

// Fails the journey with the session's step and a screenshot of the moment.
#define JOURNEY_VERIFY(session, statement)                                                         \
    do {                                                                                           \
        if (!(statement)) {                                                                        \
            QTest::qFail(                                                                          \
                qPrintable((session).failure(QStringLiteral(#statement))), __FILE__, __LINE__);    \
            return;                                                                                \
        }                                                                                          \
    } while (false)

// Same, with a detail (a QString, made only on failure) that shows the values involved.
#define JOURNEY_VERIFY2(session, statement, detail)                                                \
    do {                                                                                           \
        if (!(statement)) {                                                                        \
            QTest::qFail(qPrintable((session).failure(                                             \
                             QStringLiteral(#statement) + QStringLiteral("\n   ") + (detail))),    \
                __FILE__, __LINE__);                                                               \
            return;                                                                                \
        }                                                                                          \
    } while (false)

#define JOURNEY_COMPARE(session, actual, expected)                                                 \
    do {                                                                                           \
        const auto journeyActual = (actual);                                                       \
        const auto journeyExpected = (expected);                                                   \
        if (!(journeyActual == journeyExpected)) {                                                 \
            QTest::qFail(                                                                          \
                qPrintable((session).failure(                                                      \
                    QStringLiteral("%1 == %2\n   Actual:   %3\n   Expected: %4")                   \
                        .arg(QStringLiteral(#actual), QStringLiteral(#expected),                   \
                            describeValue(journeyActual), describeValue(journeyExpected)))),       \
                __FILE__, __LINE__);                                                               \
            return;                                                                                \
        }                                                                                          \
    } while (false)
