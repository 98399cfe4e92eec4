#include "testsupport.h"

#include "editor/documentfixtures.h"
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

private slots:
    // Left half green, right half blue, one red length mark; a temporary folder of its own, to
    // see what is left there.
    void init()
    {
        QVERIFY(QDir(work.path()).removeRecursively() && QDir().mkpath(tmp));
        qputenv("TMPDIR", tmp.toLocal8Bit());
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 150, 100, Qt::green);
        const QString png = work.filePath("p.png"), cut = work.filePath("cut.dld");
        QVERIFY(picture.save(png)
            && writeDocument(doc, png, {{0, 1, {10, 80}, {110, 80}, {}, -1}})
                == DocumentError::None);
        QVERIFY(writeDocument(work.filePath("bad.dld"), DIMLET_SOURCE_DIR "/README.md")
            == DocumentError::None);
        QVERIFY(QFile::copy(doc, cut) && QFile::resize(cut, QFileInfo(cut).size() - 5));
    }

    // Exit 2 is a usage error, exit 1 a document or file that fails; nothing is written.
    // Rows: files in the work folder (%1) > exit code and message.
    void renderRefuses_data()
    {
        QTest::addColumn<QString>("run");
        QTest::newRow("truncated")
            << "cut.dld out.png > 1 %1cut.dld: Could not read document file.";
        QTest::newRow("picture that is no picture")
            << "bad.dld out.png > 1 %1bad.dld: The document's picture could not be read.";
        QTest::newRow("missing output folder")
            << "doc.dld gone/out.png > 1 %1gone/out.png: Could not write the image.";
        QTest::newRow("gif output") << "doc.dld out.gif > 2 OUTPUT must end in .png, .jpg, .jpeg "
                                       "or .bmp: %1out.gif\nUsage: dimlet-render INPUT.dld "
                                       "OUTPUT.png|.jpg|.jpeg|.bmp";
    }

    void renderRefuses()
    {
        QFETCH(QString, run);
        const QString dir = work.path() + "/";
        QStringList paths = run.section(" > ", 0, 0).split(' ');
        paths.replaceInStrings(QRegularExpression("^"), dir);
        const QString expected = run.section(" > ", 1);
        QCOMPARE(this->run("dimlet-render", paths),
            expected.left(2) + "dimlet-render: " + expected.mid(2).arg(dir));
        QVERIFY(!QFile::exists(paths.last()));
    }

    // Rows: picture size, maximum > thumbnail size.
    void thumbnailSize_data()
    {
        QTest::addColumn<QString>("sizes");
        QTest::newRow("rounds a half up") << "200 3, 100 > 100 2";
        QTest::newRow("never loses the last row") << "4000 1, 100 > 100 1";
        QTest::newRow("never enlarged") << "300 100, 4096 > 300 100";
        QTest::newRow("portrait, no overflow") << "1000000 2000000, 4096 > 2048 4096";
        QTest::newRow("empty picture") << "0 10, 128 > -1 -1";
    }

    void thumbnailSize()
    {
        QFETCH(QString, sizes);
        const QStringList n = sizes.split(QRegularExpression("[ ,>]+"));
        const QSize got = ::thumbnailSize(QSize(n[0].toInt(), n[1].toInt()), n[2].toInt());
        QCOMPARE(QString("%1 %2").arg(got.width()).arg(got.height()), n[3] + " " + n[4]);
    }

    // The render at full size with the mark drawn in; the thumbnail scaled (a third of a row
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
