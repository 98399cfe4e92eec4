#include "testsupport.h"

#include "clifixtures.h"
#include "documentrenderer.h"
#include "editor/documentfixtures.h"

// Points QDir::tempPath() at a directory of the test's own while alive.
class TemporaryDirOverride
{
public:
    explicit TemporaryDirOverride(const QString &dir)
        : m_saved(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(dir));
    }
    ~TemporaryDirOverride() { qputenv("TMPDIR", m_saved); }
    TemporaryDirOverride(const TemporaryDirOverride &) = delete;
    TemporaryDirOverride &operator=(const TemporaryDirOverride &) = delete;

private:
    QByteArray m_saved;
};

class TestDocumentRenderer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir work;

private slots:
    void initTestCase() { QVERIFY(work.isValid()); }

    void rendersWhatTheEditorExports_data()
    {
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<bool>("withMarks");
        QTest::newRow("png with every mark") << "a.png" << true;
        QTest::newRow("jpeg with every mark") << "a.jpeg" << true;
        QTest::newRow("bmp without marks") << "a.bmp" << false;
        QTest::newRow("retina png with every mark") << "a@2x.png" << true;
    }

    void rendersWhatTheEditorExports()
    {
        QFETCH(QString, pictureName);
        QFETCH(bool, withMarks);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const QString temp = freshDir(work, QString::fromLatin1(QTest::currentDataTag()) + "-tmp");
        QVERIFY(writeDocument(dir + "/doc.dld", dir, bandedPicture(QSize(320, 240)), pictureName,
            withMarks ? marksOfEveryKind() : QVector<MarkRecord>()));

        DocumentRenderer renderer;
        {
            const TemporaryDirOverride override(temp);
            QVERIFY(renderer.render(dir + "/doc.dld"));
        }
        QVERIFY(renderer.errorMessage().isEmpty());
        QVERIFY(renderer.warnings().isEmpty());
        QCOMPARE(renderer.image(), editorExport(dir + "/doc.dld"));
        QVERIFY(entriesOf(temp).isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");

        QTest::newRow("zero bytes") << QByteArray() << "Could not read document file.";
        QTest::newRow("picture block only")
            << block(pictureBytes("png")) << "Could not read document file.";
        QTest::newRow("picture that is not a picture")
            << block("GIF89a but not really") + block(binaryJson(documentObject("x.gif")))
            << "The document's picture could not be read.";
        QJsonObject newer = documentObject("p.png");
        newer.insert("min", 20305);
        QTest::newRow("newer version")
            << block(pictureBytes("png")) + block(binaryJson(newer))
            << "This document request min version '2.30.5'. which you are using '1.0.0'.  File "
               "can not open. Please update application.";
        QTest::newRow("no picture name")
            << block(pictureBytes("png")) + block(binaryJson(documentObject("")))
            << "Could not parse image data. Open Failed. :(";
    }

    void failures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString dir = freshDir(work, QString::fromLatin1(QTest::currentDataTag()));
        const QString temp = freshDir(work, QString::fromLatin1(QTest::currentDataTag()) + "-tmp");
        QVERIFY(writeFile(dir + "/doc.dld", content));

        DocumentRenderer renderer;
        const TemporaryDirOverride override(temp);
        QVERIFY(!renderer.render(dir + "/doc.dld"));
        QCOMPARE(renderer.errorMessage(), message);
        QVERIFY(renderer.image().isNull());
        QVERIFY(entriesOf(temp).isEmpty());
    }

    void notAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.dld";
        QTest::newRow("directory") << "folder.dld";
        QTest::newRow("device") << "/dev/zero";
    }

    void notAFile()
    {
        QFETCH(QString, name);
        const QString dir = freshDir(work, "not a file");
        QDir(dir).mkdir("folder.dld");
        DocumentRenderer renderer;
        QVERIFY(!renderer.render(name.startsWith('/') ? name : dir + '/' + name));
        QCOMPARE(renderer.errorMessage(), QString("Could not open document file."));
    }

    void messageBoxesBecomeWarnings()
    {
        const QString dir = freshDir(work, "warnings");
        QVERIFY(
            writeDocument(dir + "/odd.dld", dir, bandedPicture(QSize(201, 100)), "o@2x.png", {}));
        PromptRecorder recorder;
        DocumentRenderer renderer;
        QVERIFY(renderer.render(dir + "/odd.dld"));
        QCOMPARE(renderer.warnings().size(), 1);
        QVERIFY(renderer.warnings().first().contains("[201x100]"));
        QCOMPARE(renderer.image().size(), QSize(201, 100));
        QVERIFY(recorder.prompts().isEmpty());

        showMessage("after rendering");
        QCOMPARE(recorder.texts(), QStringList {"after rendering"});
    }

    void renderingAgainForgetsTheLastDocument()
    {
        const QString dir = freshDir(work, "again");
        QVERIFY(
            writeDocument(dir + "/odd.dld", dir, bandedPicture(QSize(201, 100)), "o@2x.png", {}));
        QVERIFY(writeFile(dir + "/empty.dld", QByteArray()));
        DocumentRenderer renderer;
        QVERIFY(renderer.render(dir + "/odd.dld"));
        QVERIFY(!renderer.render(dir + "/empty.dld"));
        QVERIFY(renderer.image().isNull());
        QVERIFY(renderer.warnings().isEmpty());
        QVERIFY(renderer.render(dir + "/odd.dld"));
        QVERIFY(renderer.errorMessage().isEmpty());
    }
};

DIMLET_TEST_MAIN(TestDocumentRenderer)
#include "tst_documentrenderer.moc"
