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

    static QStringList missingTools();

    // Starts the X server, the update endpoint and the program.
    bool start();
    bool startProgram();
    // Waits for the program to end by itself with exit code 0.
    bool waitForProgramExit();
    bool programRunning() const;

    QString filePath(const QString &name) const { return root + QStringLiteral("/files/") + name; }
    QString preferencesFilePath() const;
    int updateRequests() const { return updates.requestsAnswered(); }

    // Names what the journey does now; failure messages and screenshots carry it.
    void step(const QString &what);
    // The message for a failed check: the step, the reason and the screenshot's path.
    QString failure(const QString &check);

    QString mainWindow() const { return mainWindowId; }
    QRect windowGeometry(const QString &window);
    // A visible window of the program other than the main one, its title matching
    // titlePattern whole.
    QString waitForDialog(const QString &titlePattern);
    bool waitForWindowGone(const QString &window);
    // Until the main window is the program's only visible window.
    bool waitForNoDialogs();
    bool waitForMainTitle(const QString &title);
    bool focus(const QString &window);
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

    // Input through the X server's test extension; keys separated by blanks go one by one.
    bool key(const QString &keys);
    bool type(const QString &text);
    bool moveTo(QPoint screen);
    // Any other xdotool command, e.g. {"keydown", "ctrl"} or {"mousedown", "1"}.
    bool input(const QStringList &arguments);
    bool click(QPoint screen);

    QImage screenshot() const { return display.grab(); }
    // The screen point of a picture pixel at zoom 100, found from the picture's frame.
    bool onScreen(QPoint picturePoint, QPoint *screen);
    bool dragOnPicture(QPoint from, QPoint to);

    bool openThroughDialog(const QString &path, const QString &expectedTitle);
    // Save As to path; waits for the file and for the success note to come and go.
    bool saveAs(const QString &path);
    // Drags a file from a separate program's window onto the main window and hands out
    // what the drag source was told: "copy" when accepted, "ignored" when refused.
    bool dragFileOntoMainWindow(const QString &file, QString *outcome);
    bool answerQuestion(const QString &titlePattern, bool yes);

private:
    bool xdotool(const QStringList &arguments, QString *output = nullptr, bool quiet = false);
    QStringList visibleProgramWindows();
    QString windowName(const QString &window);
    bool chooseInFileDialog(const QString &title, const QString &path);
    QProcessEnvironment programEnvironment() const;
    bool fail(const QString &reason);
    bool saveScreenshot(const QString &fileName) const;

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

#define JOURNEY_COMPARE(session, actual, expected)                                                 \
    do {                                                                                           \
        const auto journeyActual = (actual);                                                       \
        const auto journeyExpected = (expected);                                                   \
        if (!(journeyActual == journeyExpected)) {                                                 \
            QString journeyText;                                                                   \
            QDebug(&journeyText).nospace()                                                         \
                << #actual " == " #expected "\n   Actual:   " << journeyActual                     \
                << "\n   Expected: " << journeyExpected;                                           \
            QTest::qFail(qPrintable((session).failure(journeyText)), __FILE__, __LINE__);          \
            return;                                                                                \
        }                                                                                          \
    } while (false)
