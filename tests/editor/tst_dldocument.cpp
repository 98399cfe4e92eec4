#include "testsupport.h"

#include "documentfixtures.h"
#include "editor/dldocument.h"
#include "marks/markrecord.h"

#include <QTemporaryDir>
#include <limits>
#include <memory>

Q_DECLARE_METATYPE(QVector<MarkRecord>)

namespace {
const QString openFailed = QStringLiteral("Could not open document file.");
const QString readFailed = QStringLiteral("Could not read document file.");
const QString extractFailed = QStringLiteral("Could not parse image data. Open Failed. :(");
const QString pictureFailed = QStringLiteral("Could not save image file.");
const QString outputFailed = QStringLiteral("Could not open output file.");
const QString tooNew
    = QStringLiteral("This document request min version '%1'. which you are "
                     "using '1.0.0'.  File can not open. Please update application.");

// One record as "type idx x1,y1 x2,y2 maxw text".
QString describe(const MarkRecord &r)
{
    const auto n = [](double v) { return QString::number(v, 'g', 17); };
    return QStringList {QString::number(r.type), n(r.idx), n(r.point1.x()) + ',' + n(r.point1.y()),
        n(r.point2.x()) + ',' + n(r.point2.y()), n(r.maxw), r.text}
        .join(' ');
}

QString describe(const MarkRecord *r)
{
    return describe(*r);
}

template<typename List> QStringList describeAll(const List &records)
{
    QStringList lines;
    for (const auto &r : records)
        lines << describe(r);
    return lines;
}

// object with the keys of change set to its values; a null value removes the key.
QJsonObject changed(QJsonObject object, const QJsonObject &change)
{
    for (auto it = change.begin(); it != change.end(); ++it) {
        object.remove(it.key());
        if (!it->isNull())
            object.insert(it.key(), *it);
    }
    return object;
}
} // namespace

// The sandbox holds the document folder and, two levels down, the temporary directory,
// so a picture that escapes the temporary directory still lands where the test sees it.
class TestDLDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir sandbox;
    QString tempDir;
    QString docs;

    static DocumentError write(const QString &target, const QString &picture,
        const QVector<MarkRecord> &marks = {}, double nextZ = 0)
    {
        MarkRecordList list;
        for (const MarkRecord &r : marks)
            list.append(new MarkRecord(r));
        const DocumentError error = writeDocumentFile(target, picture, list, nextZ);
        clearMarkRecords(list);
        return error;
    }

