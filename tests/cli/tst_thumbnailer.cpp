#include "testsupport.h"

#include "clifixtures.h"

#include <QImageReader>
#include <QUrl>

class TestThumbnailer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir work;

private slots:
    void initTestCase() { QVERIFY(work.isValid()); }

    void fitsTheSizeKeepingTheShape_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QString>("size");

        QTest::newRow("wide picture") << QSize(400, 100) << "128";
        QTest::newRow("tall picture") << QSize(90, 360) << "128";
        QTest::newRow("picture smaller than the size") << QSize(60, 40) << "128";
        QTest::newRow("picture exactly the size") << QSize(128, 128) << "128";
        QTest::newRow("picture one pixel too wide") << QSize(129, 64) << "128";
        QTest::newRow("thin line keeps a row") << QSize(1000, 2) << "64";
        QTest::newRow("size of one pixel") << QSize(30, 20) << "1";
        QTest::newRow("largest size is no upscale") << QSize(50, 70) << "4096";
        QTest::newRow("leading zero") << QSize(300, 200) << "0256";
    }

    void fitsTheSizeKeepingTheShape()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(QString, size);

        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const QString temp = freshDir(work, QString::fromLatin1(QTest::currentDataTag()) + "-tmp");
        QVERIFY(writeDocument(dir + "/doc.dld", dir, halvesPicture(pictureSize), "p.png", {}));
        const QString output = dir + "/thumb.png";

        const ProgramRun run
            = runProgram("dimlet-thumbnailer", {dir + "/doc.dld", output, size}, temp);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(entriesOf(temp).isEmpty());

        const QImage thumbnail(output);
        QVERIFY(!thumbnail.isNull());
        const int maximum = size.toInt();
        const int longest = qMax(pictureSize.width(), pictureSize.height());
        const double scale = qMin(1.0, double(maximum) / longest);
        QCOMPARE(qMax(thumbnail.width(), thumbnail.height()), qMin(maximum, longest));
        QVERIFY(thumbnail.width() >= 1 && thumbnail.height() >= 1);
        QVERIFY(qAbs(thumbnail.width() - pictureSize.width() * scale) < 1.0);
        QVERIFY(qAbs(thumbnail.height() - pictureSize.height() * scale) < 1.0);

        if (thumbnail.width() >= 8) {
            const int y = thumbnail.height() / 2;
            QCOMPARE(QColor(thumbnail.pixel(thumbnail.width() / 4, y)), QColor(Qt::red));
            QCOMPARE(QColor(thumbnail.pixel(thumbnail.width() * 3 / 4, y)), QColor(Qt::blue));
        }
    }

    void unscaledThumbnailIsTheExport()
    {
        const QString dir = freshDir(work, "unscaled");
        QVERIFY(writeDocument(
            dir + "/doc.dld", dir, bandedPicture(QSize(170, 125)), "p.png", marksOfEveryKind()));
        const ProgramRun run = runProgram("dimlet-thumbnailer",
            {dir + "/doc.dld", dir + "/t.png", "256"}, freshDir(work, "u tmp"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QImage(dir + "/t.png").convertToFormat(QImage::Format_ARGB32),
            editorExport(dir + "/doc.dld").convertToFormat(QImage::Format_ARGB32));
    }

    void inputAndOutputNames_data()
    {
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<bool>("asUri");
        QTest::addColumn<QString>("outputName");

        QTest::newRow("plain path") << "doc.dld" << false << "thumb.png";
        QTest::newRow("uri with blank and hash") << "my doc #1.dld" << true << "thumb.png";
        QTest::newRow("uri with non-ascii name") << "Größe ✓.dld" << true << "thumb.png";
        QTest::newRow("output without suffix is still png") << "doc.dld" << false << "thumb";
        QTest::newRow("output named jpg is still png") << "doc.dld" << false << "thumb.jpg";
        QTest::newRow("document without dld suffix") << "document" << false << "thumb.png";
    }

    void inputAndOutputNames()
    {
        QFETCH(QString, documentName);
        QFETCH(bool, asUri);
        QFETCH(QString, outputName);

        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const QString document = dir + '/' + documentName;
        QVERIFY(writeDocument(document, dir, halvesPicture(QSize(300, 100)), "p.png", {}));
        const QString input
            = asUri ? QUrl::fromLocalFile(document).toString(QUrl::FullyEncoded) : document;
        const QString output = dir + '/' + outputName;

        const ProgramRun run
            = runProgram("dimlet-thumbnailer", {input, output, "64"}, freshDir(work, "names tmp"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(QImageReader(output).format(), QByteArray("png"));
        QCOMPARE(QImage(output).size(), QSize(64, 21));
    }

    void refusesHostileDocuments_data()
    {
        QTest::addColumn<QByteArray>("content");

        const QString dir = freshDir(work, "hostile sources");
        QVERIFY(writeDocument(dir + "/good.dld", dir, bandedPicture(QSize(160, 120)), "good.png",
            marksOfEveryKind()));
        const QByteArray good = fileBytes(dir + "/good.dld");

        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("picture block that is not a picture")
            << block(QByteArray(500, '\x89')) + block(binaryJson(documentObject("p.png")));
    }

    void refusesHostileDocuments()
    {
        QFETCH(QByteArray, content);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString dir = freshDir(work, tag);
        const QString temp = freshDir(work, tag + "-tmp");
        QVERIFY(writeFile(dir + "/doc.dld", content));

        const ProgramRun run
            = runProgram("dimlet-thumbnailer", {dir + "/doc.dld", dir + "/thumb.png", "128"}, temp);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.standardError.startsWith("dimlet-thumbnailer: " + dir + "/doc.dld: "));
        QCOMPARE(entriesOf(dir), QStringList {"doc.dld"});
        QVERIFY(entriesOf(temp).isEmpty());
    }

    void badArgumentsShowUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");

        const QString sizeProblem = "SIZE must be a whole number from 1 to 4096: ";
        QTest::newRow("no arguments") << QStringList() << "missing INPUT";
        QTest::newRow("empty input") << QStringList {"", "t.png", "128"} << "missing INPUT";
        QTest::newRow("input only") << QStringList {"doc.dld"} << "missing OUTPUT";
        QTest::newRow("size missing") << QStringList {"doc.dld", "t.png"} << "missing SIZE";
        QTest::newRow("four arguments")
            << QStringList {"doc.dld", "t.png", "128", "x"} << "too many arguments";
        QTest::newRow("size zero") << QStringList {"doc.dld", "t.png", "0"} << sizeProblem + "0";
        QTest::newRow("size negative")
            << QStringList {"doc.dld", "t.png", "-128"} << sizeProblem + "-128";
        QTest::newRow("size one above the limit")
            << QStringList {"doc.dld", "t.png", "4097"} << sizeProblem + "4097";
        QTest::newRow("size overflowing an int")
            << QStringList {"doc.dld", "t.png", "4294967424"} << sizeProblem + "4294967424";
        QTest::newRow("size with a unit")
            << QStringList {"doc.dld", "t.png", "128px"} << sizeProblem + "128px";
        QTest::newRow("size with a plus sign")
            << QStringList {"doc.dld", "t.png", "+128"} << sizeProblem + "+128";
        QTest::newRow("size with a blank")
            << QStringList {"doc.dld", "t.png", " 128"} << sizeProblem + " 128";
        QTest::newRow("size as a fraction")
            << QStringList {"doc.dld", "t.png", "127.5"} << sizeProblem + "127.5";
        QTest::newRow("input on another machine") << QStringList {"file://elsewhere/doc.dld",
            "t.png", "128"} << "INPUT is not a local file: file://elsewhere/doc.dld";
    }

    void badArgumentsShowUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const ProgramRun run = runProgram("dimlet-thumbnailer", arguments, dir);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        const QStringList lines = run.standardError.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), "dimlet-thumbnailer: " + problem);
        QCOMPARE(lines.at(1), QString("Usage: dimlet-thumbnailer INPUT OUTPUT SIZE"));
        QVERIFY(entriesOf(dir).isEmpty());
    }
};

DIMLET_TEST_MAIN(TestThumbnailer)
#include "tst_thumbnailer.moc"
