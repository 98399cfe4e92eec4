#include "testsupport.h"

#include "editor/dldocument.h"
#include "fuzz/checks/documentcheck.h"
#include "fuzz/checks/picturecheck.h"
#include "fuzz/checks/preferencescheck.h"
#include "fuzz/checks/updateoffercheck.h"

#include <QDir>
#include <QTemporaryDir>

// Runs every committed seed and every input a fuzz run ever broke a promise with through
// the same checks the fuzz targets make, so a fixed finding stays fixed in every build.
class TestFuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        for (const char *target : {"document", "updateoffer", "preferences", "picture"}) {
            for (const char *kind : {"corpus", "regressions"}) {
                const QDir dir(QStringLiteral(DIMLET_FUZZ_DIR "/%1/%2").arg(kind, target));
                const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
                if (kind == QString("corpus"))
                    QVERIFY2(names.size() >= 3, qPrintable(dir.path()));
                for (const QString &name : names)
                    QTest::newRow(qPrintable(dir.filePath(name).section('/', -3)))
                        << QString(target) << dir.filePath(name);
            }
        }
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QTemporaryDir root;
        const QString failure = target == "document" ? checkDocumentInput(input, root.path())
            : target == "updateoffer"                ? checkUpdateReply(input)
            : target == "preferences"                ? checkPreferencesInput(input, root.path())
                                                     : checkPictureInput(input, root.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        // The document seeds are what this program's own writer made: each opens whole.
        if (target == "document" && path.contains("/corpus/")) {
            const DocumentReadResult result = readDocumentFile(path, root.path());
            QCOMPARE(int(result.error), int(DocumentError::None));
            QVERIFY(QImage(result.picturePath).width() > 0);
        }
    }
};

DIMLET_TEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
