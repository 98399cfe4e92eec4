#include "testsupport.h"

#include "app/cmainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

namespace {
const QVector<QString> pictureSuffixes {QStringLiteral("png"), QStringLiteral("bmp"),
    QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("dld")};

class RecordingWindow : public CMainWindow
{
public:
    explicit RecordingWindow(bool acceptFiles = true)
        : CMainWindow(false, acceptFiles, nullptr)
    {
    }
    QList<QVector<QString>> received;

protected:
    void acceptFiles(const QVector<QString> &files) override { received.append(files); }
};

QMimeData *fileDrag(const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

// Runs a drag enter through the application, as a desktop drag would; true when accepted.
bool dragEnter(QWidget *window, const QMimeData *mime)
{
    QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
    return event.isAccepted();
}

bool drop(QWidget *window, const QMimeData *mime)
{
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
    return event.isAccepted();
}
} // namespace

class TestCMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void acceptedFile_data();
    void acceptedFile();
    void dragAndDrop_data();
    void dragAndDrop();
    void plainTextDragKeepsPendingFiles();
    void refusingWindowIgnoresFileDrags();
    void setAcceptFilesFollowsAcceptDrops();
    void acceptedFilesReachQueuedReceivers();
    void closeAndVisibilitySignals();
    void ownTitleBarFlags();
};

void TestCMainWindow::acceptedFile_data()
{
    QTest::addColumn<QVector<QString>>("suffixes");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lower-case png") << pictureSuffixes << "/tmp/a.png" << true;
    QTest::newRow("upper-case PNG compared in lower case")
        << pictureSuffixes << "/tmp/A.PNG" << true;
    QTest::newRow("mixed-case Jpeg") << pictureSuffixes << "/tmp/shot.Jpeg" << true;
    QTest::newRow("document") << pictureSuffixes << "/tmp/plan.dld" << true;
    QTest::newRow("text file refused") << pictureSuffixes << "/tmp/notes.txt" << false;
    QTest::newRow("only the last suffix counts") << pictureSuffixes << "/tmp/a.png.txt" << false;
    QTest::newRow("suffix must match whole") << pictureSuffixes << "/tmp/a.pn" << false;
    QTest::newRow("suffix longer than an entry") << pictureSuffixes << "/tmp/a.pngx" << false;
    QTest::newRow("no suffix") << pictureSuffixes << "/tmp/README" << false;
    QTest::newRow("dotted directory, no suffix") << pictureSuffixes << "/tmp/x.png/file" << false;
    QTest::newRow("empty list accepts text") << QVector<QString>() << "/tmp/notes.txt" << true;
    QTest::newRow("empty list accepts no suffix") << QVector<QString>() << "/tmp/README" << true;
}

void TestCMainWindow::acceptedFile()
{
    QFETCH(QVector<QString>, suffixes);
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    CMainWindow window(false, true);
    window.setAcceptSuffixes(suffixes);
    QCOMPARE(window.isAcceptedFile(path), accepted);
}

void TestCMainWindow::dragAndDrop_data()
{
    QTest::addColumn<QVector<QString>>("suffixes");
    QTest::addColumn<QStringList>("dragged");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVector<QString>>("handedOver");

    QTest::newRow("upper-case picture accepted")
        << pictureSuffixes << QStringList {"/tmp/A.PNG"} << true << QVector<QString> {"/tmp/A.PNG"};
    QTest::newRow("text file refused")
        << pictureSuffixes << QStringList {"/tmp/notes.txt"} << false << QVector<QString>();
    QTest::newRow("refused file between accepted ones keeps drag order")
        << pictureSuffixes << QStringList {"/tmp/b.jpg", "/tmp/notes.txt", "/tmp/a.png"} << true
        << QVector<QString> {"/tmp/b.jpg", "/tmp/a.png"};
    QTest::newRow("refused file first")
        << pictureSuffixes << QStringList {"/tmp/notes.txt", "/tmp/c.bmp"} << true
        << QVector<QString> {"/tmp/c.bmp"};
    QTest::newRow("empty suffix list accepts every file")
        << QVector<QString>() << QStringList {"/tmp/notes.txt", "/tmp/README"} << true
        << QVector<QString> {"/tmp/notes.txt", "/tmp/README"};
}

