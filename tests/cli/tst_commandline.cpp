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
    QString doc = work.filePath("doc.dld"), tmp = work.filePath("tmp");

    QString run(const QString &program, const QStringList &arguments) // exit code, standard error
    {
        QProcess process;
        process.start(DIMLET_BUILD_DIR "/" + program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return "crashed";
        return QString::number(process.exitCode()) + " " + process.readAllStandardError().trimmed();
    }

    // A document of the program's own writer around any file, with one mark of every kind.
    bool writeDocument(const QString &path, const QString &picturePath)
    {
        MarkRecordList records {new MarkRecord {0, 1, {10, 80}, {110, 80}, "", -1},
            new MarkRecord {1, 2, {170, 50}, {230, 90}, "", -1},
            new MarkRecord {2, 3, {120, 60}, {120, 60}, "", -1},
            new MarkRecord {3, 4, {160, 90}, {200, 70}, "Gap 8 px", 80}};
        const bool written
            = writeDocumentFile(path, picturePath, records, 5) == DocumentError::None;
        clearMarkRecords(records);
        return written;
    }

private slots:
    // Left half green, right half blue; a temporary folder of its own, to see what is left there.
    void init()
    {
        QVERIFY(QDir(work.path()).removeRecursively() && QDir().mkpath(tmp));
        qputenv("TMPDIR", tmp.toLocal8Bit());
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 150, 100, Qt::green);
        const QString cut = work.filePath("cut.dld");
        QVERIFY(picture.save(work.filePath("p.png")) && writeDocument(doc, work.filePath("p.png")));
        QVERIFY(writeDocument(work.filePath("bad.dld"), DIMLET_SOURCE_DIR "/README.md"));
        QVERIFY(QFile::copy(doc, cut) && QFile::resize(cut, QFileInfo(cut).size() - 5));
    }

    // Exit 2 is a usage error, exit 1 a document or file that fails; nothing is written.
    void renderRefuses_data()
    {
        QTest::addColumn<QString>("arguments"); // files in the work folder
        QTest::addColumn<QString>("expected"); // %1 is the work folder
        const QString e = "1 dimlet-render: %1/";
        QTest::newRow("truncated")
            << "cut.dld out.png" << e + "cut.dld: Could not read document file.";
        QTest::newRow("picture that is no picture")
            << "bad.dld out.png" << e + "bad.dld: The document's picture could not be read.";
        QTest::newRow("missing output folder")
            << "doc.dld gone/out.png" << e + "gone/out.png: Could not write the image.";
        QTest::newRow("gif output")
            << "doc.dld out.gif"
            << "2 dimlet-render: OUTPUT must end in .png, .jpg, .jpeg or .bmp: %1/out.gif\n"
               "Usage: dimlet-render INPUT.dld OUTPUT.png|.jpg|.jpeg|.bmp";
    }

    void renderRefuses()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        const QStringList paths = QString(work.path() + "/" + arguments)
                                      .replace(" ", " " + work.path() + "/")
                                      .split(' ');
        QCOMPARE(run("dimlet-render", paths), expected.arg(work.path()));
        QVERIFY(!QFile::exists(paths.last()));
    }

    void thumbnailSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("rounds a half up") << QSize(200, 3) << 100 << QSize(100, 2);
        QTest::newRow("never loses the last row") << QSize(4000, 1) << 100 << QSize(100, 1);
        QTest::newRow("never enlarged") << QSize(300, 100) << 4096 << QSize(300, 100);
        QTest::newRow("huge, no overflow") << QSize(16384, 16383) << 4096 << QSize(4096, 4096);
        QTest::newRow("empty picture") << QSize(0, 10) << 128 << QSize();
    }

    void thumbnailSize()
    {
        QFETCH(QSize, picture);
        QFETCH(int, maximum);
        QFETCH(QSize, expected);
        QCOMPARE(::thumbnailSize(picture, maximum), expected);
    }

    // The render at full size with the marks drawn in; the thumbnail scaled (a third of a row
    // rounded down) and a PNG whatever its name; the extracted picture gone again.
    void programsDrawTheDocument()
    {
        const QString out = work.filePath("OUT.PNG"), thumb = work.filePath("thumb.jpg");
        QCOMPARE(run("dimlet-render", {doc, out}), "0 ");
        QCOMPARE(
            run("dimlet-thumbnailer", {QUrl::fromLocalFile(doc).toString(), thumb, "64"}), "0 ");
        const QImage image(out), small(thumb);
        QCOMPARE(
            QVariantList({image.size(), image.pixel(15, 80), image.pixel(290, 10), small.size(),
                small.pixel(16, 0), small.pixel(48, 0), QImageReader(thumb).format()}),
            QVariantList({QSize(300, 100), qRgb(255, 0, 0), qRgb(0, 0, 255), QSize(64, 21),
                qRgb(0, 255, 0), qRgb(0, 0, 255), QByteArray("png")}));
        QCOMPARE(QDir(tmp).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

DIMLET_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
