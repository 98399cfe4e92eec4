#include "testsupport.h"

#include "canvas/dlgraphicsview.h"
#include "capture/capturedelay.h"
#include "settings/preferences.h"
#include "testableeditor.h"

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
#include <QUrl>

namespace {
const QString portalName = QStringLiteral("org.freedesktop.portal.Desktop");

// The desktop portal's screenshot interface, answering every request at once with the
// response code and file URI the test chose.
class StandInPortal : public QDBusVirtualObject
{
public:
    uint response = 0;
    QString uri;

    QString introspect(const QString &) const override { return QString(); }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                   .arg(message.service().mid(1).replace('.', '_'),
                                       options.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        const QVariantMap results {{QStringLiteral("uri"), uri}};
        connection.send(
            QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"))
            << response << results);
        return true;
    }
};

QImage pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

// The capture, clipboard and delay actions on a real editor, picked as a user picks them.
class TestCaptureController : public QObject
{
    Q_OBJECT

    QTemporaryDir files;
    std::unique_ptr<TestableEditor> editor;
    QProcess bus;
    StandInPortal portal;

    QAction *action(const char *name) const { return editor->child<QAction>(name); }
    QString picture(const QString &name, QColor colour = QColor(255, 128, 0)) const
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
    void initTestCase();
    void init()
    {
        editor = std::make_unique<TestableEditor>();
        editor->openFile(picture(QStringLiteral("orange.png")));
    }
    void cleanup() { editor.reset(); }
    void copyTexts();
    void copyImageNeedsAPicture();
    void keysStayWithTheCommentEditor();
    void pasteUnusable_data();
    void pasteUnusable();
    void delayPreference_data();
    void delayPreference();
    void captureThroughPortal_data();
    void captureThroughPortal();
};

void TestCaptureController::initTestCase()
{
    // A private session bus, before anything in this process connects to one.
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return;
    const QString address = QStringLiteral("unix:path=") + files.filePath(QStringLiteral("bus"));
    bus.start(QStringLiteral("dbus-daemon"),
        {"--session", "--nofork", "--print-address", "--address=" + address});
    QVERIFY(bus.waitForReadyRead(10000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    QDBusConnection portalBus = QDBusConnection::connectToBus(address, QStringLiteral("portal"));
    QVERIFY(portalBus.registerVirtualObject(
        QStringLiteral("/org/freedesktop/portal/desktop"), &portal));
    QVERIFY(portalBus.registerService(portalName));
    QFile notes(files.filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
}

// Each kind's label, lowest in the stack first, which is not the order of creation.
void TestCaptureController::copyTexts()
{
    const QList<DLGraphicsItem *> marks {addMark(MarkLength, {10, 10}, {210, 10}, 3),
        addMark(MarkRect, {278, 108}, {558, 203}, 1), addMark(MarkColorPick, {20, 20}, {60, 60}, 4),
        addMark(MarkComments, {30, 30}, {90, 90}, 2, "note one\nnote two")};
    QVERIFY(!action("actionCopy")->isEnabled());
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    // As with Ctrl+click, each selection keeps the others.
    QTest::keyPress(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
    for (DLGraphicsItem *mark : marks)
        mark->setSelected(true);
    QTest::keyRelease(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
    action("actionCopy")->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
        QStringLiteral("278,108(281x96)\nnote one\nnote two\n201\nFF8000"));
}

void TestCaptureController::copyImageNeedsAPicture()
{
    QVERIFY(action("actionCopy_Image")->isEnabled());
    editor = std::make_unique<TestableEditor>();
    QVERIFY(!action("actionCopy_Image")->isEnabled());
}

// While a comment's text is edited, Ctrl+V and Ctrl+C are the text field's, even when Paste
// and Copy could act.
void TestCaptureController::keysStayWithTheCommentEditor()
{
    editor->show();
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    DLGraphicsItem *comment = addMark(MarkComments, {30, 30}, {90, 90}, 1, "note");
    comment->setSelected(true);
    auto *mime = new QMimeData;
    mime->setImageData(QImage(QStringLiteral(":/DL/images/DLAppIcon16.png")));
    QApplication::clipboard()->setMimeData(mime);

    action("actionComment")->trigger();
    editor->canvasView()->setFocus();
    editor->canvasScene()->beginCommentEditing(comment->text(), comment);
    QVERIFY(action("actionCopy")->isEnabled() && action("actionPaste")->isEnabled());
    for (char key : {'t', 'y', 'p', 'e', 'd'})
        QTest::keyClick(editor->windowHandle(), key);
    QTest::keyClick(editor->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(editor->windowTitle(), QStringLiteral("orange.png"));
    QVERIFY2(QApplication::clipboard()->text().startsWith("typed"),
        qPrintable(QApplication::clipboard()->text()));
    // The editor window does not survive being destroyed while a comment is edited.
    editor->canvasScene()->makeEditorFinishEditing();
}

void TestCaptureController::pasteUnusable_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("text only") << "text/plain" << QByteArray("hello") << false;
    QTest::newRow("remote address")
        << "text/uri-list" << QByteArray("https://example.invalid/a.png\r\n") << false;
    QTest::newRow("file of a kind a drop refuses")
        << "text/uri-list" << QUrl::fromLocalFile(files.filePath("notes.txt")).toEncoded() << false;
    // Offered as a picture, so Paste is there; decoding fails and says so.
    QTest::newRow("png bytes that are no picture") << "image/png" << QByteArray(400, 'x') << true;
}

void TestCaptureController::pasteUnusable()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(bool, enabled);

    auto *mime = new QMimeData;
    mime->setData(format, data);
    QApplication::clipboard()->setMimeData(mime);
    QCOMPARE(action("actionPaste")->isEnabled(), enabled);
    if (!enabled)
        return;
    PromptRecorder prompts;
    action("actionPaste")->trigger();
    QCOMPARE(prompts.texts().size(), 1);
    QCOMPARE(editor->windowTitle(), QStringLiteral("orange.png"));
}

void TestCaptureController::delayPreference_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("seconds");

    QTest::newRow("five") << "5" << 5;
    QTest::newRow("a number not offered") << "3" << 0;
    QTest::newRow("garbage") << "soon" << 0;
}

void TestCaptureController::delayPreference()
{
    QFETCH(QString, stored);
    QFETCH(int, seconds);

    writePreference(PrefKey::CaptureDelay, stored);
    editor = std::make_unique<TestableEditor>();
    QCOMPARE(captureDelaySeconds(), seconds);
    QVERIFY(action(qPrintable(QStringLiteral("actionCapture_Delay_%1").arg(seconds)))->isChecked());

    // A choice in the menu is what the next start reads.
    action("actionCapture_Delay_2")->trigger();
    editor = std::make_unique<TestableEditor>();
    QVERIFY(action("actionCapture_Delay_2")->isChecked());
    action("actionCapture_Delay_0")->trigger();
}

void TestCaptureController::captureThroughPortal_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("portalRunning");
    QTest::addColumn<uint>("response");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("message"); // empty when the capture opens

    const QString shot = QUrl::fromLocalFile(picture("portal.png", Qt::blue)).toString();
    const QString notes = QUrl::fromLocalFile(files.filePath("notes.txt")).toString();
    QTest::newRow("the portal's picture opens") << "wayland" << true << 0u << shot << QString();
    QTest::newRow("cancelled") << "wayland" << true << 1u << shot << "cancelled";
    QTest::newRow("no picture there") << "wayland" << true << 0u << notes << "could not be read";
    QTest::newRow("a remote address") << "wayland" << true << 0u << "https://example.invalid/a.png"
                                      << "did not take";
    QTest::newRow("no portal") << "wayland" << false << 0u << shot << "not available";
    QTest::newRow("neither X11 nor Wayland") << "tty" << true << 0u << shot << "on this desktop";
}

void TestCaptureController::captureThroughPortal()
{
    QFETCH(QString, session);
    QFETCH(bool, portalRunning);
    QFETCH(uint, response);
    QFETCH(QString, uri);
    QFETCH(QString, message);

    if (bus.state() != QProcess::Running)
        QSKIP("dbus-daemon is not installed");
    QDBusConnection portalBus(QStringLiteral("portal"));
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
    QCOMPARE(pixels(editor->buildExportImage()), pixels(QImage(opened)));
    QCOMPARE(editor->windowTitle().startsWith("Screenshot "), message.isEmpty());
    QCOMPARE(prompts.texts().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(prompts.texts().first().contains(message), qPrintable(prompts.texts().first()));
}

DIMLET_TEST_MAIN(TestCaptureController)
#include "tst_capturecontroller.moc"
