#include "testsupport.h"

#include "app/capplication.h"
#include "app/desktopapplicationadaptor.h"
#include "canvas/dlgraphicsscene.h"
#include "editor/dleditor.h"

#include <QDBusConnection>
#include <QFileOpenEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestCApplication : public QObject
{
    Q_OBJECT

    QProcess bus; // a private session bus for this test alone

private slots:
    void initTestCase()
    {
        bus.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (bus.waitForReadyRead(5000))
            qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    }

    void cleanupTestCase()
    {
        bus.kill();
        bus.waitForFinished();
    }

    void onlyFileOpenEventsBecomeTheSignal()
    {
        QSignalSpy spy(qobject_cast<CApplication *>(qApp), &CApplication::openURL);
        QEvent other(QEvent::ApplicationStateChange);
        QFileOpenEvent event(QUrl::fromLocalFile("/tmp/plan.dld"));
        QCoreApplication::sendEvent(qApp, &other);
        QCoreApplication::sendEvent(qApp, &event);
        QCOMPARE(
            QList<QVariantList>(spy), QList<QVariantList> {{QUrl::fromLocalFile("/tmp/plan.dld")}});
    }

    // A file manager's open request over the session bus, from a separate client process.
    void busOpenRequestOpensTheFirstFile()
    {
        if (QStandardPaths::findExecutable("gdbus").isEmpty()
            || !QDBusConnection::sessionBus().isConnected())
            QSKIP("no gdbus or no private session bus");
        QVERIFY(DesktopApplicationAdaptor::registerOnSessionBus(qApp));
        DLEditor editor;
        connect(qobject_cast<CApplication *>(qApp), &CApplication::openURL, &editor,
            &DLEditor::handleAppOpenURL);
        QTemporaryDir dir;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QStringList uris;
        for (const QString name : {"first.png", "second.png"}) {
            QVERIFY(picture.save(dir.filePath(name)));
            uris << "'" + QUrl::fromLocalFile(dir.filePath(name)).toString() + "'";
        }
        QProcess gdbus;
        gdbus.start("gdbus",
            {"call", "--session", "--dest", DesktopApplicationAdaptor::applicationId(),
                "--object-path", DesktopApplicationAdaptor::objectPath(), "--method",
                "org.freedesktop.Application.Open", "[" + uris.join(',') + "]", "{}"});
        // This process answers the call, so its event loop keeps running meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(gdbus.state(), QProcess::NotRunning, 10000);
        QCOMPARE(gdbus.exitCode(), 0);
        QTRY_COMPARE(editor.canvasScene()->imagePath(), dir.filePath("first.png"));
    }
};

DIMLET_TEST_MAIN_WITH(CApplication, TestCApplication)
#include "tst_capplication.moc"
