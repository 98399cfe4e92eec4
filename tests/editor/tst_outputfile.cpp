#include "testsupport.h"

#include "documentfixtures.h"
#include "editor/imageexport.h"
#include "marks/marktest.h"

#include <QScopeGuard>
#include <QTemporaryDir>

#include <csignal>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// "" when written, else the document's message, or "failed" for an export.
QString save(const QString &path, const QString &picture)
{
    if (!path.endsWith(".dld"))
        return exportImage(
                   QImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied), path)
            ? QString()
            : "failed";
    return documentErrorMessage(writeDocument(path, picture, {{1, 1, {2, 3}, {9, 8}, {}, -1}}, 2));
}
} // namespace

// Documents and exports over an existing file: atomic where the folder allows it, in place
// where it does not, in place over a file with a second name so that name sees the new
// content; a failed write leaves the old file and nothing else.
class TestOutputFile : public QObject
{
    Q_OBJECT
private slots:
    void replacesExistingFile_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("lockedFolder");
        for (const char *suffix : {"dld", "png"}) {
            const char *kind = qstrcmp(suffix, "dld") ? "export" : "document";
            QTest::addRow("%s into a read-only folder", kind) << QString(suffix) << true;
            QTest::addRow("%s over a hard-linked file", kind) << QString(suffix) << false;
        }
    }

    void replacesExistingFile()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, lockedFolder);
        QTemporaryDir sandbox;
        // Root ignores folder modes, so it writes with the file rights of "nobody" (this thread).
        const passwd *nobody = getpwnam("nobody");
        if (geteuid() == 0 && nobody
            && chown(QFile::encodeName(sandbox.path()).constData(), nobody->pw_uid, nobody->pw_gid)
                == 0) {
            setfsgid(nobody->pw_gid);
            setfsuid(nobody->pw_uid);
        }
        const auto restore = qScopeGuard([] { setfsuid(0), setfsgid(0); });
        if (int(setfsuid(uid_t(-1))) == 0)
            QSKIP("Needs to write as an account that folder modes apply to.");
        const QString folder = sandbox.filePath("folder"), other = sandbox.filePath("other");
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(other));
        const QString target = folder + "/target." + suffix, second = other + "/second." + suffix;
        // Larger than the new content, so a missing truncation shows.
        QVERIFY(writeFile(target, QByteArray(200000, 'x')));
        QVERIFY(::link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData())
            == 0);
        if (lockedFolder) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(!QFile(folder + "/probe").open(QIODevice::WriteOnly));
        }
        const QString picture = other + "/picture.png";
        QVERIFY(writeFile(picture, pictureBytes("png", {30, 20})));
        const QString written = save(target, picture);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(written + save(other + "/reference." + suffix, picture), QString());
        QCOMPARE(fileBytes(target), fileBytes(other + "/reference." + suffix));
        QCOMPARE(fileBytes(second), fileBytes(target));
    }

    // A size limit makes a write fail half way even for root, whom permissions do not stop.
    // Target|picture|file size limit, 0 for none|message.
    void failedWriteKeepsTheOldFile_data()
    {
        rows({"document into a missing folder|gone/new.dld|p.bmp|0|Could not open output file.",
            "document, disk full half way|old.dld|p.bmp|4096|Could not open output file.",
            "document of a missing picture|old.dld|none.png|0|Could not save image file.",
            "export, disk full half way|old.bmp|p.bmp|4096|failed",
            "export of no picture|old.bmp|none.png|0|failed",
            "export to a suffix of no image format|old.txt|p.bmp|0|failed"});
    }

    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QStringList, f);
        const QString target = f[0], picture = f[1], message = f[3];
        const int sizeLimit = f[2].toInt();
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("p.bmp"), pictureBytes("bmp", {200, 200})));
        const QString old = dir.filePath(target.startsWith("gone") ? "old.dld" : target);
        QVERIFY(writeFile(old, "old"));
        const QStringList before = filesBelow(dir.path());
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited {sizeLimit ? rlim_t(sizeLimit) : saved.rlim_cur, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        const QString error = save(dir.filePath(target), dir.filePath(picture));
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(error, message);
        QCOMPARE(fileBytes(old), QByteArray("old"));
        QCOMPARE(filesBelow(dir.path()), before);
    }
};

DIMLET_TEST_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
