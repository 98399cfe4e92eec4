#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"
#include "editor/dldocument.h"
#include "marks/dlmarktypes.h"

#include <QBuffer>
#include <QTemporaryDir>

// Documents that are well formed but extreme, or whose picture block holds no picture.
class TestHostileDocuments : public QObject
{
    Q_OBJECT
    QTemporaryDir sandbox;
    QByteArray realPicture;
    bool sameRecords = false;

    static MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, QString text = {})
    {
        auto r = new MarkRecord;
        *r = MarkRecord {type, idx, p1, p2, std::move(text), type == MarkComments ? 150.0 : -1.0};
        return r;
    }

    // A document opened on a canvas the way the editor does, with every prompt recorded.
    struct Canvas
    {
        PromptRecorder prompts;
        DLGraphicsView view;
        DLGraphicsScene scene;
        Canvas() { view.setScene(&scene); }
        bool open(DocumentReadResult &result)
        {
            MarkRecordList records = result.takeRecords();
            const bool opened = scene.loadDocument(records, result.picturePath, result.zValue);
            clearMarkRecords(records);
            return opened;
        }
        int marks() const { return int(scene.marks().size()); }
    };

    // Writes the records with the picture bytes given and reads the document back.
    DocumentReadResult roundTrip(MarkRecordList written, const QByteArray &picture)
    {
        const QString picturePath = sandbox.filePath(QStringLiteral("shot.png"));
        QFile file(picturePath);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(picture);
        file.close();
        const QString document = sandbox.filePath(QStringLiteral("hostile.dld"));
        const DocumentError error
            = writeDocumentFile(document, picturePath, written, written.size());
        DocumentReadResult result = readDocumentFile(document, sandbox.filePath("temp"));
        sameRecords = error == DocumentError::None && result.records.size() == written.size();
        for (int i = 0; sameRecords && i < written.size(); ++i) {
            const MarkRecord &in = *written.at(i), &out = *result.records.at(i);
            sameRecords = out.type == in.type && out.idx == in.idx && out.point1 == in.point1
                && out.point2 == in.point2 && out.text == in.text && out.maxw == in.maxw;
        }
        clearMarkRecords(written);
        return result;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(sandbox.filePath(QStringLiteral("temp"))));
        QImage picture(3, 2, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QBuffer buffer(&realPicture);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "png"));
    }

    void hundredThousandMarks()
    {
        MarkRecordList written;
        for (int i = 0; i < 100000; ++i) {
            const QPointF p(i % 997, i / 997);
            written << record(i % 4, 99999 - i, p, p + QPointF(i % 13, -(i % 7)),
                i % 4 == MarkComments ? QString::number(i) : QString());
        }
        DocumentReadResult result = roundTrip(written, realPicture);
        QVERIFY(sameRecords);
        QCOMPARE(result.zValue, 100000.0);

        // Opened on a canvas, the marks all come back and the canvas still takes a new picture.
        Canvas canvas;
        QVERIFY(canvas.open(result));
        QCOMPARE(canvas.marks(), 100000);
        canvas.scene.clearCanvas();
        QImage next(5, 4, QImage::Format_ARGB32);
        next.fill(Qt::blue);
        QVERIFY(next.save(sandbox.filePath("next.png")));
        canvas.scene.loadImage(sandbox.filePath("next.png"));
        QCOMPARE(canvas.scene.image().size(), QSize(5, 4));
        QCOMPARE(canvas.marks(), 0);
        QVERIFY(canvas.prompts.prompts().isEmpty());
    }

    void megabyteComment()
    {
        QString text;
        while (text.size() < (1 << 20))
            text += QStringLiteral("line \u00e9\u4e2d\U0001F600 \"q\" @\\\n\t");
        roundTrip({record(MarkComments, 0, {4, 5}, {40, 2}, text)}, realPicture);
        QVERIFY(sameRecords);
    }

    // The reader hands over whatever the picture block holds; the scene finds it unreadable,
    // and the marks still come back on an empty canvas without a message.
    void pictureBlockThatIsNoPicture()
    {
        DocumentReadResult result = roundTrip({record(MarkLength, 0, {1, 1}, {9, 1}),
                                                  record(MarkComments, 3, {3, 3}, {20, 1}, "why")},
            "plain text, not a picture\n");
        QVERIFY(sameRecords);
        Canvas canvas;
        QVERIFY(canvas.open(result));
        QVERIFY(canvas.scene.image().isNull());
        QCOMPARE(canvas.scene.pixelAt(QPointF(2, 2)), 0xFFFFFFFFu);
        QCOMPARE(canvas.marks(), 2);
        QVERIFY(canvas.prompts.prompts().isEmpty());
    }
};

DIMLET_TEST_MAIN(TestHostileDocuments)
#include "tst_hostiledocuments.moc"
