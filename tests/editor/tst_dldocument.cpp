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

QStringList describe(const MarkRecordList &records)
{
    QStringList lines;
    for (const MarkRecord *r : records)
        lines << describe(*r);
    return lines;
}

QStringList describe(const QVector<MarkRecord> &records)
{
    QStringList lines;
    for (const MarkRecord &r : records)
        lines << describe(r);
    return lines;
}
} // namespace

// The sandbox holds the document folder and, two levels down, the temporary directory,
// so a picture that escapes the temporary directory still lands where the test sees it.
class TestDLDocument : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> sandbox;
    QString tempDir;
    QString docs;

    DocumentReadResult read(const QByteArray &bytes)
    {
        writeFile(docs + "/doc.dld", bytes);
        return readDocumentFile(docs + "/doc.dld", tempDir);
    }

    static QString message(const DocumentReadResult &result)
    {
        return documentErrorMessage(result.error, result.minVersionCode);
    }

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
        sandbox = std::make_unique<QTemporaryDir>();
        tempDir = sandbox->filePath("level1/level2/tmp");
        docs = sandbox->filePath("docs");
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
        QTest::newRow("no marks") << Marks() << 0.0;
        QTest::newRow("every kind, topmost first") << Marks {
            {3, 7, {40, 50}, {90, 20}, "wrap me", 120}, {2, 6, {12, 13}, {12, 13}, "", -1},
            {1, 3, {0, 0}, {639, 479}, "", -1},
            {0, 1, {5, 8}, {5, 300}, "", 1}} << 8.0;
        QTest::newRow("points past the edges")
            << Marks {{1, 0, {-5, -7}, {2000, 3000}, "", -1}} << 1.0;
        QTest::newRow("fractional z-values") << Marks {{0, 2.5, {1, 1}, {9, 1}, "", -1}} << 3.75;
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
        QCOMPARE(message(result), QString());
        QCOMPARE(result.picturePath, tempDir + "/canvas picture.bmp");
        QCOMPARE(fileBytes(result.picturePath), picture);
        QCOMPARE(result.zValue, nextZ);
        QCOMPARE(describe(result.records), describe(marks));
    }

    void minVersionGate_data()
    {
        QTest::addColumn<QJsonValue>("min");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the running version code") << QJsonValue(10000) << QString();
        QTest::newRow("an older version code") << QJsonValue(9999) << QString();
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << QString();
        QTest::newRow("one patch above") << QJsonValue(10001) << tooNew.arg("1.0.1");
        QTest::newRow("one minor above") << QJsonValue(10010) << tooNew.arg("1.1.0");
        QTest::newRow("two-digit minor") << QJsonValue(20305) << tooNew.arg("2.30.5");
    }

    void minVersionGate()
    {
        QFETCH(QJsonValue, min);
        QFETCH(QString, expected);
        QJsonObject object = documentObject("pic.png", {fullMark(2)});
        object.remove("min");
        if (!min.isUndefined())
            object.insert("min", min);

        const DocumentReadResult result = read(documentBytes(object));
        QCOMPARE(message(result), expected);
        QCOMPARE(result.zValue, 3.0);
        QCOMPARE(result.records.size(), expected.isEmpty() ? 1 : 0);
        QCOMPARE(filesBelow(tempDir), expected.isEmpty() ? QStringList {"pic.png"} : QStringList());
    }

    // Each row changes a full length mark; a null value removes the key.
    void recordRules_data()
    {
        QTest::addColumn<QJsonObject>("change");
        QTest::addColumn<QString>("expected");
        const QJsonValue gone;
        const QString defaults = "0 -1 0,0 0,0 -1 ";
        QTest::newRow("complete mark") << QJsonObject() << "0 2 1,2 3,4 50 ";
        QTest::newRow("mark without type is skipped") << QJsonObject {{"type", gone}} << QString();
        QTest::newRow("comment without maxw keeps every default")
            << QJsonObject {{"type", 3}, {"text", "hi"}, {"maxw", gone}} << "3 -1 0,0 0,0 -1 ";
        for (const char *key : {"idx", "x1", "y1", "x2", "y2"})
            QTest::addRow("missing %s keeps every default", key)
                << QJsonObject {{key, gone}} << defaults;
        QTest::newRow("text of a non-comment is not read")
            << QJsonObject {{"text", "hi"}} << "0 2 1,2 3,4 50 ";
        QTest::newRow("points are integers, a fraction reads as 0")
            << QJsonObject {{"x1", 12.5}, {"y2", 7.0}} << "0 2 0,2 3,7 50 ";
        QTest::newRow("unknown type is kept for the scene to skip")
            << QJsonObject {{"type", 7}} << "7 2 1,2 3,4 50 ";
        QTest::newRow("non-finite idx and maxw take the defaults") << QJsonObject {
            {"idx", std::numeric_limits<double>::quiet_NaN()},
            {"maxw", std::numeric_limits<double>::infinity()}} << "0 -1 1,2 3,4 -1 ";
    }

    void recordRules()
    {
        QFETCH(QJsonObject, change);
        QFETCH(QString, expected);
        QJsonObject mark = fullMark(0);
        for (auto it = change.begin(); it != change.end(); ++it) {
            if (it->isNull())
                mark.remove(it.key());
            else
                mark.insert(it.key(), *it);
        }
        const DocumentReadResult result = read(documentBytes(documentObject("p.png", {mark})));
        QCOMPARE(message(result), QString());
        QCOMPARE(
            describe(result.records), expected.isNull() ? QStringList() : QStringList {expected});
    }

    void storedPictureName_data()
    {
        QTest::addColumn<QJsonValue>("filename");
        QTest::addColumn<QString>("extracted");
        QTest::newRow("bare name") << QJsonValue("shot.png") << "shot.png";
        QTest::newRow("unix directory parts") << QJsonValue("a/b/shot.png") << "shot.png";
        QTest::newRow("windows separators") << QJsonValue("a\\b\\shot.png") << "shot.png";
        QTest::newRow("parent traversal") << QJsonValue("../../escape.png") << "escape.png";
        QTest::newRow("drive path") << QJsonValue("C:\\x.png") << "x.png";
        QTest::newRow("drive-relative path") << QJsonValue("C:x.png") << "x.png";
        QTest::newRow("absolute path into the sandbox") << QJsonValue() << "outside.png";
        QTest::newRow("empty name") << QJsonValue("") << QString();
        QTest::newRow("ending in dot dot") << QJsonValue("a/..\\..") << QString();
        QTest::newRow("trailing separator") << QJsonValue("dir/") << QString();
        QTest::newRow("embedded null")
            << QJsonValue(QString::fromUtf16(u"x\0.png", 6)) << QString();
        QTest::newRow("name that is no string") << QJsonValue(42) << QString();
        QTest::newRow("no name") << QJsonValue(QJsonValue::Undefined) << QString();
    }

    void storedPictureName()
    {
        QFETCH(QJsonValue, filename);
        QFETCH(QString, extracted);
        QJsonObject object = documentObject(QString(), {fullMark(0)});
        object.remove("filename");
        if (!filename.isUndefined())
            object.insert(
                "filename", filename.isNull() ? sandbox->filePath("outside.png") : filename);

        const DocumentReadResult result = read(documentBytes(object));
        QCOMPARE(message(result), extracted.isEmpty() ? extractFailed : QString());
        QCOMPARE(result.picturePath, extracted.isEmpty() ? QString() : tempDir + '/' + extracted);
        QStringList files {"docs/doc.dld"};
        if (!extracted.isEmpty()) {
            QCOMPARE(fileBytes(result.picturePath), pictureBytes("png"));
            files << "level1/level2/tmp/" + extracted;
        }
        QCOMPARE(filesBelow(sandbox->path()), files);
    }

    void malformedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QByteArray picture = pictureBytes("png");
        const QByteArray pic = block(picture);
        const QByteArray data = binaryJson(QJsonDocument(documentObject("p.png", {fullMark(1)})));
        const QByteArray null = bigEndian32(0xFFFFFFFF);
        QTest::newRow("no file at all") << QByteArray() << openFailed;
        QTest::newRow("zero-byte file") << QByteArray("") << readFailed;
        QTest::newRow("null picture block") << null + block(data) << readFailed;
        QTest::newRow("empty picture block") << bigEndian32(0) + block(data) << readFailed;
        QTest::newRow("picture length far past the end")
            << bigEndian32(0x7FFFFFF0) + picture << readFailed;
        QTest::newRow("picture block one byte short") << pic.chopped(1) << readFailed;
        QTest::newRow("no data block") << pic << readFailed;
        QTest::newRow("null data block") << pic + null << readFailed;
        QTest::newRow("data block one byte short") << pic + block(data).chopped(1) << readFailed;
        QTest::newRow("data block of plain text") << pic + block("not json") << extractFailed;
        QTest::newRow("binary JSON cut short")
            << pic + block(data.left(data.size() / 2)) << extractFailed;
        QByteArray forged = data;
        qToLittleEndian(quint32(data.size()), forged.data() + 8);
        QTest::newRow("binary JSON root size past its block")
            << pic + block(forged) << extractFailed;
        forged = data;
        qToLittleEndian(quint32(0xFFFFFF00), forged.data() + data.size() - 4);
        QTest::newRow("binary JSON with a wild table offset")
            << pic + block(forged) << extractFailed;
        QTest::newRow("binary JSON holding an array")
            << pic + block(binaryJson(QJsonDocument(QJsonArray {documentObject("p.png")})))
            << extractFailed;
    }

    void malformedFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        if (!bytes.isNull())
            QVERIFY(writeFile(docs + "/bad.dld", bytes));
        const DocumentReadResult result = readDocumentFile(docs + "/bad.dld", tempDir);
        QCOMPARE(message(result), expected);
        QVERIFY(result.picturePath.isEmpty() && result.records.isEmpty());
        QCOMPARE(filesBelow(sandbox->path()),
            bytes.isNull() ? QStringList() : QStringList {"docs/bad.dld"});
    }

    void failedWrite_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("target below a file") << "old.dld/new.dld"
                                             << "p.bmp" << 0 << outputFailed;
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
        const QStringList before = filesBelow(sandbox->path());

        DocumentError error = DocumentError::None;
        {
            std::unique_ptr<FileSizeLimit> limit(
                sizeLimit ? new FileSizeLimit(sizeLimit) : nullptr);
            error = write(docs + '/' + target, docs + '/' + picture);
        }
        QCOMPARE(documentErrorMessage(error), expected);
        QCOMPARE(fileBytes(docs + "/old.dld"), QByteArray("old document"));
        QCOMPARE(filesBelow(sandbox->path()), before);
    }
};

DIMLET_TEST_MAIN(TestDLDocument)
#include "tst_dldocument.moc"
