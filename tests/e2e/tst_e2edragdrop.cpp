#include "testsupport.h"

#include "desktopsession.h"
#include "journeychecks.h"

#include <QFile>

// Files dragged from another program onto the editor window: accepted suffixes open
// the first file, anything else is refused while it is still being dragged.
class DragDropJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { JOURNEY_REQUIRE_TOOLS(); }
    void dropFiles_data();
    void dropFiles();
};

void DragDropJourneys::dropFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("title");

    QTest::newRow("a picture opens") << QStringList({"board.png"}) << "copy"
                                     << "board.png";
    QTest::newRow("of three pictures the first opens")
        << QStringList({"second.png", "board.png", "third.png"}) << "copy"
        << "second.png";
    QTest::newRow("a text file is refused") << QStringList({"notes.txt"}) << "ignored"
                                            << "Dimlet";
}

void DragDropJourneys::dropFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, outcome);
    QFETCH(QString, title);

    DesktopSession s(QStringLiteral("drop-") + QTest::currentDataTag());
    QStringList paths;
    for (const QString &name : files) {
        const QString path = s.filePath(name);
        if (name.endsWith(QLatin1String(".txt"))) {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not a picture\n");
        } else {
            QVERIFY(makeMarkingPicture().save(path));
        }
        paths << path;
    }
    JOURNEY_VERIFY(s, s.start());
    s.step(QStringLiteral("the update check asked the local endpoint and offers nothing"));
    JOURNEY_VERIFY(s, s.waitUntil([&] { return s.updateRequests() >= 1; }, 10000));
    JOURNEY_VERIFY(s, s.waitForNoDialogs(1000));

    s.step(QStringLiteral("drag the files from another window onto the editor"));
    QString result;
    JOURNEY_VERIFY(s, s.dragFilesOntoMainWindow(paths, &result));
    JOURNEY_COMPARE(s, result, outcome);
    JOURNEY_VERIFY(s, s.waitForMainTitle(title));

    s.step(QStringLiteral("the picture is on the canvas only after an accepted drop"));
    const bool pictureShown = s.waitUntil(
        [&] { return findPictureOrigin(s.screenshot()).x() >= 0; }, outcome == "copy" ? 5000 : 0);
    JOURNEY_COMPARE(s, pictureShown, outcome == QLatin1String("copy"));
    JOURNEY_VERIFY(s, s.waitForNoDialogs(2000));
}

DIMLET_TEST_MAIN(DragDropJourneys)
#include "tst_e2edragdrop.moc"
