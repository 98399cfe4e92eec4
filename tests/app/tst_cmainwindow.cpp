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
        QTest::addColumn<QString>("suffixes");
        // Dragged names > names handed over (none when the drag is refused); "text:" a text drag.
        QTest::addColumn<QString>("drop");
        const QString ours = "png bmp jpg jpeg dld";
        QTest::newRow("suffixes of any case; the rest left out, drag order kept")
            << ours << "A.PNG notes.txt b.Jpeg a.png.txt README x.png/f c.dld > A.PNG b.Jpeg c.dld";
        QTest::newRow("no accepted file refuses the drag") << ours << "notes.txt > ";
        QTest::newRow("plain text naming a picture is refused") << ours << "text:/t/a.png > ";
        QTest::newRow("empty suffix list takes every file")
            << QString() << "notes.txt README > notes.txt README";
    }

    void droppedFiles()
    {
        QFETCH(QString, suffixes);
        QFETCH(QString, drop);
        const QString dragged = drop.section(" > ", 0, 0), handedOver = drop.section(" > ", 1);
        CMainWindow window(false, false);
        window.setAcceptFiles(true);
        window.setAcceptSuffixes(suffixes.split(' ', Qt::SkipEmptyParts).toVector());
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
};

DIMLET_TEST_MAIN(TestCMainWindow)
#include "tst_cmainwindow.moc"