private slots:
    void init()
    {
        QDir(sandbox.path()).removeRecursively();
        tempDir = sandbox.filePath("level1/level2/tmp");
        docs = sandbox.filePath("docs");
        QVERIFY(QDir().mkpath(tempDir) && QDir().mkpath(docs));
    }

    void writtenLayout()
    {
        const QByteArray picture = pictureBytes("png");
        QVERIFY(writeFile(docs + "/shot.png", picture));
        QCOMPARE(write(docs + "/out.dld", docs + "/shot.png",
                     {{3, 5, {1, 2}, {3, 4}, "note", 80}, {0, 4, {5, 6}, {5, 9}, "lost", -1}}, 6.0),
            DocumentError::None);

        const QByteArray bytes = fileBytes(docs + "/out.dld");
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData()), quint32(picture.size()));
        QVERIFY(bytes.mid(4).startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(bytes.mid(4, picture.size()), picture);
        const QByteArray data = bytes.mid(4 + picture.size());
        QCOMPARE(qFromBigEndian<quint32>(data.constData()), quint32(data.size() - 4));
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        const QJsonDocument document
            = QJsonDocument::fromBinaryData(data.mid(4), QJsonDocument::Validate);
        QT_WARNING_POP
        QCOMPARE(document.toJson(QJsonDocument::Compact),
            R"({"filename":"shot.png","min":10000,"version":"1.0.0","youknown":[)"
            R"({"idx":5,"maxw":80,"text":"note","type":3,"x1":1,"x2":3,"y1":2,"y2":4},)"
            R"({"idx":4,"maxw":-1,"type":0,"x1":5,"x2":5,"y1":6,"y2":9}],"z-value":6})");
    }

    void roundTrip_data()
    {
        QTest::addColumn<QVector<MarkRecord>>("marks");
        QTest::addColumn<double>("nextZ");
        using Marks = QVector<MarkRecord>;
        QTest::newRow("every kind, topmost first, fractional z, points past the edges") << Marks {
            {3, 7.5, {40, 50}, {90, 20}, "wrap me", 120}, {2, 6, {12, 13}, {12, 13}, "", -1},
            {1, 3, {-5, -7}, {2000, 3000}, "", -1}, {0, 1, {5, 8}, {5, 300}, "", 1}} << 8.25;
        QTest::newRow("comment with line breaks and non-latin letters")
            << Marks {{3, 0, {1, 2}, {3, 4}, "Zeile 1\nÄnderung ✓ 日本語", 200.5}} << 1.0;
    }

    // The picture, 352 KiB, goes across in more than one 256 KiB piece.
    void roundTrip()
    {
        QFETCH(QVector<MarkRecord>, marks);
        QFETCH(double, nextZ);
        const QByteArray picture = pictureBytes("bmp", QSize(300, 300));
        QVERIFY(writeFile(docs + "/canvas picture.bmp", picture));
        QCOMPARE(write(docs + "/plan.dld", docs + "/canvas picture.bmp", marks, nextZ),
            DocumentError::None);

        const DocumentReadResult result = readDocumentFile(docs + "/plan.dld", tempDir);
        QCOMPARE(result.error, DocumentError::None);
        QCOMPARE(result.picturePath, tempDir + "/canvas picture.bmp");
        QCOMPARE(fileBytes(result.picturePath), picture);
        QCOMPARE(result.zValue, nextZ);
        QCOMPARE(describeAll(result.records), describeAll(marks));
    }

    // doc() is a document of a full length mark, its keys and the mark's changed as given;
    // a null value removes a key. "picture" is the file extracted into the temporary folder.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("records");
        const QJsonValue gone;
        const auto doc = [](const QJsonObject &change, const QJsonObject &markChange = {}) {
            QJsonObject object = changed(documentObject("pic.png"), change);
            object.insert("youknown", QJsonArray {changed(fullMark(0), markChange)});
            return documentBytes(object);
        };
        const QStringList one {"0 2 1,2 3,4 50 "};
        const QStringList none;
        const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };
        row("complete document") << doc({}) << QString() << "pic.png" << one;

        row("no min") << doc({{"min", gone}}) << QString() << "pic.png" << one;
        row("min one patch above") << doc({{"min", 10001}}) << tooNew.arg("1.0.1") << "" << none;
        row("min one minor above") << doc({{"min", 10010}}) << tooNew.arg("1.1.0") << "" << none;
        row("min with a two-digit minor")
            << doc({{"min", 20305}}) << tooNew.arg("2.30.5") << "" << none;

        row("mark without type is skipped")
            << doc({}, {{"type", gone}}) << QString() << "pic.png" << none;
        row("comment without maxw keeps every default")
            << doc({}, {{"type", 3}, {"text", "hi"}, {"maxw", gone}}) << QString() << "pic.png"
            << QStringList {"3 -1 0,0 0,0 -1 "};
        for (const char *key : {"idx", "x1", "y1", "x2", "y2"})
            QTest::addRow("mark without %s keeps every default", key) << doc(
                {}, {{key, gone}}) << QString() << "pic.png" << QStringList {"0 -1 0,0 0,0 -1 "};
        row("text of a length mark is not read")
            << doc({}, {{"text", "hi"}}) << QString() << "pic.png" << one;
        row("points are integers, a fraction reads as 0")
            << doc({}, {{"x1", 12.5}}) << QString() << "pic.png" << QStringList {"0 2 0,2 3,4 50 "};
        row("non-finite idx and maxw take the defaults")
            << doc({},
                   {{"idx", std::numeric_limits<double>::quiet_NaN()},
                       {"maxw", std::numeric_limits<double>::infinity()}})
            << QString() << "pic.png" << QStringList {"0 -1 1,2 3,4 -1 "};

        // Only the last part of a stored name is used; a name with no usable part is refused.
        const auto named = [&](const QJsonValue &name) { return doc({{"filename", name}}); };
        row("windows separators") << named("a\\b\\shot.png") << QString() << "shot.png" << one;
        row("parent traversal") << named("../../escape.png") << QString() << "escape.png" << one;
        row("drive-relative path") << named("C:x.png") << QString() << "x.png" << one;
        row("absolute path into the sandbox")
            << named(sandbox.filePath("outside.png")) << QString() << "outside.png" << one;
        row("ending in dot dot") << named("a/..\\..") << extractFailed << "" << one;
        row("embedded null") << named(QString::fromUtf16(u"x\0.png", 6)) << extractFailed << ""
                             << one;
        row("name that is no string") << named(42) << extractFailed << "" << one;

        const QByteArray picture = pictureBytes("png");
        const QByteArray pic = block(picture);
        const QByteArray data = binaryJson(QJsonDocument(documentObject("p.png", {fullMark(1)})));
        const QByteArray null = bigEndian32(0xFFFFFFFF);
        row("no file at all") << QByteArray() << openFailed << "" << none;
        row("zero-byte file") << QByteArray("") << readFailed << "" << none;
        row("null picture block") << null + block(data) << readFailed << "" << none;
        row("picture length far past the end")
            << bigEndian32(0x7FFFFFF0) + picture << readFailed << "" << none;
        row("picture block one byte short") << pic.chopped(1) << readFailed << "" << none;
        row("null data block") << pic + null << readFailed << "" << none;
        row("data block one byte short")
            << pic + block(data).chopped(1) << readFailed << "" << none;
        row("data block of plain text") << pic + block("not json") << extractFailed << "" << none;
        QByteArray forged = data;
        qToLittleEndian(quint32(data.size()), forged.data() + 8);
        row("binary JSON root size past its block")
            << pic + block(forged) << extractFailed << "" << none;
        forged = data;
        qToLittleEndian(quint32(0xFFFFFF00), forged.data() + data.size() - 4);
        row("binary JSON with a wild table offset")
            << pic + block(forged) << extractFailed << "" << none;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(QString, picture);
        QFETCH(QStringList, records);
        QStringList files;
        if (!bytes.isNull()) {
            QVERIFY(writeFile(docs + "/doc.dld", bytes));
            files << "docs/doc.dld";
        }
        const DocumentReadResult result = readDocumentFile(docs + "/doc.dld", tempDir);
        QCOMPARE(documentErrorMessage(result.error, result.minVersionCode), expected);
        QCOMPARE(result.picturePath, picture.isEmpty() ? QString() : tempDir + '/' + picture);
        QCOMPARE(describeAll(result.records), records);
        if (!picture.isEmpty()) {
            QCOMPARE(fileBytes(result.picturePath), pictureBytes("png"));
            files << "level1/level2/tmp/" + picture;
        }
        QCOMPARE(filesBelow(sandbox.path()), files);
    }

    // A link planted where the picture goes must be replaced, never written through.
    void plantedLinkIsNotFollowed()
    {
        const QString victim = sandbox.filePath("victim.txt");
        QVERIFY(writeFile(victim, "keep") && QFile::link(victim, tempDir + "/pic.png"));
        QVERIFY(writeFile(docs + "/doc.dld", documentBytes(documentObject("pic.png"))));
        const DocumentReadResult result = readDocumentFile(docs + "/doc.dld", tempDir);
        QCOMPARE(result.error, DocumentError::None);
        QCOMPARE(fileBytes(victim), QByteArray("keep"));
        QVERIFY(!QFileInfo(result.picturePath).isSymLink());
        QCOMPARE(fileBytes(result.picturePath), pictureBytes("png"));
    }

    void failedWrite_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("target in a missing folder") << "gone/new.dld"
                                                    << "p.bmp" << 0 << outputFailed;
        QTest::newRow("disk full half way") << "old.dld"
                                            << "p.bmp" << 4096 << outputFailed;
        QTest::newRow("picture missing") << "old.dld"
                                         << "none.png" << 0 << pictureFailed;
        QTest::newRow("picture is a folder") << "old.dld"
                                             << "folder" << 0 << pictureFailed;
    }

    void failedWrite()
    {
        QFETCH(QString, target);
        QFETCH(QString, picture);
        QFETCH(int, sizeLimit);
        QFETCH(QString, expected);
        QVERIFY(writeFile(docs + "/p.bmp", pictureBytes("bmp", QSize(200, 200))));
        QVERIFY(writeFile(docs + "/old.dld", "old document"));
        QVERIFY(QDir(docs).mkdir("folder") && writeFile(docs + "/folder/inside", "x"));
        const QStringList before = filesBelow(sandbox.path());

        DocumentError error = DocumentError::None;
        {
            std::unique_ptr<FileSizeLimit> limit(
                sizeLimit ? new FileSizeLimit(sizeLimit) : nullptr);
            error = write(docs + '/' + target, docs + '/' + picture);
        }
        QCOMPARE(documentErrorMessage(error), expected);
        QCOMPARE(fileBytes(docs + "/old.dld"), QByteArray("old document"));
        QCOMPARE(filesBelow(sandbox.path()), before);
    }
};

DIMLET_TEST_MAIN(TestDLDocument)
#include "tst_dldocument.moc"
