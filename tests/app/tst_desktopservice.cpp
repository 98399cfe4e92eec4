#include "testsupport.h"

#include "app/capplication.h"
#include "app/desktopapplicationadaptor.h"
#include "canvas/dlgraphicsscene.h"
#include "editor/dldocument.h"
#include "editor/dleditor.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Drives the program's bus interface the way a file manager does: through a
// private session bus and a separate client process.
class TestDesktopService : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    static bool callOpen(const QStringList &uris)
    {
        QStringList quoted;
        for (const QString &uri : uris)
            quoted << QStringLiteral("'%1'").arg(uri);
        QProcess gdbus;
        gdbus.start(QStringLiteral("gdbus"),
            {"call", "--session", "--dest", DesktopApplicationAdaptor::applicationId(),
                "--object-path", DesktopApplicationAdaptor::objectPath(), "--method",
                "org.freedesktop.Application.Open", QStringLiteral("[%1]").arg(quoted.join(',')),
                "{}"});
        // The call is answered by this process, so keep its event loop running meanwhile.
        for (int waited = 0; gdbus.state() != QProcess::NotRunning && waited < 10000; waited += 20)
            QTest::qWait(20);
        return gdbus.state() == QProcess::NotRunning && gdbus.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gdbus")).isEmpty())
            QSKIP("gdbus is not installed");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QVERIFY(DesktopApplicationAdaptor::registerOnSessionBus(qApp));
    }

    void openRequestOpensTheFirstFile()
    {
        DLEditor editor;
        QObject::connect(qobject_cast<CApplication *>(qApp), &CApplication::openURL, &editor,
            &DLEditor::handleAppOpenURL);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString first = dir.filePath(QStringLiteral("first.png"));
        const QString second = dir.filePath(QStringLiteral("second.png"));
        QVERIFY(picture.save(first));
        QVERIFY(picture.save(second));

        QVERIFY(callOpen(
            {QUrl::fromLocalFile(first).toString(), QUrl::fromLocalFile(second).toString()}));
        QTRY_COMPARE(editor.windowTitle(), QStringLiteral("first.png"));
        QCOMPARE(editor.canvasScene()->imagePath, first);
    }
};

// A private bus for this test alone; killed when the test ends.
static QProcess *startPrivateBus()
{
    auto *daemon = new QProcess;
    daemon->start(QStringLiteral("dbus-daemon"),
        {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    if (!daemon->waitForStarted(5000) || !daemon->waitForReadyRead(5000))
        return daemon;
    const QByteArray address = daemon->readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return daemon;
}

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    std::unique_ptr<QProcess> bus;
    if (!QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        bus.reset(startPrivateBus());
    int result = 0;
    {
        CApplication app(argc, argv);
        PromptRecorder prompts(QMessageBox::No);
        TestDesktopService tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    if (bus) {
        bus->kill();
        bus->waitForFinished();
    }
    return result;
}
#include "tst_desktopservice.moc"