void TestCMainWindow::dragAndDrop()
{
    QFETCH(QVector<QString>, suffixes);
    QFETCH(QStringList, dragged);
    QFETCH(bool, accepted);
    QFETCH(QVector<QString>, handedOver);

    RecordingWindow window;
    window.setAcceptFiles(true);
    window.setAcceptSuffixes(suffixes);
    QSignalSpy spy(&window, &CMainWindow::windowAcceptFiles);
    std::unique_ptr<QMimeData> mime(fileDrag(dragged));

    QCOMPARE(dragEnter(&window, mime.get()), accepted);
    const bool dropped = drop(&window, mime.get());
    QCOMPARE(dropped, accepted);
    if (!accepted) {
        QCOMPARE(spy.count(), 0);
        QVERIFY(window.received.isEmpty());
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QVector<QString>>(), handedOver);
    QCOMPARE(window.received.size(), 1);
    QCOMPARE(window.received.at(0), handedOver);
}

void TestCMainWindow::plainTextDragKeepsPendingFiles()
{
    RecordingWindow window;
    window.setAcceptFiles(true);
    window.setAcceptSuffixes(pictureSuffixes);
    std::unique_ptr<QMimeData> files(fileDrag({"/tmp/first.png", "/tmp/second.bmp"}));
    QVERIFY(dragEnter(&window, files.get()));

    QMimeData text;
    text.setText(QStringLiteral("/tmp/other.png"));
    QVERIFY(!dragEnter(&window, &text));

    // The drop that follows still hands over what the last file drag collected.
    QVERIFY(drop(&window, &text));
    QCOMPARE(window.received.size(), 1);
    QCOMPARE(window.received.at(0), (QVector<QString> {"/tmp/first.png", "/tmp/second.bmp"}));
}

void TestCMainWindow::refusingWindowIgnoresFileDrags()
{
    RecordingWindow window(false);
    window.setAcceptSuffixes(pictureSuffixes);
    window.setAcceptDrops(true);
    QSignalSpy spy(&window, &CMainWindow::windowAcceptFiles);
    std::unique_ptr<QMimeData> mime(fileDrag({"/tmp/a.png"}));
    QVERIFY(!dragEnter(&window, mime.get()));
    drop(&window, mime.get());
    QCOMPARE(spy.count(), 0);
    QVERIFY(window.received.isEmpty());
}

void TestCMainWindow::setAcceptFilesFollowsAcceptDrops()
{
    CMainWindow window(false, false);
    QVERIFY(!window.acceptDrops());
    window.setAcceptFiles(true);
    QVERIFY(window.acceptDrops());
    window.setAcceptFiles(false);
    QVERIFY(!window.acceptDrops());
}

void TestCMainWindow::acceptedFilesReachQueuedReceivers()
{
    RecordingWindow window;
    window.setAcceptFiles(true);
    QVector<QString> delivered;
    QObject receiver;
    connect(
        &window, &CMainWindow::windowAcceptFiles, &receiver,
        [&delivered](const QVector<QString> &files) { delivered = files; }, Qt::QueuedConnection);
    QVERIFY(QMetaType::type("QVector<QString>") != QMetaType::UnknownType);

    std::unique_ptr<QMimeData> mime(fileDrag({"/tmp/a.png"}));
    QVERIFY(dragEnter(&window, mime.get()));
    QVERIFY(drop(&window, mime.get()));
    QVERIFY(delivered.isEmpty());
    QTRY_COMPARE(delivered, QVector<QString> {"/tmp/a.png"});
}

void TestCMainWindow::closeAndVisibilitySignals()
{
    CMainWindow window(false, false);
    QSignalSpy closed(&window, &CMainWindow::windowClose);
    QSignalSpy visibility(&window, &CMainWindow::windowVisibleChanged);

    window.show();
    QCOMPARE(visibility.count(), 1);
    QCOMPARE(visibility.at(0).at(0).toString(), QStringLiteral("unnamed"));
    QCOMPARE(visibility.at(0).at(1).toBool(), true);
    QVERIFY(window.isVisible());

    QVERIFY(window.close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).toString(), QStringLiteral("unnamed"));
    QVERIFY(!window.isVisible());
    QCOMPARE(visibility.count(), 2);
    QCOMPARE(visibility.at(1).at(1).toBool(), false);
}

void TestCMainWindow::ownTitleBarFlags()
{
    CMainWindow plain(false, false);
    QVERIFY(!(plain.windowFlags() & Qt::CustomizeWindowHint));

    CMainWindow own(true, false);
    const Qt::WindowFlags flags = own.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
}

DIMLET_TEST_MAIN(TestCMainWindow)
#include "tst_cmainwindow.moc"
