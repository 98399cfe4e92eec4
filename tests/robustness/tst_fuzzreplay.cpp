#include "testsupport.h"

#include "canvas/dlpictureloader.h"
#include "editor/documentfixtures.h"
#include "fuzz/checks/documentcheck.h"
#include "fuzz/checks/picturecheck.h"
#include "fuzz/checks/preferencescheck.h"
#include "fuzz/checks/updateoffercheck.h"

#include <QTemporaryDir>

// Hostile input: every committed seed and every input a fuzz run ever broke a promise with
// goes through the same checks the fuzz targets make, so a fixed finding stays fixed.
class TestFuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *target : {"document", "updateoffer", "preferences", "picture"})
            for (const char *kind : {"corpus", "regressions"}) {
                const QDir dir(QStringLiteral(DIMLET_FUZZ_DIR "/%1/%2").arg(kind, target));
                const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
                QVERIFY2(names.size() >= 3 || kind == QString("regressions"), qPrintable(target));
                for (const QString &name : names)
                    QTest::addRow("%s/%s/%s", kind, target, qPrintable(name)) << dir.filePath(name);
            }
    }

    void replay()
    {
        QFETCH(QString, path);
        const QString target = path.section('/', -2, -2);
        const QByteArray input = fileBytes(path);
        QTemporaryDir root;
        const QString failure = target == "document" ? checkDocumentInput(input, root.path())
            : target == "updateoffer"                ? checkUpdateReply(input)
            : target == "preferences"                ? checkPreferencesInput(input, root.path())
                                                     : checkPictureInput(input, root.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // The document seeds are what this program's own writer made: each opens whole.
        if (target == "document" && path.contains("/corpus/"))
            QVERIFY(QImage(readDocumentFile(path, root.path()).picturePath).width() > 0);
    }

    // A picture is refused before decoding by its pixel count, not its sides: libjpeg fills a
    // cut file in, so a JPEG claiming one row over the bound would open at full size.
    void pictureBound()
    {
        QTemporaryDir dir;
        const QString jpeg = dir.filePath("forged.jpg"), thin = dir.filePath("thin.png");
        QImage picture(20000, 2, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(thin) && picture.save(jpeg));
        QByteArray bytes = fileBytes(jpeg);
        bytes.replace(bytes.indexOf("\xFF\xC0") + 5, 4, QByteArray("\x40\x00\x40\x01", 4));
        QVERIFY(writeFile(jpeg, bytes)); // 16385 rows of 16384
        QCOMPARE(DLPictureLoader::load(jpeg).size(), QSize(0, 0));
        QCOMPARE(DLPictureLoader::load(thin).size(), QSize(20000, 2));
    }
};

DIMLET_TEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
