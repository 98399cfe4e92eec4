#include "testsupport.h"

#include "clifixtures.h"

class TestRender : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work;
    QString dir;
    QString tmp;

private slots:
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        dir = work->filePath("files");
        tmp = work->filePath("a/b/tmp");
        QVERIFY(QDir().mkpath(dir) && QDir().mkpath(tmp));
    }

    // The file is the one the editor's Save As writes, byte for byte.
    void matchesEditorExport_data()
    {
        QTest::addColumn<bool>("withMarks");
        QTest::addColumn<QString>("output");
        QTest::newRow("every mark kind to png") << true << "out.png";
        QTest::newRow("no marks, upper-case suffix") << false << "OUT.JPEG";
    }

    void matchesEditorExport()
    {
        QFETCH(bool, withMarks);
        QFETCH(QString, output);
        QImage picture(180, 130, QImage::Format_ARGB32);
        picture.fill(QColor(30, 90, 160, 200));
        QVERIFY(writeDocument(dir + "/doc.dld", picture, withMarks));

        const ProgramRun run
            = runProgram("dimlet-render", {dir + "/doc.dld", dir + '/' + output}, tmp);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(filesBelow(tmp).isEmpty());
        QVERIFY(exportImage(
            editorExport(dir + "/doc.dld"), dir + "/editor." + QFileInfo(output).suffix()));
        QCOMPARE(fileBytes(dir + '/' + output),
            fileBytes(dir + "/editor." + QFileInfo(output).suffix()));
        QCOMPARE(QImage(dir + '/' + output).size(), picture.size());
    }

    // exit 2 is a usage error, exit 1 a document that cannot be drawn; nothing is written.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QByteArray good = documentBytes(documentObject("p.png"));
        QTest::newRow("truncated")
            << good.chopped(5) << "out.png" << 1 << "doc.dld: Could not read document file.";
        QTest::newRow("picture that is no picture")
            << documentBytes(documentObject("p.png"), QByteArray(300, 'x')) << "out.png" << 1
            << "doc.dld: The document's picture could not be read.";
        QTest::newRow("name climbing out of the temporary folder")
            << documentBytes(documentObject("../../escaped.png")) << "out.png" << 0 << QString();
        QTest::newRow("missing output folder")
            << good << "gone/out.png" << 1 << "gone/out.png: Could not write the image.";
        QTest::newRow("gif output") << good << "out.gif" << 2 << "OUTPUT must end in";
    }

    void refused()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QVERIFY(writeFile(dir + "/doc.dld", document));
        const ProgramRun run
            = runProgram("dimlet-render", {dir + "/doc.dld", dir + '/' + output}, tmp);
        QCOMPARE(run.exitCode, exitCode);
        if (message.isEmpty())
            QCOMPARE(run.standardError, QString());
        else
            QVERIFY2(run.standardError.startsWith("dimlet-render: " + dir) || exitCode == 2,
                qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(message), qPrintable(run.standardError));
        QCOMPARE(filesBelow(work->path()),
            (exitCode ? QStringList {"files/doc.dld"}
                      : QStringList {"files/doc.dld", "files/" + output}));
    }
};

DIMLET_TEST_MAIN(TestRender)
#include "tst_render.moc"
