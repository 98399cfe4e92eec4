#include "testsupport.h"

#include "app/capplication.h"
#include "app/cmainwindow.h"
#include "app/desktopapplicationadaptor.h"
#include "canvas/dlgraphicsscene.h"
#include "editor/dleditor.h"

#include <QDBusConnection>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestCApplication : public QObject
{
    Q_OBJECT

private slots:
    // A file manager's open request over a private session bus, from a separate process.
    void busOpenRequestOpensTheFirstFile()
    {
        QProcess bus;
        bus.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!bus.waitForReadyRead(5000) || QStandardPaths::findExecutable("gdbus").isEmpty())
            QSKIP("no dbus-daemon or gdbus");
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        QVERIFY(DesktopApplicationAdaptor::registerOnSessionBus(qApp));
        DLEditor editor;
        connect(qobject_cast<CApplication *>(qApp), &CApplication::openURL, &editor,
            &DLEditor::handleAppOpenURL);
        QTemporaryDir dir;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(dir.filePath("first.png")));
        const QString first = QUrl::fromLocalFile(dir.filePath("first.png")).toString();
        QProcess gdbus;
        gdbus.start("gdbus",
            {"call", "--session", "--dest", DesktopApplicationAdaptor::applicationId(),
                "--object-path", DesktopApplicationAdaptor::objectPath(), "--method",
                "org.freedesktop.Application.Open", "['" + first + "','file:///gone.png']", "{}"});
        // This process answers the call, so its event loop keeps running meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(gdbus.state(), QProcess::NotRunning, 10000);
        QCOMPARE(gdbus.exitCode(), 0);
        QTRY_COMPARE(editor.canvasScene()->imagePath(), dir.filePath("first.png"));
    }

    // Rows: accepted suffixes : dragged names > names handed over (none when the drag is
    // refused); "text:" a text drag.
    void droppedFiles_data()
    {
        QTest::addColumn<QString>("drop");
        const QString ours = "png bmp jpg jpeg dld: ";
        QTest::newRow("suffixes of any case; the rest left out, drag order kept")
            << ours + "A.PNG notes.txt b.Jpeg a.png.txt README x.png/f c.dld > A.PNG b.Jpeg c.dld";
        QTest::newRow("no accepted file refuses the drag") << ours + "notes.txt > ";
        QTest::newRow("plain text naming a picture is refused") << ours + "text:/t/a.png > ";
        QTest::newRow("empty suffix list takes every file") << ": a.txt README > a.txt README";
    }

    void droppedFiles()
    {
        QFETCH(QString, drop);
        const QString dragged = drop.section(": ", 1).section(" > ", 0, 0);
        const QString handedOver = drop.section(" > ", 1);
        CMainWindow window(false, false);
        window.setAcceptFiles(true);
        window.setAcceptSuffixes(
            drop.section(": ", 0, 0).split(' ', Qt::SkipEmptyParts).toVector());
        QSignalSpy spy(&window, &CMainWindow::windowAcceptFiles);
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &name : dragged.split(' '))
            urls << QUrl::fromLocalFile("/t/" + name);
        dragged.startsWith("text:") ? mime.setText(dragged.mid(5)) : mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), !handedOver.isEmpty());
        if (enter.isAccepted())
            QApplication::sendEvent(&window, &dropped);
        QStringList got;
        for (const QVariantList &call : spy)
            got += call.first().value<QVector<QString>>().toList();
        QCOMPARE(got.join(' ').remove("/t/"), handedOver);
    }

    // A question offers Yes and No (true only for Yes); a message is a plain box.
    void promptKinds()
    {
        PromptRecorder no(QMessageBox::No);
        QVERIFY(!askYesNo(nullptr, "Title", "Keep?"));
        showMessage("Done");
        QVERIFY(no.prompts().value(0).question && !no.prompts().value(1).question);
    }
};

DIMLET_TEST_MAIN_WITH(CApplication, TestCApplication)
#include "tst_capplication.moc"
