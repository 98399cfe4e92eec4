#include "testsupport.h"

#include "editor/dldocument.h"
#include "fuzz/checks/documentcheck.h"
#include "fuzz/checks/picturecheck.h"
#include "fuzz/checks/preferencescheck.h"
#include "fuzz/checks/updateoffercheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Runs every committed seed and every input a fuzz run ever broke a promise with through
// the same checks the fuzz targets make, so a fixed finding stays fixed in every build.
class TestFuzzReplay : public QObject
{
    Q_OBJECT

private:
    static QStringList inputsOf(const QString &target)
    {
        QStringList paths;
        for (const char *kind : {"corpus", "regressions"}) {
            const QDir dir(QStringLiteral(DIMLET_FUZZ_DIR "/%1/%2").arg(kind, target));
            for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                paths << dir.filePath(name);
        }
        return paths;
    }

    static void addInputRows(const QString &target)
    {
        QTest::addColumn<QString>("path");
        const QStringList paths = inputsOf(target);
        for (const QString &path : paths) {
            const QString row = QDir(QStringLiteral(DIMLET_FUZZ_DIR)).relativeFilePath(path);
            QTest::newRow(qPrintable(row)) << path;
        }
    }

    static QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        return file.readAll();
    }

private slots:
    void everyTargetHasSeeds_data()
    {
        QTest::addColumn<QString>("target");
        for (const char *target : {"document", "updateoffer", "preferences", "picture"})
            QTest::newRow(target) << QString::fromLatin1(target);
    }

    void everyTargetHasSeeds()
    {
        QFETCH(QString, target);
        const QDir corpus(QStringLiteral(DIMLET_FUZZ_DIR "/corpus/") + target);
        QVERIFY2(corpus.entryList(QDir::Files).size() >= 3, qPrintable(corpus.path()));
    }

    void document_data() { addInputRows(QStringLiteral("document")); }

    void document()
    {
        QFETCH(QString, path);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString failure = checkDocumentInput(contentOf(path), root.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // The seeds are what this program's own writer made, so each one must open whole.
    void seedDocumentsOpen_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(DIMLET_FUZZ_DIR "/corpus/document"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void seedDocumentsOpen()
    {
        QFETCH(QString, path);
        QTemporaryDir temp;
        const DocumentReadResult result = readDocumentFile(path, temp.path());
        QCOMPARE(int(result.error), int(DocumentError::None));
        QVERIFY(QImage(result.picturePath).width() > 0);
        for (const MarkRecord *record : result.records)
            QVERIFY(record->type >= 0 && record->type <= 3);
    }

    void updateReply_data() { addInputRows(QStringLiteral("updateoffer")); }

    void updateReply()
    {
        QFETCH(QString, path);
        const QString failure = checkUpdateReply(contentOf(path));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void preferences_data() { addInputRows(QStringLiteral("preferences")); }

    void preferences()
    {
        QFETCH(QString, path);
        QTemporaryDir root;
        const QString failure = checkPreferencesInput(contentOf(path), root.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void picture_data() { addInputRows(QStringLiteral("picture")); }

    void picture()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString failure = checkPictureInput(contentOf(path), dir.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

DIMLET_TEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
