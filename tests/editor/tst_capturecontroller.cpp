#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "capture/capturedelay.h"
#include "documentfixtures.h"
#include "editor/dleditor.h"
#include "editor/imageexport.h"
#include "marks/dlgraphicsitem.h"
#include "marks/marktest.h"
#include "settings/preferences.h"

#include <QAction>
#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {
const QString portalName = QStringLiteral("org.freedesktop.portal.Desktop");

// The desktop portal's screenshot interface, answering every request at once.
class StandInPortal : public QDBusVirtualObject
{
public:
    uint response = 0;
    QString uri;

    QString introspect(const QString &) const override { return QString(); }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QString handle = QString("/org/freedesktop/portal/desktop/request/%1/%2")
                                   .arg(message.service().mid(1).replace('.', '_'),
                                       options.value("handle_token").toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        connection.send(
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response")
            << response << QVariantMap {{"uri", uri}});
        return true;
    }
};
} // namespace

// The capture, clipboard and delay actions on a real editor, picked as a user picks them.
class TestCaptureController : public QObject
{
    Q_OBJECT

    QTemporaryDir files;
    std::unique_ptr<DLEditor> editor;
    QProcess bus;
    StandInPortal portal;

    QAction *action(const QString &name) const { return editor->findChild<QAction *>(name); }
    QString picture(const QString &name, QColor colour) const
    {
        QImage image(300, 220, QImage::Format_RGB32);
        image.fill(colour);
        image.save(files.filePath(name));
        return files.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeFile(files.filePath("notes.txt"), "not a picture"));
        // A private session bus, before anything in this process connects to one.
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            return;
        // In /tmp: a socket path in a deep build folder would pass the length limit.
        bus.start("dbus-daemon",
            {"--session", "--nofork", "--print-address", "--address=unix:tmpdir=/tmp"});
        QVERIFY(bus.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        QDBusConnection portalBus = QDBusConnection::connectToBus(address, "portal");
        QVERIFY(portalBus.registerVirtualObject("/org/freedesktop/portal/desktop", &portal));
        QVERIFY(portalBus.registerService(portalName));
    }
    void init()
    {
        editor = std::make_unique<DLEditor>();
        editor->openFile(picture("orange.png", QColor(255, 128, 0)));
    }
    void cleanup() { editor.reset(); }

