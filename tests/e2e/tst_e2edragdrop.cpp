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
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("title");

    QTest::newRow("a picture opens") << "board.png"
                                     << "copy"
                                     << "board.png";
    QTest::newRow("a text file is refused") << "notes.txt"
                                            << "ignored"
                                            << "Dimlet";
}

void DragDropJourneys::dropFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, outcome);
    QFETCH(QString, title);

    DesktopSession s(QStringLiteral("drop-") + QTest::currentDataTag());
    const QString path = s.filePath(file);
    QFile text(path);
    QVERIFY(file.endsWith(QLatin1String(".png"))
            ? makeMarkingPicture().save(path)
            : text.open(QIODevice::WriteOnly) && text.write("not a picture\n") > 0);
    text.close();
    JOURNEY_VERIFY(s, s.start());
    s.step("the update check asked the local endpoint");
    JOURNEY_VERIFY(s, s.waitUntil([&] { return s.updateRequests() >= 1; }, 10000));

    s.step("drag the files from another window onto the editor");
    QString result;
    JOURNEY_VERIFY(s, s.dragFileOntoMainWindow(path, &result));
    JOURNEY_COMPARE(s, result, outcome);
    JOURNEY_VERIFY(s, s.waitForMainTitle(title));

    s.step("the picture is on the canvas only after an accepted drop");
    const bool pictureShown = s.waitUntil(
        [&] { return findPictureOrigin(s.screenshot()).x() >= 0; }, outcome == "copy" ? 5000 : 0);
    JOURNEY_COMPARE(s, pictureShown, outcome == QLatin1String("copy"));
    JOURNEY_VERIFY(s, s.waitForNoDialogs());
}

DIMLET_TEST_MAIN(DragDropJourneys)
#include "tst_e2edragdrop.moc"
