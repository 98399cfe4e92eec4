#include "testsupport.h"

#include "editor/dldocument.h"
#include "thumbnail.h"

#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

// The exporter and the thumbnailer, run as the programs they are.
class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    QString doc, tmp;

    // With a temporary folder of its own, so that the test sees what the program leaves there.
    int run(const QString &program, const QStringList &arguments, QString *standardError = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", tmp);
        process.setProcessEnvironment(environment);
        process.start(DIMLET_BUILD_DIR "/" + program, arguments);
        const bool ended = process.waitForFinished(120000);
        if (standardError)
            *standardError = QString::fromLocal8Bit(process.readAllStandardError());
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // A document of the program's own writer around any file, with one mark of every kind.
    bool writeDocument(const QString &picturePath)
    {
        MarkRecordList records;
        for (const MarkRecord &mark : {MarkRecord {0, 1, {10, 80}, {110, 80}, "", -1},
                 MarkRecord {1, 2, {170, 50}, {230, 90}, "", -1},
                 MarkRecord {2, 3, {120, 60}, {120, 60}, "", -1},
                 MarkRecord {3, 4, {160, 90}, {200, 70}, "Gap 8 px", 80}})
            records.append(new MarkRecord(mark));
        const bool written = writeDocumentFile(doc, picturePath, records, 5) == DocumentError::None;
        clearMarkRecords(records);
        return written;
    }

private slots:
    // Left half green, right half blue.
    void init()
    {
        doc = work.filePath("doc.dld");
        tmp = work.filePath("tmp");
        QVERIFY(QDir(work.path()).removeRecursively() && QDir().mkpath(tmp));
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 150, 100, Qt::green);
        QVERIFY(picture.save(work.filePath("p.png")) && writeDocument(work.filePath("p.png")));
    }

    // The picture at its own size with the marks drawn in; the extracted picture is gone again.
    void renderDrawsTheMarksIn()
    {
        QCOMPARE(run("dimlet-render", {doc, work.filePath("OUT.PNG")}), 0);
        const QImage out(work.filePath("OUT.PNG"));
        QCOMPARE(out.size(), QSize(300, 100));
        QCOMPARE(out.pixel(15, 80), qRgb(255, 0, 0));
        QCOMPARE(out.pixel(290, 10), qRgb(0, 0, 255));
        QCOMPARE(QDir(tmp).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    // Exit 2 is a usage error, exit 1 a document or file that fails; nothing is written.
    void renderRefuses_data()
    {
        QTest::addColumn<QString>("picture"); // the document is written around it when set
        QTest::addColumn<int>("cutOff"); // bytes cut from the end of the document
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("truncated")
            << "" << 5 << "out.png" << 1 << "doc.dld: Could not read document file.";
        QTest::newRow("picture that is no picture")
            << DIMLET_SOURCE_DIR "/README.md" << 0 << "out.png" << 1
            << "doc.dld: The document's picture could not be read.";
        QTest::newRow("missing output folder")
            << "" << 0 << "gone/out.png" << 1 << "gone/out.png: Could not write the image.";
        QTest::newRow("gif output") << "" << 0 << "out.gif" << 2 << "OUTPUT must end in";
    }

    void renderRefuses()
    {
        QFETCH(QString, picture);
        QFETCH(int, cutOff);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QVERIFY(picture.isEmpty() || writeDocument(picture));
        QVERIFY(QFile::resize(doc, QFileInfo(doc).size() - cutOff));
        QString standardError;
        QCOMPARE(run("dimlet-render", {doc, work.filePath(output)}, &standardError), exitCode);
        QVERIFY2(standardError.contains(message), qPrintable(standardError));
        QVERIFY(exitCode == 2 || standardError.startsWith("dimlet-render: " + work.path()));
        QVERIFY(!QFile::exists(work.filePath(output)));
    }

    void thumbnailSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("rounds a half up") << QSize(200, 3) << 100 << QSize(100, 2);
        QTest::newRow("never loses the last row") << QSize(4000, 1) << 100 << QSize(100, 1);
        QTest::newRow("never enlarged") << QSize(300, 100) << 4096 << QSize(300, 100);
        QTest::newRow("huge picture does not overflow")
            << QSize(16384, 16383) << 4096 << QSize(4096, 4096);
        QTest::newRow("empty picture") << QSize(0, 10) << 128 << QSize();
    }

    void thumbnailSize()
    {
        QFETCH(QSize, picture);
        QFETCH(int, maximum);
        QFETCH(QSize, expected);
        QCOMPARE(::thumbnailSize(picture, maximum), expected);
    }

    // Scaled, a third of a row rounded down, and a PNG whatever the name says.
    void thumbnailerScalesTheDrawnDocument()
    {
        const QString thumb = work.filePath("thumb.jpg");
        QCOMPARE(run("dimlet-thumbnailer", {QUrl::fromLocalFile(doc).toString(), thumb, "64"}), 0);
        QCOMPARE(QImageReader(thumb).format(), QByteArray("png"));
        const QImage thumbnail(thumb);
        QCOMPARE(thumbnail.size(), QSize(64, 21));
        QCOMPARE(thumbnail.pixel(16, 0), qRgb(0, 255, 0));
        QCOMPARE(thumbnail.pixel(48, 0), qRgb(0, 0, 255));
    }
};

DIMLET_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
