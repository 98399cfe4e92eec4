#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "editor/dldocument.h"
#include "marks/dlmarktypes.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

// Documents that are well formed but extreme, or whose picture is not one.
class TestHostileDocuments : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> sandbox;
    QString tempDir;

    QString writePictureFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = sandbox->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QString pngPicture()
    {
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(QColor(1, 2, 3));
        const QString path = sandbox->filePath(QStringLiteral("shot.png"));
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, QString text = {})
    {
        auto r = new MarkRecord;
        r->type = type;
        r->idx = idx;
        r->point1 = p1;
        r->point2 = p2;
        r->text = std::move(text);
        r->maxw = type == MarkComments ? 150.0 : -1.0;
        return r;
    }

    static int markCount(const DLGraphicsScene &scene)
    {
        int count = 0;
        for (const QGraphicsItem *item : scene.items())
            count += isMarkItemType(item->type()) ? 1 : 0;
        return count;
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<QTemporaryDir>();
        QVERIFY(sandbox->isValid());
        tempDir = sandbox->filePath(QStringLiteral("temp"));
        QVERIFY(QDir().mkpath(tempDir));
    }

    void hundredThousandMarks()
    {
        const int count = 100000;
        MarkRecordList written;
        written.reserve(count);
        for (int i = 0; i < count; ++i) {
            const double x = i % 997;
            const double y = i / 997;
            written << record(i % 4, count - 1 - i, {x, y}, {x + i % 13, y - i % 7},
                i % 4 == MarkComments ? QString::number(i) : QString());
        }
        const QString document = sandbox->filePath(QStringLiteral("many.dld"));
        QCOMPARE(int(writeDocumentFile(document, pngPicture(), written, count)),
            int(DocumentError::None));

        const DocumentReadResult result = readDocumentFile(document, tempDir);
        QCOMPARE(int(result.error), int(DocumentError::None));
        QCOMPARE(result.zValue, double(count));
        QCOMPARE(result.records.size(), count);
        for (int i = 0; i < count; ++i) {
            const MarkRecord &in = *written.at(i);
            const MarkRecord &out = *result.records.at(i);
            if (out.type != in.type || out.idx != in.idx || out.point1 != in.point1
                || out.point2 != in.point2 || out.text != in.text || out.maxw != in.maxw)
                QFAIL(qPrintable(QStringLiteral("record %1 differs").arg(i)));
        }
        clearMarkRecords(written);
    }

    void megabyteComment_data()
    {
        QTest::addColumn<QString>("text");
        const int size = 1 << 20;
        QTest::newRow("1 MiB of ASCII") << QString(size, QLatin1Char('a'));
        QString mixed;
        mixed.reserve(size);
        const QString piece = QStringLiteral("line \u00e9\u4e2d\U0001F600 \"q\" @\\\n\t");
        while (mixed.size() + piece.size() <= size)
            mixed += piece;
        QTest::newRow("1 MiB of mixed text with surrogate pairs and escapes") << mixed;
    }

    void megabyteComment()
    {
        QFETCH(QString, text);
        MarkRecordList written;
        written << record(MarkComments, 0, {4, 5}, {40, 2}, text);
        const QString document = sandbox->filePath(QStringLiteral("long.dld"));
        QCOMPARE(
            int(writeDocumentFile(document, pngPicture(), written, 1.0)), int(DocumentError::None));
        clearMarkRecords(written);

        const DocumentReadResult result = readDocumentFile(document, tempDir);
        QCOMPARE(int(result.error), int(DocumentError::None));
        QCOMPARE(result.records.size(), 1);
        QCOMPARE(result.records.first()->text.size(), text.size());
        QVERIFY(result.records.first()->text == text);
    }

    // The reader hands over whatever the picture block holds; it is the scene that finds it
    // unreadable, and the marks still come back on an empty canvas.
    void pictureBlockThatIsNoPicture()
    {
        const QByteArray notPicture("plain text, not a picture\n");
        const QString picture = writePictureFile(QStringLiteral("notes.png"), notPicture);
        MarkRecordList written;
        written << record(MarkLength, 0, {1, 1}, {9, 1}) << record(MarkRect, 1, {0, 0}, {5, 4})
                << record(MarkColorPick, 2, {2, 2}, {2, 2})
                << record(MarkComments, 3, {3, 3}, {20, 1}, QStringLiteral("why"));
        const QString document = sandbox->filePath(QStringLiteral("odd.dld"));
        QCOMPARE(int(writeDocumentFile(document, picture, written, 4.0)), int(DocumentError::None));
        clearMarkRecords(written);

        DocumentReadResult result = readDocumentFile(document, tempDir);
        QCOMPARE(int(result.error), int(DocumentError::None));
        QCOMPARE(result.picturePath, QDir(tempDir).filePath(QStringLiteral("notes.png")));
        QFile extracted(result.picturePath);
        QVERIFY(extracted.open(QIODevice::ReadOnly));
        QCOMPARE(extracted.readAll(), notPicture);

        PromptRecorder prompts;
        DLGraphicsView view;
        DLGraphicsScene scene;
        view.setScene(&scene);
        view.setGeometry(0, 0, 640, 480);
        MarkRecordList records = result.takeRecords();
        QVERIFY(scene.loadDocument(records, result.picturePath, result.zValue));
        clearMarkRecords(records);
        QVERIFY(scene.image.isNull());
        QCOMPARE(scene.pixelAt(QPointF(2, 2)), 0xFFFFFFFFu);
        QCOMPARE(markCount(scene), 4);
        QCOMPARE(scene.nextZValue, 4.0);
        QVERIFY(prompts.prompts().isEmpty());
    }
};

DIMLET_TEST_MAIN(TestHostileDocuments)
#include "tst_hostiledocuments.moc"
