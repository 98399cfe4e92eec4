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
        const auto row = [](const char *name, bool any, QStringList dragged, QStringList out) {
            QTest::newRow(name) << any << dragged << out;
        };
        row("upper-case and mixed-case suffixes", false, {"/t/A.PNG", "/t/b.Jpeg", "/t/c.dld"},
            {"/t/A.PNG", "/t/b.Jpeg", "/t/c.dld"});
        row("refused files dropped, drag order kept", false,
            {"/t/notes.txt", "/t/b.jpg", "/t/a.png.txt", "/t/README", "/t/x.png/f", "/t/a.bmp"},
            {"/t/b.jpg", "/t/a.bmp"});
        row("plain text naming a picture", false, {"text:/t/a.png"}, {});
        row("empty suffix list takes every file", true, {"/t/notes.txt", "/t/README"},
            {"/t/notes.txt", "/t/README"});
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
        if (dragged.first().startsWith(QLatin1String("text:"))) {
            mime.setText(dragged.first().mid(5));
        } else {
            QList<QUrl> urls;
            for (const QString &path : dragged)
                urls << QUrl::fromLocalFile(path);
            mime.setUrls(urls);
        }
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
