#include "testsupport.h"

#include "app/capplication.h"
#include "app/cmainwindow.h"
#include "app/desktopapplicationadaptor.h"
#include "canvas/dlgraphicsscene.h"
#include "editor/dleditor.h"
#include "marks/marktest.h"

#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

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
        const QString first = DIMLET_SOURCE_DIR "/resources/images/DLAppIcon128.png";
        QProcess gdbus;
        gdbus.start("gdbus",
            {"call", "--session", "--dest", DesktopApplicationAdaptor::applicationId(),
                "--object-path", DesktopApplicationAdaptor::objectPath(), "--method",
                "org.freedesktop.Application.Open", "['file://" + first + "','file:///gone.png']",
                "{}"});
        // This process answers the call, so its event loop keeps running meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(gdbus.state(), QProcess::NotRunning, 10000);
        QCOMPARE(gdbus.exitCode(), 0);
        QTRY_COMPARE(editor.canvasScene()->imagePath(), first);
    }

    // Rows: accepted suffixes|dragged ("text:" a text drag)|handed over (none: drag refused).
    void droppedFiles_data()
    {
        rows({"suffixes of any case; the rest left out, drag order kept|png bmp jpg jpeg dld|A.PNG "
              "notes.txt b.Jpeg a.png.txt README x.png/f c.dld|A.PNG b.Jpeg c.dld",
            "no accepted file refuses the drag|png bmp jpg jpeg dld|notes.txt|",
            "plain text naming a picture is refused|png|text:/t/a.png|",
            "empty suffix list takes every file||a.txt README|a.txt README"});
    }

    void droppedFiles()
    {
        QFETCH(QStringList, f);
        CMainWindow window(false, false);
        window.setAcceptFiles(true);
        window.setAcceptSuffixes(f[0].split(' ', Qt::SkipEmptyParts).toVector());
        QSignalSpy spy(&window, &CMainWindow::windowAcceptFiles);
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &name : f[1].split(' '))
            urls << QUrl::fromLocalFile("/t/" + name);
        f[1].startsWith("text:") ? mime.setText(f[1].mid(5)) : mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), !f[2].isEmpty());
        if (enter.isAccepted())
            QApplication::sendEvent(&window, &dropped);
        const auto files = spy.value(0).value(0).value<QVector<QString>>().toList();
        QCOMPARE(files.join(' ').remove("/t/"), f[2]);
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
