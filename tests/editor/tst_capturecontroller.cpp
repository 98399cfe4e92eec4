#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "capture/capturedelay.h"
#include "documentfixtures.h"
#include "editor/dleditor.h"
#include "editor/imageexport.h"
#include "marks/dlgraphicsitem.h"
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
    DLGraphicsItem *addMark(int type, QPointF p1, QPointF p2, double z, const QString &text = {})
    {
        DLGraphicsItem *mark = DLGraphicsItem::create(type, p1, p2, text, -1.0);
        mark->setZValue(z);
        editor->canvasScene()->addItem(mark);
        return mark;
    }

private slots:
    void initTestCase()
    {
        QFile notes(files.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
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
        const QList<DLGraphicsItem *> marks {addMark(MarkLength, {10, 10}, {210, 10}, 3),
            addMark(MarkRect, {278, 108}, {558, 203}, 1),
            addMark(MarkColorPick, {20, 20}, {60, 60}, 4),
            addMark(MarkComments, {30, 30}, {90, 90}, 2, "note one\nnote two")};
        QVERIFY(!action("actionCopy")->isEnabled());
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        // As with Ctrl+click, each selection keeps the others.
        QTest::keyPress(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
        for (DLGraphicsItem *mark : marks)
            mark->setSelected(true);
        QTest::keyRelease(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(editor->canvasScene()->selectedItems().size(), 4);
        action("actionCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
            QStringLiteral("278,108(281x96)\nnote one\nnote two\n201\nFF8000"));
        action("actionCopy_Image")->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
            buildExportImage(editor->canvasScene()).convertToFormat(QImage::Format_ARGB32));
        editor = std::make_unique<DLEditor>();
        QVERIFY(!action("actionCopy_Image")->isEnabled());
    }

    // While a comment's text is edited, Ctrl+V and Ctrl+C are the text field's.
    void keysStayWithTheCommentEditor()
    {
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        DLGraphicsItem *comment = addMark(MarkComments, {30, 30}, {90, 90}, 1, "note");
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

    // Paste opens a file or picture data the clipboard holds, or says why not; picture data is
    // kept as a file first. The picture shown after: orange is the one opened before.
    void paste_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("result"); // "-" when Paste is disabled, else title or message
        QTest::addColumn<QColor>("shown");
        const auto file = [](const QString &path) { return QUrl::fromLocalFile(path).toEncoded(); };
        const QColor orange(255, 128, 0);
        QTest::newRow("text only") << "text/plain" << QByteArray("hello") << "-" << orange;
        QTest::newRow("remote address")
            << "text/uri-list" << QByteArray("https://example.invalid/a.png") << "-" << orange;
        QTest::newRow("file of a kind a drop refuses")
            << "text/uri-list" << file(files.filePath("notes.txt")) << "-" << orange;
        QTest::newRow("png bytes that are no picture")
            << "image/png" << QByteArray(400, 'x') << "no picture" << orange;
        QTest::newRow("a picture file opens")
            << "text/uri-list" << file(picture("blue.png", Qt::blue)) << "blue.png"
            << QColor(Qt::blue);
        QTest::newRow("picture data opens as a kept file")
            << "image/png" << fileBytes(picture("green.png", Qt::green)) << "Pasted "
            << QColor(Qt::green);
    }
    void paste()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        QFETCH(QString, result);
        QFETCH(QColor, shown);
        auto *mime = new QMimeData;
        mime->setData(format, data);
        QApplication::clipboard()->setMimeData(mime);
        QCOMPARE(action("actionPaste")->isEnabled(), result != "-");
        PromptRecorder prompts;
        if (result != "-")
            action("actionPaste")->trigger();
        const QString seen = prompts.texts().value(0, editor->windowTitle());
        QVERIFY2(
            result == "-" || seen.startsWith(result) || seen.contains(result), qPrintable(seen));
        QCOMPARE(QColor(editor->canvasScene()->image().pixel(0, 0)), shown);
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

    void captureThroughPortal_data()
    {
        QTest::addColumn<QString>("session");
        QTest::addColumn<bool>("portalRunning");
        QTest::addColumn<uint>("response");
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("message"); // empty when the capture opens

        const QString shot = QUrl::fromLocalFile(picture("portal.png", Qt::blue)).toString();
        const QString notes = QUrl::fromLocalFile(files.filePath("notes.txt")).toString();
        QTest::newRow("the portal's picture opens") << "wayland" << true << 0u << shot << "";
        QTest::newRow("cancelled") << "wayland" << true << 1u << shot << "cancelled";
        QTest::newRow("no picture there")
            << "wayland" << true << 0u << notes << "could not be read";
        QTest::newRow("a remote address")
            << "wayland" << true << 0u << "https://example.invalid/a.png"
            << "did not take";
        QTest::newRow("no portal") << "wayland" << false << 0u << shot << "not available";
        QTest::newRow("neither X11 nor Wayland")
            << "tty" << true << 0u << shot << "on this desktop";
    }
    void captureThroughPortal()
    {
        QFETCH(QString, session);
        QFETCH(bool, portalRunning);
        QFETCH(uint, response);
        QFETCH(QString, uri);
        QFETCH(QString, message);
        if (bus.state() != QProcess::Running)
            QSKIP("dbus-daemon is not installed");
        QDBusConnection portalBus("portal");
        if (!portalRunning)
            portalBus.unregisterService(portalName);
        portal.response = response;
        portal.uri = uri;
        qputenv("XDG_SESSION_TYPE", session.toUtf8());
        PromptRecorder prompts;
        action("actionCapture_Screen")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(editor->isVisible()
                && (editor->windowTitle() != "orange.png" || !prompts.texts().isEmpty()),
            10000);
        qunsetenv("XDG_SESSION_TYPE");
        portalBus.registerService(portalName);

        const QString opened
            = message.isEmpty() ? QUrl(uri).toLocalFile() : files.filePath("orange.png");
        QCOMPARE(buildExportImage(editor->canvasScene()).convertToFormat(QImage::Format_RGB32),
            QImage(opened).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(editor->windowTitle().startsWith("Screenshot "), message.isEmpty());
        QCOMPARE(prompts.texts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(
                prompts.texts().first().contains(message), qPrintable(prompts.texts().first()));
    }
};

DIMLET_TEST_MAIN(TestCaptureController)
#include "tst_capturecontroller.moc"
