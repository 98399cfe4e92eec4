#include "testsupport.h"

#include "commandline.h"
#include "editor/documentfixtures.h"
#include "marks/marktest.h"
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
    // Left half green, right half blue, a red length mark; a TMPDIR of its own to see leftovers.
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
    // Rows: files in the work folder (%1)|exit code|message.
    void renderRefuses_data()
    {
        rows({"truncated|cut.dld out.png|1|%1cut.dld: Could not read document file.",
            "no picture|bad.dld out.png|1|%1bad.dld: The document's picture could not be read.",
            "no output folder|doc.dld gone/out.png|1|%1gone/out.png: Could not write the image.",
            "gif output|doc.dld out.gif|2|OUTPUT must end in .png, .jpg, .jpeg or .bmp: "
            "%1out.gif\nUsage: dimlet-render INPUT.dld OUTPUT.png|.jpg|.jpeg|.bmp"});
    }

    void renderRefuses()
    {
        QFETCH(QStringList, f);
        const QString dir = work.path() + "/";
        QStringList paths = f[0].split(' ');
        paths.replaceInStrings(QRegularExpression("^"), dir);
        QCOMPARE(
            run("dimlet-render", paths), f[1] + " dimlet-render: " + f.mid(2).join('|').arg(dir));
        QVERIFY(!QFile::exists(paths.last()));
    }

    // Argument|the local path it names, none for another machine's file.
    void localPath_data()
    {
        rows({"plain path|/a/b.dld|/a/b.dld", "file address|FILE:///a/b%20c.dld|/a/b c.dld",
            "this machine by name|file://localhost/a.dld|/a.dld",
            "another machine|file://far/a.dld|"});
    }

    void localPath()
    {
        QFETCH(QStringList, f);
        QCOMPARE(localPathFromArgument(f[0]), f[1]);
    }

    // Rows: picture width|height|maximum|thumbnail size.
    void thumbnailSize_data()
    {
        rows({"rounds a half up|200|3|100|100 2", "never loses the last row|4000|1|100|100 1",
            "never enlarged|300|100|4096|300 100",
            "portrait, no overflow|1000000|2000000|4096|2048 4096",
            "empty picture|0|10|128|-1 -1"});
    }

    void thumbnailSize()
    {
        QFETCH(QStringList, f);
        const QSize got = ::thumbnailSize(QSize(f[0].toInt(), f[1].toInt()), f[2].toInt());
        QCOMPARE(QString("%1 %2").arg(got.width()).arg(got.height()), f[3]);
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
