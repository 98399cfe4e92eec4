#include "testsupport.h"

#include "documentfixtures.h"

#include "editor/dldocument.h"
#include "editor/imageexport.h"
#include "marks/dlmarktypes.h"

#include <QTemporaryDir>

#include <pwd.h>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {
// Root ignores a folder's mode, so as root the files are made and written with the file
// system rights of an ordinary account (the calling thread's only), on files it owns.
class OrdinaryAccountRights
{
public:
    explicit OrdinaryAccountRights(const QString &sandbox)
    {
        if (geteuid() != 0)
            return;
        const passwd *account = getpwnam("nobody");
        if (!account
            || chown(QFile::encodeName(sandbox).constData(), account->pw_uid, account->pw_gid) != 0)
            return;
        setfsgid(account->pw_gid);
        setfsuid(account->pw_uid);
        m_dropped = int(setfsuid(uid_t(-1))) == int(account->pw_uid);
    }
    ~OrdinaryAccountRights()
    {
        if (geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    bool active() const { return geteuid() != 0 || m_dropped; }

private:
    bool m_dropped = false;
};
} // namespace

// Saving over an existing file: kept atomic where the folder allows it, in place where it
// does not, and in place over a file with a second name so that name sees the new content.
class TestOutputFile : public QObject
{
    Q_OBJECT
private slots:
    void replacesExistingFile_data()
    {
        QTest::addColumn<bool>("document");
        QTest::addColumn<bool>("lockedFolder");
        QTest::newRow("document into a read-only folder") << true << true;
        QTest::newRow("document over a hard-linked file") << true << false;
        QTest::newRow("export into a read-only folder") << false << true;
        QTest::newRow("export over a hard-linked file") << false << false;
    }

    void replacesExistingFile()
    {
        QFETCH(bool, document);
        QFETCH(bool, lockedFolder);
        QTemporaryDir sandbox;
        const OrdinaryAccountRights rights(sandbox.path());
        if (!rights.active())
            QSKIP("Needs to write as an account that folder modes apply to; setfsuid was refused.");
        const QString folder = sandbox.filePath("folder");
        const QString elsewhere = sandbox.filePath("elsewhere");
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(elsewhere));
        const QString suffix = document ? ".dld" : ".png";
        const QString target = folder + "/target" + suffix;
        const QString secondName = elsewhere + "/second name" + suffix;
        // Larger than the new content, so a missing truncation shows.
        QVERIFY(writeFile(target, QByteArray(200000, 'x')));
        QVERIFY(
            ::link(QFile::encodeName(target).constData(), QFile::encodeName(secondName).constData())
            == 0);
        if (lockedFolder) {
            QVERIFY(QFile::setPermissions(folder,
                QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                    | QFile::ReadOther | QFile::ExeOther));
            QVERIFY2(!QFile(folder + "/probe").open(QIODevice::WriteOnly),
                "the folder still takes new files");
        }

        const QString picture = elsewhere + "/picture.png";
        QVERIFY(writeFile(picture, pictureBytes("png", QSize(30, 20))));
        const QString reference = elsewhere + "/reference" + suffix;
        bool written = false;
        bool referenceWritten = false;
        if (document) {
            MarkRecordList records {
                new MarkRecord {MarkRect, 1, QPointF(2, 3), QPointF(9, 8), {}, -1}};
            written = writeDocumentFile(target, picture, records, 2) == DocumentError::None;
            referenceWritten
                = writeDocumentFile(reference, picture, records, 2) == DocumentError::None;
            clearMarkRecords(records);
        } else {
            const QImage image(
                QImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied));
            written = exportImage(image, target);
            referenceWritten = exportImage(image, reference);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(written);
        QVERIFY(referenceWritten);
        const QByteArray expected = fileBytes(reference);
        QCOMPARE(fileBytes(target), expected);
        QCOMPARE(fileBytes(secondName), expected);
    }
};

DIMLET_TEST_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
