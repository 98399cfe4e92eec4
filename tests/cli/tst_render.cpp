#include "testsupport.h"

#include "clifixtures.h"

#include <QImageReader>

class TestRender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir work;

private slots:
    void initTestCase() { QVERIFY(work.isValid()); }

    void matchesEditorExport_data()
    {
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<bool>("withMarks");
        QTest::addColumn<QString>("outputName");
        QTest::addColumn<QSize>("outputSize");

        const QSize size(180, 130);
        QTest::newRow("png picture with every mark to png")
            << "shot.png" << size << true << "out.png" << size;
        QTest::newRow("png picture with every mark to bmp")
            << "shot.png" << size << true << "out.bmp" << size;
        QTest::newRow("png picture with every mark to jpg")
            << "shot.png" << size << true << "out.jpg" << size;
        QTest::newRow("jpeg picture with every mark to jpeg")
            << "shot.jpg" << size << true << "out.jpeg" << size;
        QTest::newRow("bmp picture with every mark to png")
            << "shot.bmp" << size << true << "out.png" << size;
        QTest::newRow("picture without marks to png")
            << "plain.png" << size << false << "out.png" << size;
        QTest::newRow("upper-case suffix chooses the format")
            << "shot.png" << size << true << "OUT.PNG" << size;
        QTest::newRow("retina picture is exported at half size")
            << "screen@2x.png" << QSize(360, 260) << true << "out.png" << QSize(180, 130);
        QTest::newRow("retina picture of odd width keeps its size")
            << "screen@2x.png" << QSize(361, 260) << true << "out.png" << QSize(361, 260);
    }

    void matchesEditorExport()
    {
        QFETCH(QString, pictureName);
        QFETCH(QSize, pictureSize);
        QFETCH(bool, withMarks);
        QFETCH(QString, outputName);
        QFETCH(QSize, outputSize);

        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const QString temp = freshDir(work, QString::fromLatin1(QTest::currentDataTag()) + "-tmp");
        const QString document = dir + "/doc.dld";
        QVERIFY(writeDocument(document, dir, bandedPicture(pictureSize), pictureName,
            withMarks ? marksOfEveryKind() : QVector<MarkRecord>()));

        const QString output = dir + '/' + outputName;
        const ProgramRun run = runProgram("dimlet-render", {document, output}, temp);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(entriesOf(temp).isEmpty(), qPrintable(entriesOf(temp).join(' ')));

        const QImage expected = editorExport(document);
        QCOMPARE(expected.size(), outputSize);
        const QString inProcess = dir + "/in-process." + QFileInfo(outputName).suffix();
        QVERIFY(exportImage(expected, inProcess));
        QCOMPARE(fileBytes(output), fileBytes(inProcess));

        const QImage written(output);
        QCOMPARE(written.size(), outputSize);
        const QByteArray format = QImageReader(output).format();
        if (format == "png") {
            QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
                expected.convertToFormat(QImage::Format_ARGB32));
            // Only a png picture brings its transparent corner along.
            if (pictureName.endsWith(".png"))
                QCOMPARE(qAlpha(written.pixel(0, 0)), 0);
        } else if (format == "bmp") {
            QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                expected.convertToFormat(QImage::Format_RGB32));
        } else {
            QCOMPARE(format, QByteArray("jpeg"));
        }
    }

    void retinaWarningGoesToStandardError()
    {
        const QString dir = freshDir(work, "retina warning");
        const QString document = dir + "/doc.dld";
        QVERIFY(writeDocument(document, dir, bandedPicture(QSize(201, 100)), "odd@2x.png", {}));
        const ProgramRun run = runProgram(
            "dimlet-render", {document, dir + "/out.png"}, freshDir(work, "retina tmp"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.standardError.contains("[201x100]"), qPrintable(run.standardError));
    }

    void refusesHostileDocuments_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");

        const QString dir = freshDir(work, "hostile sources");
        QVERIFY(writeDocument(dir + "/good.dld", dir, bandedPicture(QSize(160, 120)), "good.png",
            marksOfEveryKind()));
        const QByteArray good = fileBytes(dir + "/good.dld");
        const QJsonObject object = documentObject("picture.png", QJsonArray {fullMark(1)});
        QJsonObject newer = object;
        newer.insert("min", 10010);

        QTest::newRow("zero bytes") << QByteArray() << "Could not read document file.";
        QTest::newRow("truncated in the picture block")
            << good.left(good.size() / 3) << "Could not read document file.";
        QTest::newRow("truncated in the data block")
            << good.left(good.size() - 5) << "Could not read document file.";
        QTest::newRow("picture block only")
            << block(pictureBytes("png")) << "Could not read document file.";
        QTest::newRow("picture block that is not a picture") << block(QByteArray(300, 'x'))
                + block(binaryJson(object)) << "The document's picture could not be read.";
        QTest::newRow("picture block length beyond the file")
            << bigEndian32(0x7FFFFFF0u) + QByteArray(64, 'p') << "Could not read document file.";
        QTest::newRow("data block that is not binary json") << block(pictureBytes("png"))
                + block(QByteArray(40, 'j')) << "Could not parse image data. Open Failed. :(";
        QTest::newRow("document for a newer version")
            << block(pictureBytes("png")) + block(binaryJson(newer))
            << "This document request min version '1.1.0'. which you are using '1.0.0'.  File "
               "can not open. Please update application.";
        QTest::newRow("stored name climbing out of the temporary directory")
            << block(QByteArray(50, 'x'))
                + block(binaryJson(documentObject("../../escaped.png", QJsonArray {fullMark(0)})))
            << "The document's picture could not be read.";
    }

    void refusesHostileDocuments()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);

        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString dir = freshDir(work, tag);
        const QString temp = freshDir(work, tag + "-tmp");
        const QString document = dir + "/doc.dld";
        QVERIFY(writeFile(document, content));
        const QString output = dir + "/out.png";

        const ProgramRun run = runProgram("dimlet-render", {document, output}, temp);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.standardError, "dimlet-render: " + document + ": " + message + '\n');
        QVERIFY(!QFile::exists(output));
        QCOMPARE(entriesOf(dir), QStringList {"doc.dld"});
        QVERIFY2(entriesOf(temp).isEmpty(), qPrintable(entriesOf(temp).join(' ')));
        QVERIFY(!QFile::exists(work.filePath("escaped.png")));
    }

    void refusesWhatIsNoDocument_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "missing.dld"
                                      << "Could not open document file.";
        QTest::newRow("directory") << "folder.dld"
                                   << "Could not open document file.";
        QTest::newRow("name with a line break") << "two\nlines.dld"
                                                << "two lines.dld: Could not open document file.";
    }

    void refusesWhatIsNoDocument()
    {
        QFETCH(QString, input);
        QFETCH(QString, message);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        QDir(dir).mkdir("folder.dld");
        const ProgramRun run = runProgram("dimlet-render", {dir + '/' + input, dir + "/out.png"},
            freshDir(work, "no document tmp"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.standardError.contains(message), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY(!QFile::exists(dir + "/out.png"));
    }

    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("outputName");
        QTest::newRow("missing output directory") << "nowhere/out.png";
        QTest::newRow("output is a directory") << "taken.png";
    }

    void failedWriteLeavesNothing()
    {
        QFETCH(QString, outputName);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeDocument(dir + "/doc.dld", dir, bandedPicture(QSize(160, 120)), "p.png", {}));
        QDir(dir).mkdir("taken.png");
        const QStringList before = entriesOf(dir);

        const ProgramRun run = runProgram("dimlet-render",
            {dir + "/doc.dld", dir + '/' + outputName}, freshDir(work, "write tmp"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.standardError.contains("Could not write the image."));
        QCOMPARE(entriesOf(dir), before);
        QVERIFY(QFileInfo(dir + "/taken.png").isDir());
    }

    void failedRenderKeepsExistingOutput()
    {
        const QString dir = freshDir(work, "existing output");
        QVERIFY(writeFile(dir + "/doc.dld", QByteArray()));
        QVERIFY(writeFile(dir + "/out.png", "earlier export"));
        const ProgramRun run = runProgram(
            "dimlet-render", {dir + "/doc.dld", dir + "/out.png"}, freshDir(work, "e tmp"));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(fileBytes(dir + "/out.png"), QByteArray("earlier export"));
    }

    void badArgumentsShowUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no arguments") << QStringList() << "missing INPUT";
        QTest::newRow("input only") << QStringList {"doc.dld"} << "missing OUTPUT";
        QTest::newRow("empty output") << QStringList {"doc.dld", ""} << "missing OUTPUT";
        QTest::newRow("three arguments")
            << QStringList {"doc.dld", "out.png", "out.bmp"} << "too many arguments";
        QTest::newRow("gif output") << QStringList {"doc.dld", "out.gif"} << "OUTPUT must end in";
        QTest::newRow("output without suffix")
            << QStringList {"doc.dld", "out"} << "OUTPUT must end in";
        QTest::newRow("suffix only in the directory")
            << QStringList {"doc.dld", "shots.png/out"} << "OUTPUT must end in";
        QTest::newRow("input on another machine")
            << QStringList {"file://elsewhere/doc.dld", "out.png"} << "INPUT is not a local file";
        QTest::newRow("qt option is no option")
            << QStringList {"-platform", "xcb"} << "OUTPUT must end in";
    }

    void badArgumentsShowUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const ProgramRun run = runProgram("dimlet-render", arguments, dir);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        const QStringList lines = run.standardError.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith("dimlet-render: " + problem), qPrintable(lines.at(0)));
        QVERIFY(lines.at(1).startsWith("Usage: dimlet-render INPUT.dld OUTPUT"));
        QVERIFY(entriesOf(dir).isEmpty());
    }

    void helpGoesToStandardOutput()
    {
        const ProgramRun run = runProgram("dimlet-render", {"--help"}, freshDir(work, "help"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.standardOutput.startsWith("Usage: dimlet-render "));
        QVERIFY(run.standardError.isEmpty());
    }
};

DIMLET_TEST_MAIN(TestRender)
#include "tst_render.moc"