    // Each kind's label, lowest in the stack first, which is not the order of creation.
    void copyTexts()
    {
        DLGraphicsScene *scene = editor->canvasScene();
        const QList<DLGraphicsItem *> marks {
            scene->restoreMark({0, 3, {10, 10}, {210, 10}, {}, -1}),
            scene->restoreMark({1, 1, {278, 108}, {558, 203}, {}, -1}),
            scene->restoreMark({2, 4, {20, 20}, {60, 60}, {}, -1}),
            scene->restoreMark({3, 2, {30, 30}, {90, 90}, "note one\nnote two", -1})};
        QVERIFY(!action("actionCopy")->isEnabled());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        // As with Ctrl+click, each selection keeps the others.
        QTest::keyPress(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
        for (DLGraphicsItem *mark : marks)
            mark->setSelected(true);
        QTest::keyRelease(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(scene->selectedItems().size(), 4);
        action("actionCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
            QStringLiteral("278,108(281x96)\nnote one\nnote two\n201\nFF8000"));
        action("actionCopy_Image")->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
            buildExportImage(scene).convertToFormat(QImage::Format_ARGB32));
        editor = std::make_unique<DLEditor>();
        QVERIFY(!action("actionCopy_Image")->isEnabled());
    }

    // While a comment's text is edited, Ctrl+V and Ctrl+C are the text field's.
    void keysStayWithTheCommentEditor()
    {
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        DLGraphicsItem *comment
            = editor->canvasScene()->restoreMark({MarkComments, 1, {30, 30}, {90, 90}, "note", -1});
        comment->setSelected(true);
        auto *mime = new QMimeData;
        mime->setImageData(QImage(":/DL/images/DLAppIcon16.png"));
        QApplication::clipboard()->setMimeData(mime);
        action("actionComment")->trigger();
        editor->canvasView()->setFocus();
        editor->canvasScene()->beginCommentEditing(comment->text(), comment);
        QVERIFY(action("actionCopy")->isEnabled() && action("actionPaste")->isEnabled());
        for (char key : QByteArray("typed"))
            QTest::keyClick(editor->windowHandle(), key);
        for (Qt::Key key : {Qt::Key_V, Qt::Key_A, Qt::Key_C})
            QTest::keyClick(editor->windowHandle(), key, Qt::ControlModifier);
        QCOMPARE(editor->windowTitle(), QStringLiteral("orange.png"));
        QVERIFY2(QApplication::clipboard()->text().startsWith("typed"),
            qPrintable(QApplication::clipboard()->text()));
        // The window must not be destroyed while a comment is edited.
        editor->canvasScene()->makeEditorFinishEditing();
    }

    // Format|data ("file:" the address of a file of the test, "bytes:" its content)|"-" when
    // Paste is disabled, else the title or message after|whether the blue picture shows after.
    void paste_data()
    {
        rows({"text only|text/plain|hello|-|0",
            "remote address|text/uri-list|https://example.invalid/a.png|-|0",
            "file of a kind a drop refuses|text/uri-list|file:notes.txt|-|0",
            "png bytes that are no picture|image/png|bytes:notes.txt|no picture|0",
            "a picture file opens|text/uri-list|file:blue.png|blue.png|1",
            "picture data opens as a kept file|image/png|bytes:blue.png|Pasted |1"});
    }
    void paste()
    {
        QFETCH(QStringList, f);
        const QString result = f[2], path = files.filePath(f[1].section(':', 1));
        picture("blue.png", Qt::blue);
        auto *mime = new QMimeData;
        mime->setData(f[0],
            f[1].startsWith("file:")        ? QUrl::fromLocalFile(path).toEncoded()
                : f[1].startsWith("bytes:") ? fileBytes(path)
                                            : f[1].toUtf8());
        QApplication::clipboard()->setMimeData(mime);
        QCOMPARE(action("actionPaste")->isEnabled(), result != "-");
        PromptRecorder prompts;
        if (result != "-")
            action("actionPaste")->trigger();
        const QString seen = prompts.texts().value(0, editor->windowTitle());
        QVERIFY2(result == "-" || seen.contains(result), qPrintable(seen));
        QCOMPARE(editor->canvasScene()->image().pixel(0, 0) == QColor(Qt::blue).rgb(), f[3] == "1");
    }

    // A stored value other than a choice reads as no delay; a menu choice is what the next
    // start reads.
    void delayPreference()
    {
        writePreference(PrefKey::CaptureDelay, "soon");
        editor = std::make_unique<DLEditor>();
        QVERIFY(captureDelaySeconds() == 0 && action("actionCapture_Delay_0")->isChecked());
        action("actionCapture_Delay_5")->trigger();
        editor = std::make_unique<DLEditor>();
        QVERIFY(captureDelaySeconds() == 5 && action("actionCapture_Delay_5")->isChecked());
        action("actionCapture_Delay_0")->trigger();
    }

    // Desktop|response|picture the portal names|message, none when the capture opens.
    void captureThroughPortal_data()
    {
        rows({"the portal's picture opens|wayland|0|portal.png|",
            "cancelled|wayland|1|portal.png|cancelled",
            "a remote address|wayland|0|https://example.invalid/a.png|did not take",
            "no portal|wayland, no portal|0|portal.png|not available",
            "neither X11 nor Wayland|tty|0|portal.png|on this desktop"});
    }
    void captureThroughPortal()
    {
        QFETCH(QStringList, f);
        const QString message = f[3];
        if (bus.state() != QProcess::Running)
            QSKIP("dbus-daemon is not installed");
        QDBusConnection portalBus("portal");
        if (f[0].endsWith("no portal"))
            portalBus.unregisterService(portalName);
        portal.response = f[1].toUInt();
        portal.uri
            = f[2].contains(':') ? f[2] : QUrl::fromLocalFile(picture(f[2], Qt::blue)).toString();
        qputenv("XDG_SESSION_TYPE", f[0].section(',', 0, 0).toUtf8());
        PromptRecorder prompts;
        action("actionCapture_Screen")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(editor->isVisible()
                && (editor->windowTitle() != "orange.png" || !prompts.texts().isEmpty()),
            10000);
        qunsetenv("XDG_SESSION_TYPE");
        portalBus.registerService(portalName);
        QCOMPARE(QColor(editor->canvasScene()->image().pixel(0, 0)),
            message.isEmpty() ? QColor(Qt::blue) : QColor(255, 128, 0));
        QCOMPARE(editor->windowTitle().startsWith("Screenshot "), message.isEmpty());
        QVERIFY2(prompts.texts().size() == int(!message.isEmpty())
                && prompts.texts().value(0).contains(message),
            qPrintable(prompts.texts().join('|')));
    }
};

DIMLET_TEST_MAIN(TestCaptureController)
#include "tst_capturecontroller.moc"
