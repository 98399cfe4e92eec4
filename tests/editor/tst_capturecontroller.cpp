#include "testsupport.h"

#include "canvas/dlgraphicsview.h"
#include "capture/capturedelay.h"
#include "settings/preferences.h"
#include "testableeditor.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QString portalName = QStringLiteral("org.freedesktop.portal.Desktop");

// The desktop portal's screenshot interface as a stand-in on a private bus: every request is
// answered at once with the response code and file URI the test chose.
class StandInPortal : public QDBusVirtualObject
{
public:
    uint response = 0;
    QString uri;

    QString introspect(const QString &) const override { return QString(); }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.member() != QLatin1String("Screenshot"))
            return false;
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                   .arg(message.service().mid(1).replace('.', '_'),
                                       options.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        QVariantMap results;
        if (!uri.isEmpty())
            results.insert(QStringLiteral("uri"), uri);
        connection.send(
            QDBusMessage::createSignal(handle, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"))
            << response << results);
        return true;
    }
};

QByteArray pngBytes(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QImage pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

// The capture, clipboard and delay actions on a real editor, through the actions a user picks.
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

private slots:
    void initTestCase();
    void init() { editor = std::make_unique<TestableEditor>(); }
    void cleanup() { editor.reset(); }
    void copyTexts_data();
    void copyTexts();
    void copyImageFollowsTheEmptyState();
    void keysStayWithTheCommentEditor();
    void paste_data();
    void paste();
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
}

void TestCaptureController::copyTexts_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("expected");

    // Marks by index: 0 length, 1 rectangle, 2 colour pick, 3 comment; stacked 1, 3, 0, 2.
    QTest::newRow("one length") << QList<int> {0} << "201";
    QTest::newRow("all four, lowest in the stack first")
        << QList<int> {0, 1, 2, 3} << "278,108(281x96)\nnote one\nnote two\n201\nFF8000";
    QTest::newRow("nothing selected leaves Copy disabled") << QList<int>() << QString();
}

void TestCaptureController::copyTexts()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, expected);

    editor->openFile(picture(QStringLiteral("orange.png")));
    const struct
    {
        int type;
        QPointF p1, p2;
        QString text;
        double z;
    } marks[] = {{MarkLength, {10, 10}, {210, 10}, {}, 3},
        {MarkRect, {278, 108}, {558, 203}, {}, 1}, {MarkColorPick, {20, 20}, {60, 60}, {}, 4},
        {MarkComments, {30, 30}, {90, 90}, "note one\nnote two", 2}};
    QList<DLGraphicsItem *> items;
    for (const auto &mark : marks) {
        DLGraphicsItem *item = DLGraphicsItem::create(mark.type, mark.p1, mark.p2, mark.text, -1.0);
        item->setZValue(mark.z);
        editor->canvasScene()->addItem(item);
        items << item;
    }
    QApplication::clipboard()->setText(QStringLiteral("before"));
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    // As a Ctrl+click does, each selection keeps the others.
    QTest::keyPress(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
    for (int index : selected)
        items.at(index)->setSelected(true);
    QTest::keyRelease(editor->windowHandle(), Qt::Key_Control, Qt::ControlModifier);

    QCOMPARE(action("actionCopy")->isEnabled(), !expected.isEmpty());
    action("actionCopy")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), expected.isEmpty() ? "before" : expected);
}

void TestCaptureController::copyImageFollowsTheEmptyState()
{
    QVERIFY(!action("actionCopy_Image")->isEnabled());
    editor->openFile(picture(QStringLiteral("orange.png")));
    editor->canvasScene()->addItem(DLGraphicsItem::create(MarkRect, {20, 20}, {80, 60}, {}, -1.0));
    QVERIFY(action("actionCopy_Image")->isEnabled());
    action("actionCopy_Image")->trigger();
    // The marks are drawn in: the export, not the bare picture.
    QCOMPARE(pixels(QApplication::clipboard()->image()), pixels(editor->buildExportImage()));
}

