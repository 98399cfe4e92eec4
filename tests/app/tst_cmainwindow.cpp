#include "testsupport.h"

#include "app/cmainwindow.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

class TestCMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void droppedFiles_data()
    {
        QTest::addColumn<bool>("anySuffix");
        QTest::addColumn<QStringList>("dragged"); // a plain text drag when it starts with "text:"
        QTest::addColumn<QStringList>("handedOver"); // empty when the drag is refused
        QTest::newRow("suffixes of any case; the rest left out, drag order kept")
            << false
            << QStringList {"/t/A.PNG", "/t/notes.txt", "/t/b.Jpeg", "/t/a.png.txt", "/t/README",
                   "/t/x.png/f", "/t/c.dld"}
            << QStringList {"/t/A.PNG", "/t/b.Jpeg", "/t/c.dld"};
        QTest::newRow("no accepted file refuses the drag")
            << false << QStringList {"/t/notes.txt"} << QStringList();
        QTest::newRow("plain text naming a picture is refused")
            << false << QStringList {"text:/t/a.png"} << QStringList();
        QTest::newRow("empty suffix list takes every file")
            << true << QStringList {"/t/notes.txt", "/t/README"}
            << QStringList {"/t/notes.txt", "/t/README"};
    }

    void droppedFiles()
    {
        QFETCH(bool, anySuffix);
        QFETCH(QStringList, dragged);
        QFETCH(QStringList, handedOver);
        CMainWindow window(false, false);
        window.setAcceptFiles(true);
        if (!anySuffix)
            window.setAcceptSuffixes({"png", "bmp", "jpg", "jpeg", "dld"});
        QSignalSpy spy(&window, &CMainWindow::windowAcceptFiles);
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &path : dragged)
            urls << QUrl::fromLocalFile(path);
        if (dragged.first().startsWith("text:"))
            mime.setText(dragged.first().mid(5));
        else
            mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), !handedOver.isEmpty());
        if (handedOver.isEmpty())
            return;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &drop);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<QVector<QString>>(), handedOver.toVector());
    }
};

DIMLET_TEST_MAIN(TestCMainWindow)
#include "tst_cmainwindow.moc"