// While a comment's text is edited, Ctrl+V and Ctrl+C are the text field's, even when Paste
// and Copy could act.
void TestCaptureController::keysStayWithTheCommentEditor()
{
    editor->openFile(picture(QStringLiteral("orange.png")));
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    DLGraphicsItem *comment
        = DLGraphicsItem::create(MarkComments, {30, 30}, {90, 90}, "note", -1.0);
    editor->canvasScene()->addItem(comment);
    comment->setSelected(true);
    auto *mime = new QMimeData;
    mime->setImageData(QImage(QStringLiteral(":/DL/images/DLAppIcon16.png")));
    QApplication::clipboard()->setMimeData(mime);

    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
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
}

void TestCaptureController::paste_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("title"); // a pattern; empty when a message says why not

    QImage shot(40, 30, QImage::Format_RGB32);
    shot.fill(QColor(20, 90, 200));
    const QString file = QUrl::fromLocalFile(picture(QStringLiteral("dropped.png"))).toString();

    QTest::newRow("png picture") << "image/png" << pngBytes(shot) << true
                                 << "Pasted ....-..-.. ..-..-..\\.png";
    QTest::newRow("file list opens its first accepted file")
        << "text/uri-list" << QString("file:///nowhere/notes.txt\r\n" + file + "\r\n").toUtf8()
        << true << "dropped\\.png";
    QTest::newRow("text only") << "text/plain" << QByteArray("hello") << false << QString();
    QTest::newRow("remote address")
        << "text/uri-list" << QByteArray("https://example.invalid/a.png\r\n") << false << QString();
    QTest::newRow("png bytes that are no picture")
        << "image/png" << QByteArray(400, 'x') << true << QString();
}

void TestCaptureController::paste()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(bool, enabled);
    QFETCH(QString, title);

    auto *mime = new QMimeData;
    mime->setData(format, data);
    QApplication::clipboard()->setMimeData(mime);
    QCOMPARE(action("actionPaste")->isEnabled(), enabled);
    if (!enabled)
        return;
    PromptRecorder prompts;
    action("actionPaste")->trigger();
    if (title.isEmpty()) {
        QCOMPARE(prompts.texts().size(), 1);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Dimlet"));
        return;
    }
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(title))
                 .match(editor->windowTitle())
                 .hasMatch(),
        qPrintable(editor->windowTitle()));
    if (format == QLatin1String("image/png"))
        QCOMPARE(pixels(editor->buildExportImage()), pixels(QImage::fromData(data)));
}

void TestCaptureController::delayPreference_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("seconds");

    QTest::newRow("five") << "5" << 5;
    QTest::newRow("two") << "2" << 2;
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

    const QString shot
        = QUrl::fromLocalFile(picture(QStringLiteral("portal.png"), Qt::blue)).toString();
    QFile text(files.filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
    const QString notes = QUrl::fromLocalFile(text.fileName()).toString();

    QTest::newRow("the portal's picture opens") << "wayland" << true << 0u << shot << QString();
    QTest::newRow("cancelled") << "wayland" << true << 1u << shot << "cancelled";
    QTest::newRow("a file that is no picture")
        << "wayland" << true << 0u << notes << "could not be read";
    QTest::newRow("a remote address") << "wayland" << true << 0u << "https://example.invalid/a.png"
                                      << "did not take";
    QTest::newRow("no address") << "wayland" << true << 0u << QString() << "did not take";
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
    setCaptureDelaySeconds(0);
    const QString before = picture(QStringLiteral("before.png"));
    editor->openFile(before);
    editor->show();
    PromptRecorder prompts;

    action("actionCapture_Screen")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(editor->isVisible()
            && (editor->windowTitle() != "before.png" || !prompts.texts().isEmpty()),
        10000);
    qunsetenv("XDG_SESSION_TYPE");
    portalBus.registerService(portalName);
    if (message.isEmpty()) {
        QVERIFY(editor->windowTitle().startsWith(QLatin1String("Screenshot ")));
        QCOMPARE(pixels(editor->buildExportImage()), pixels(QImage(QUrl(uri).toLocalFile())));
    } else {
        QCOMPARE(prompts.texts().size(), 1);
        QVERIFY2(prompts.texts().first().contains(message), qPrintable(prompts.texts().first()));
        QCOMPARE(editor->windowTitle(), QStringLiteral("before.png"));
        QCOMPARE(pixels(editor->buildExportImage()), pixels(QImage(before)));
    }
}

DIMLET_TEST_MAIN(TestCaptureController)
#include "tst_capturecontroller.moc"
