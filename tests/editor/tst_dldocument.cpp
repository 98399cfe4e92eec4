#include "testsupport.h"

#include "documentfixtures.h"
#include "filefixtures.h"

#include "editor/dldocument.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <limits>
#include <memory>

namespace {
QByteArray compactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

const QString versionMessage = QStringLiteral(
    "This document request min version '%1'. which you are using '1.0.0'.  File can not open. "
    "Please update application.");
} // namespace

Q_DECLARE_METATYPE(DocumentError)
Q_DECLARE_METATYPE(QVector<MarkRecord>)

// The sandbox holds the document folder and, two levels down, the temporary directory,
// so an escaping picture would still land where the test can see it.
class TestDLDocument : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> sandbox;
    QString tempDir;
    QString docsDir;

    QString writeDocument(const QByteArray &picture, const QByteArray &data)
    {
        const QString path = docsDir + QStringLiteral("/doc.dld");
        writeFile(path, block(picture) + block(data));
        return path;
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<QTemporaryDir>();
        QVERIFY(sandbox->isValid());
        tempDir = sandbox->filePath(QStringLiteral("level1/level2/tmp"));
        docsDir = sandbox->filePath(QStringLiteral("docs"));
        QVERIFY(QDir().mkpath(tempDir));
        QVERIFY(QDir().mkpath(docsDir));
    }

    void writtenLayout_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("signature");
        QTest::newRow("png picture starts with the PNG signature")
            << QByteArray("png") << QByteArray("\x89PNG\r\n\x1a\n", 8);
        QTest::newRow("jpeg picture starts with the JPEG start marker")
            << QByteArray("jpeg") << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("bmp picture starts with BM") << QByteArray("bmp") << QByteArray("BM");
    }

    void writtenLayout()
    {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, signature);
        const QByteArray picture = pictureBytes(format.constData());
        const QString picturePath
            = docsDir + QStringLiteral("/shot.") + QString::fromLatin1(format);
        QVERIFY(writeFile(picturePath, picture));
        const QVector<MarkRecord> marks {record(3, 5, {1, 2}, {3, 4}, QStringLiteral("note"), 80),
            record(0, 4, {5, 6}, {5, 9}, QStringLiteral("lost"), -1)};
        MarkRecordList list = ownedCopies(marks);
        const QString target = docsDir + QStringLiteral("/out.dld");
        QCOMPARE(writeDocumentFile(target, picturePath, list, 6.0), DocumentError::None);
        clearMarkRecords(list);

        const QByteArray bytes = fileBytes(target);
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData()), quint32(picture.size()));
        QVERIFY(bytes.mid(4).startsWith(signature));
        QCOMPARE(bytes.mid(4, picture.size()), picture);
        const int dataStart = 4 + picture.size();
        const quint32 dataLength = qFromBigEndian<quint32>(bytes.constData() + dataStart);
        QCOMPARE(bytes.size(), dataStart + 4 + int(dataLength));

        const QJsonObject document = objectFromBinaryJson(bytes.mid(dataStart + 4));
        QStringList keys = document.keys();
        keys.sort();
        QCOMPARE(keys, QStringList({"filename", "min", "version", "youknown", "z-value"}));
        QCOMPARE(document.value("filename").toString(), QStringLiteral("shot.") + format);
        QCOMPARE(document.value("version").toString(), QStringLiteral("1.0.0"));
        QCOMPARE(document.value("min").toInt(), 10000);
        QCOMPARE(document.value("z-value").toDouble(), 6.0);
        const QJsonArray written = document.value("youknown").toArray();
        QCOMPARE(written.size(), 2);
        QCOMPARE(compactJson(written[0].toObject()),
            compactJson({{"idx", 5.0}, {"type", 3}, {"x1", 1.0}, {"y1", 2.0}, {"x2", 3.0},
                {"y2", 4.0}, {"maxw", 80.0}, {"text", "note"}}));
        QCOMPARE(compactJson(written[1].toObject()),
            compactJson({{"idx", 4.0}, {"type", 0}, {"x1", 5.0}, {"y1", 6.0}, {"x2", 5.0},
                {"y2", 9.0}, {"maxw", -1.0}}));
    }

    // The picture bytes travel in pieces; a piece boundary must neither lose nor repeat a byte.
    void pictureBytesSurviveEveryLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one byte") << 1;
        QTest::newRow("one byte short of a piece") << 256 * 1024 - 1;
        QTest::newRow("exactly one piece") << 256 * 1024;
        QTest::newRow("one byte past a piece") << 256 * 1024 + 1;
        QTest::newRow("several pieces and a rest") << 3 * 256 * 1024 + 4097;
    }

    void pictureBytesSurviveEveryLength()
    {
        QFETCH(int, length);
        QByteArray picture(length, Qt::Uninitialized);
        QRandomGenerator random {quint32(length)};
        for (char &byte : picture)
            byte = char(random.bounded(256));
        const QString picturePath = docsDir + QStringLiteral("/bytes.png");
        QVERIFY(writeFile(picturePath, picture));
        const QString target = docsDir + QStringLiteral("/bytes.dld");
        QCOMPARE(
            writeDocumentFile(target, picturePath, MarkRecordList(), 2.0), DocumentError::None);

        const QByteArray bytes = fileBytes(target);
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData()), quint32(length));
        QCOMPARE(bytes.mid(4, length), picture);
        const quint32 dataLength = qFromBigEndian<quint32>(bytes.constData() + 4 + length);
        QCOMPARE(bytes.size(), 4 + length + 4 + int(dataLength));

        DocumentReadResult read = readDocumentFile(target, tempDir);
        QCOMPARE(read.error, DocumentError::None);
        QCOMPARE(read.zValue, 2.0);
        QCOMPARE(fileBytes(read.picturePath), picture);
    }

    void pictureThatOpensButCannotBeReadWritesNothing()
    {
        // A picture path that names a folder opens but cannot be read.
        const QString target = docsDir + QStringLiteral("/kept.dld");
        QVERIFY(writeFile(target, QByteArray("previous document")));
        QCOMPARE(writeDocumentFile(target, docsDir, MarkRecordList(), 1.0),
            DocumentError::CannotReadPicture);
        QCOMPARE(fileBytes(target), QByteArray("previous document"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QVector<MarkRecord>>("marks");
        QTest::addColumn<double>("nextZ");
        QTest::newRow("no marks") << QVector<MarkRecord>() << 0.0;
        QTest::newRow("one mark of every type topmost first") << QVector<MarkRecord> {
            record(3, 7, {40, 50}, {90, 20}, QStringLiteral("wrap me"), 120),
            record(2, 6, {12, 13}, {12, 13}, QString(), -1),
            record(1, 3, {0, 0}, {639, 479}, QString(), -1),
            record(0, 1, {5, 8}, {5, 300}, QString(), 1)} << 8.0;
        QTest::newRow("marks past the picture edges keep negative points")
            << QVector<MarkRecord> {record(1, 0, {-5, -7}, {2000, 3000}, QString(), -1)} << 1.0;
        QTest::newRow("fractional z-values survive")
            << QVector<MarkRecord> {record(0, 2.5, {1, 1}, {9, 1}, QString(), -1)} << 3.75;
        QTest::newRow("comment text with line breaks and non-latin letters")
            << QVector<MarkRecord> {record(
                   3, 0, {1, 2}, {3, 4}, QStringLiteral("Zeile 1\nÄnderung ✓ 日本語"), 200.5)}
            << 1.0;
        QTest::newRow("empty comment text")
            << QVector<MarkRecord> {record(3, 4, {1, 2}, {3, 4}, QString(), 10)} << 5.0;
    }

    void roundTrip()
    {
        QFETCH(QVector<MarkRecord>, marks);
        QFETCH(double, nextZ);
        const QByteArray picture = pictureBytes("png");
        const QString picturePath = docsDir + QStringLiteral("/canvas picture.png");
        QVERIFY(writeFile(picturePath, picture));
        MarkRecordList list = ownedCopies(marks);
        const QString target = docsDir + QStringLiteral("/plan.dld");
        QCOMPARE(writeDocumentFile(target, picturePath, list, nextZ), DocumentError::None);
        compareRecords(list, marks);
        clearMarkRecords(list);

        DocumentReadResult result = readDocumentFile(target, tempDir);
        QCOMPARE(result.error, DocumentError::None);
        QCOMPARE(result.picturePath, tempDir + QStringLiteral("/canvas picture.png"));
        QCOMPARE(fileBytes(result.picturePath), picture);
        QCOMPARE(result.zValue, nextZ);
        QCOMPARE(result.minVersionCode, 10000);
        compareRecords(result.records, marks);
    }

    void minVersionGate_data()
    {
        QTest::addColumn<QJsonValue>("min");
        QTest::addColumn<QString>("message");
        QTest::newRow("the running version code is accepted") << QJsonValue(10000) << QString();
        QTest::newRow("an older version code is accepted") << QJsonValue(9999) << QString();
        QTest::newRow("missing min is accepted") << QJsonValue(QJsonValue::Undefined) << QString();
        QTest::newRow("a patch above is refused")
            << QJsonValue(10001) << versionMessage.arg(QStringLiteral("1.0.1"));
        QTest::newRow("a minor version above is refused")
            << QJsonValue(10010) << versionMessage.arg(QStringLiteral("1.1.0"));
        QTest::newRow("two-digit minor version")
            << QJsonValue(20305) << versionMessage.arg(QStringLiteral("2.30.5"));
    }

    void minVersionGate()
    {
        QFETCH(QJsonValue, min);
        QFETCH(QString, message);
        QJsonObject object = documentObject(QStringLiteral("pic.png"), QJsonArray {fullMark(2)});
        object.insert(QStringLiteral("z-value"), 9.0);
        if (min.isUndefined())
            object.remove(QStringLiteral("min"));
        else
            object.insert(QStringLiteral("min"), min);
        const QString path = writeDocument(pictureBytes("png"), binaryJson(object));

        DocumentReadResult result = readDocumentFile(path, tempDir);
        QCOMPARE(documentErrorMessage(result.error, result.minVersionCode), message);
        QCOMPARE(result.zValue, 9.0);
        if (message.isEmpty()) {
            QCOMPARE(result.error, DocumentError::None);
            QCOMPARE(filesBelow(tempDir), QStringList {"pic.png"});
            QCOMPARE(result.records.size(), 1);
        } else {
            QCOMPARE(result.error, DocumentError::VersionTooNew);
            QCOMPARE(result.minVersionCode, min.toInt());
            QVERIFY(result.picturePath.isEmpty());
            QVERIFY(result.records.isEmpty());
            QVERIFY(filesBelow(tempDir).isEmpty());
        }
    }

    void recordRules_data()
    {
        QTest::addColumn<QJsonArray>("marks");
        QTest::addColumn<QVector<MarkRecord>>("expected");
        QJsonObject untyped = fullMark(1);
        untyped.remove("type");
        QTest::newRow("mark without type is skipped") << QJsonArray {untyped,
            fullMark(1)} << QVector<MarkRecord> {record(1, 2, {1, 2}, {3, 4}, QString(), 50)};
        QTest::newRow("element that is not an object is skipped") << QJsonArray {5, "text",
            fullMark(0)} << QVector<MarkRecord> {record(0, 2, {1, 2}, {3, 4}, QString(), 50)};
        QJsonObject comment = fullMark(3);
        comment.insert("text", "hello");
        comment.remove("maxw");
        QTest::newRow("comment without maxw keeps every default")
            << QJsonArray {comment} << QVector<MarkRecord> {record(3, -1, {0, 0}, {0, 0}, "", -1)};
        for (const char *key : {"idx", "x1", "y1", "x2", "y2"}) {
            QJsonObject partial = fullMark(0);
            partial.remove(QLatin1String(key));
            QTest::addRow("missing %s keeps every default", key) << QJsonArray {
                partial} << QVector<MarkRecord> {record(0, -1, {0, 0}, {0, 0}, "", -1)};
        }
        QJsonObject textedLength = fullMark(0);
        textedLength.insert("text", "ignored");
        QTest::newRow("text of a non-comment is not read") << QJsonArray {
            textedLength} << QVector<MarkRecord> {record(0, 2, {1, 2}, {3, 4}, QString(), 50)};
        QTest::newRow("unknown type is kept for the scene to skip") << QJsonArray {
            fullMark(7)} << QVector<MarkRecord> {record(7, 2, {1, 2}, {3, 4}, "", 50)};
        QJsonObject textType = fullMark(2);
        textType.insert("type", "2");
        QTest::newRow("type that is not a number reads as 0")
            << QJsonArray {textType} << QVector<MarkRecord> {record(0, 2, {1, 2}, {3, 4}, "", 50)};
        QJsonObject fractional = fullMark(1);
        fractional.insert("x1", 12.5);
        fractional.insert("y2", 7.0);
        QTest::newRow("points read as integers, a fraction as 0") << QJsonArray {
            fractional} << QVector<MarkRecord> {record(1, 2, {0, 2}, {3, 7}, "", 50)};
        QJsonObject nonFinite = fullMark(3);
        nonFinite.insert("idx", std::numeric_limits<double>::quiet_NaN());
        nonFinite.insert("maxw", std::numeric_limits<double>::infinity());
        nonFinite.insert("text", "t");
        QTest::newRow("non-finite idx and maxw take the defaults") << QJsonArray {
            nonFinite} << QVector<MarkRecord> {record(3, -1, {1, 2}, {3, 4}, "t", -1)};
    }

    void recordRules()
    {
        QFETCH(QJsonArray, marks);
        QFETCH(QVector<MarkRecord>, expected);
        const QString path
            = writeDocument(pictureBytes("png"), binaryJson(documentObject("p.png", marks)));
        DocumentReadResult result = readDocumentFile(path, tempDir);
        QCOMPARE(result.error, DocumentError::None);
        compareRecords(result.records, expected);
    }

    void storedPictureName_data()
    {
        QTest::addColumn<QJsonValue>("filename");
        QTest::addColumn<QString>("extracted");
        QTest::newRow("bare name") << QJsonValue("shot.png") << "shot.png";
        QTest::newRow("unix directory parts") << QJsonValue("a/b/shot.png") << "shot.png";
        QTest::newRow("windows separators") << QJsonValue("a\\b\\shot.png") << "shot.png";
        QTest::newRow("parent traversal") << QJsonValue("../../escape.png") << "escape.png";
        QTest::newRow("windows parent traversal") << QJsonValue("..\\..\\esc.png") << "esc.png";
        QTest::newRow("drive path") << QJsonValue("C:\\x.png") << "x.png";
        QTest::newRow("drive-relative path") << QJsonValue("C:x.png") << "x.png";
        QTest::newRow("absolute path into the sandbox") << QJsonValue() << "outside.png";
        QTest::newRow("empty name is refused") << QJsonValue("") << QString();
        QTest::newRow("dot is refused") << QJsonValue(".") << QString();
        QTest::newRow("dot dot is refused") << QJsonValue("..") << QString();
        QTest::newRow("ending in dot dot is refused") << QJsonValue("a/..\\..") << QString();
        QTest::newRow("trailing separator is refused") << QJsonValue("dir/") << QString();
        QTest::newRow("embedded null is refused")
            << QJsonValue(QString::fromUtf16(u"x\0.png", 6)) << QString();
        QTest::newRow("name that is not a string is refused") << QJsonValue(42) << QString();
        QTest::newRow("missing name is refused") << QJsonValue(QJsonValue::Undefined) << QString();
    }

    void storedPictureName()
    {
        QFETCH(QJsonValue, filename);
        QFETCH(QString, extracted);
        if (filename.isNull())
            filename = sandbox->filePath(QStringLiteral("outside.png"));
        QJsonObject object = documentObject(QString(), QJsonArray {fullMark(0)});
        if (filename.isUndefined())
            object.remove(QStringLiteral("filename"));
        else
            object.insert(QStringLiteral("filename"), filename);
        const QByteArray picture = pictureBytes("png");
        const QString path = writeDocument(picture, binaryJson(object));

        DocumentReadResult result = readDocumentFile(path, tempDir);
        QStringList expectedFiles {"docs/doc.dld"};
        if (extracted.isEmpty()) {
            QCOMPARE(result.error, DocumentError::CannotWritePicture);
            QCOMPARE(documentErrorMessage(result.error),
                QStringLiteral("Could not parse image data. Open Failed. :("));
            QVERIFY(result.picturePath.isEmpty());
            QCOMPARE(result.records.size(), 1);
        } else {
            QCOMPARE(result.error, DocumentError::None);
            QCOMPARE(result.picturePath, tempDir + QLatin1Char('/') + extracted);
            QCOMPARE(fileBytes(result.picturePath), picture);
            expectedFiles << QStringLiteral("level1/level2/tmp/") + extracted;
        }
        expectedFiles.sort();
        QCOMPARE(filesBelow(sandbox->path()), expectedFiles);
    }

    void plantedLinkIsNotFollowed()
    {
        const QString victim = sandbox->filePath(QStringLiteral("victim.txt"));
        QVERIFY(writeFile(victim, "keep"));
        QVERIFY(QFile::link(victim, tempDir + QStringLiteral("/shot.png")));
        const QString path
            = writeDocument(pictureBytes("png"), binaryJson(documentObject("shot.png")));

        DocumentReadResult result = readDocumentFile(path, tempDir);
        QCOMPARE(result.error, DocumentError::None);
        QCOMPARE(fileBytes(victim), QByteArray("keep"));
        QVERIFY(!QFileInfo(result.picturePath).isSymLink());
        QCOMPARE(fileBytes(result.picturePath), pictureBytes("png"));
    }

    void malformedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DocumentError>("error");
        const QByteArray picture = pictureBytes("png");
        const QByteArray data = binaryJson(documentObject("p.png", QJsonArray {fullMark(1)}));
        const QByteArray picBlock = block(picture);
        const QByteArray nullBlock = bigEndian32(0xFFFFFFFF);
        const auto read = DocumentError::CannotReadDocument;
        const auto extract = DocumentError::CannotWritePicture;
        QTest::newRow("zero-byte file") << QByteArray() << read;
        QTest::newRow("half a length") << QByteArray("\0\0", 2) << read;
        QTest::newRow("null picture block") << nullBlock + block(data) << read;
        QTest::newRow("empty picture block") << bigEndian32(0) + block(data) << read;
        QTest::newRow("picture length far past the end")
            << bigEndian32(0x7FFFFFF0) + picture << read;
        QTest::newRow("picture length of 4 GiB less 2")
            << bigEndian32(0xFFFFFFFE) + picture << read;
        QTest::newRow("picture block one byte short")
            << bigEndian32(quint32(picture.size() + 1)) + picture << read;
        QTest::newRow("no data block") << picBlock << read;
        QTest::newRow("null data block") << picBlock + nullBlock << read;
        QTest::newRow("empty data block") << picBlock + bigEndian32(0) << read;
        QTest::newRow("data block one byte short") << picBlock + block(data).chopped(1) << read;
        QTest::newRow("data block that is plain text")
            << picBlock + block("hello, this is not json") << extract;
        QTest::newRow("data block in JSON text")
            << picBlock + block(QJsonDocument(documentObject("p.png")).toJson()) << extract;
        QByteArray forgedSize = data;
        qToLittleEndian(quint32(data.size()), forgedSize.data() + 8);
        QTest::newRow("binary JSON root size past its block")
            << picBlock + block(forgedSize) << extract;
        QByteArray wrongVersion = data;
        wrongVersion[4] = 2;
        QTest::newRow("binary JSON of another version")
            << picBlock + block(wrongVersion) << extract;
        QTest::newRow("binary JSON cut short")
            << picBlock + block(data.left(data.size() / 2)) << extract;
        QByteArray badOffset = data;
        qToLittleEndian(quint32(0xFFFFFF00), badOffset.data() + data.size() - 4);
        QTest::newRow("binary JSON with a wild table offset")
            << picBlock + block(badOffset) << extract;
        const QByteArray array = binaryJson(QJsonArray {documentObject("p.png")});
        QTest::newRow("binary JSON holding an array") << picBlock + block(array) << extract;
    }

    void malformedFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(DocumentError, error);
        const QString path = docsDir + QStringLiteral("/bad.dld");
        QVERIFY(writeFile(path, bytes));
        DocumentReadResult result = readDocumentFile(path, tempDir);
        QCOMPARE(result.error, error);
        QVERIFY(result.picturePath.isEmpty());
        QVERIFY(result.records.isEmpty());
        QCOMPARE(filesBelow(sandbox->path()), QStringList {"docs/bad.dld"});
    }

    void trailingBytesAreIgnored()
    {
        const QByteArray picture = pictureBytes("bmp");
        const QString path = docsDir + QStringLiteral("/trail.dld");
        QVERIFY(writeFile(path,
            block(picture) + block(binaryJson(documentObject("t.bmp")))
                + QByteArray("\xFF\xFF\xFF\xFF garbage")));
        DocumentReadResult result = readDocumentFile(path, tempDir);
        QCOMPARE(result.error, DocumentError::None);
        QCOMPARE(fileBytes(result.picturePath), picture);
    }

    void unopenableDocument_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing file") << "docs/none.dld";
        QTest::newRow("directory") << "docs";
    }

    void unopenableDocument()
    {
        QFETCH(QString, relativePath);
        DocumentReadResult result = readDocumentFile(sandbox->filePath(relativePath), tempDir);
        QCOMPARE(result.error, DocumentError::CannotOpenDocument);
        QCOMPARE(
            documentErrorMessage(result.error), QStringLiteral("Could not open document file."));
        QVERIFY(filesBelow(tempDir).isEmpty());
    }

    // Seeded damage to a valid data block: whatever the bytes, the reader either reads
    // something or reports, and writes nothing outside the temporary directory.
    void damagedBinaryJson_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void damagedBinaryJson()
    {
        QFETCH(quint32, seed);
        QJsonObject comment = fullMark(3);
        comment.insert("text", "a comment");
        const QByteArray data = binaryJson(
            documentObject("d.png", QJsonArray {comment, fullMark(0), fullMark(1), fullMark(2)}));
        const QByteArray picture = pictureBytes("png");
        QRandomGenerator random(seed);
        for (int round = 0; round < 120; ++round) {
            QByteArray damaged = data;
            const int flips = 1 + random.bounded(4);
            for (int i = 0; i < flips; ++i)
                damaged[8 + random.bounded(damaged.size() - 8)] = char(random.bounded(256));
            const QString path = writeDocument(picture, damaged);
            DocumentReadResult result = readDocumentFile(path, tempDir);
            QVERIFY(result.error == DocumentError::None
                || result.error == DocumentError::CannotWritePicture
                || result.error == DocumentError::VersionTooNew);
            if (result.error == DocumentError::None)
                QCOMPARE(
                    QFileInfo(result.picturePath).absolutePath(), QDir(tempDir).absolutePath());
        }
        for (const QString &file : filesBelow(sandbox->path())) {
            QVERIFY2(file == QLatin1String("docs/doc.dld")
                    || file.startsWith(QLatin1String("level1/level2/tmp/")),
                qPrintable(file));
        }
    }

    void takeRecordsHandsOwnershipOver()
    {
        const QString path = writeDocument(
            pictureBytes("png"), binaryJson(documentObject("p.png", {fullMark(0), fullMark(1)})));
        DocumentReadResult result = readDocumentFile(path, tempDir);
        MarkRecordList taken = result.takeRecords();
        QVERIFY(result.records.isEmpty());
        QCOMPARE(taken.size(), 2);
        DocumentReadResult moved = std::move(result);
        QCOMPARE(moved.picturePath, tempDir + QStringLiteral("/p.png"));
        clearMarkRecords(taken);
    }

    void failedWrite_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<DocumentError>("error");
        const auto output = DocumentError::CannotOpenOutput;
        const auto input = DocumentError::CannotReadPicture;
        QTest::newRow("target under a regular file") << "docs/old.dld/new.dld"
                                                     << "docs/p.png" << output;
        QTest::newRow("target in a missing directory") << "gone/new.dld"
                                                       << "docs/p.png" << output;
        QTest::newRow("target is a directory") << "docs/folder"
                                               << "docs/p.png" << output;
        QTest::newRow("picture missing") << "docs/old.dld"
                                         << "docs/none.png" << input;
        QTest::newRow("picture path empty") << "docs/old.dld" << QString() << input;
        QTest::newRow("picture file empty") << "docs/old.dld"
                                            << "docs/empty.png" << input;
        QTest::newRow("picture is a directory") << "docs/old.dld"
                                                << "docs/folder" << input;
    }

    void failedWrite()
    {
        QFETCH(QString, target);
        QFETCH(QString, picture);
        QFETCH(DocumentError, error);
        QVERIFY(writeFile(docsDir + "/p.png", pictureBytes("png")));
        QVERIFY(writeFile(docsDir + "/empty.png", QByteArray()));
        QVERIFY(writeFile(docsDir + "/old.dld", "old document"));
        QVERIFY(QDir(docsDir).mkdir("folder"));
        QVERIFY(writeFile(docsDir + "/folder/inside", "x"));
        const QStringList before = filesBelow(sandbox->path());

        MarkRecordList none;
        const QString picturePath = picture.isEmpty() ? QString() : sandbox->filePath(picture);
        QCOMPARE(writeDocumentFile(sandbox->filePath(target), picturePath, none, 0), error);
        QCOMPARE(fileBytes(docsDir + "/old.dld"), QByteArray("old document"));
        QCOMPARE(filesBelow(sandbox->path()), before);
    }

#ifdef Q_OS_UNIX
    void writeFailingHalfwayKeepsOldDocument()
    {
        const QString picturePath = docsDir + QStringLiteral("/large.bmp");
        QVERIFY(writeFile(picturePath, pictureBytes("bmp", QSize(200, 200))));
        const QString target = docsDir + QStringLiteral("/old.dld");
        QVERIFY(writeFile(target, "old document"));
        const QStringList before = filesBelow(sandbox->path());

        MarkRecordList none;
        DocumentError error = DocumentError::None;
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.isActive());
            error = writeDocumentFile(target, picturePath, none, 0);
        }

        QCOMPARE(error, DocumentError::CannotOpenOutput);
        QCOMPARE(fileBytes(target), QByteArray("old document"));
        QCOMPARE(filesBelow(sandbox->path()), before);
    }
#endif

    void errorMessages_data()
    {
        QTest::addColumn<DocumentError>("error");
        QTest::addColumn<int>("min");
        QTest::addColumn<QString>("message");
        QTest::newRow("no error") << DocumentError::None << 0 << QString();
        QTest::newRow("open") << DocumentError::CannotOpenDocument << 0
                              << "Could not open document file.";
        QTest::newRow("read") << DocumentError::CannotReadDocument << 0
                              << "Could not read document file.";
        QTest::newRow("version") << DocumentError::VersionTooNew << 10010
                                 << "This document request min version '1.1.0'. which you are "
                                    "using '1.0.0'.  File can not open. Please update application.";
        QTest::newRow("extract") << DocumentError::CannotWritePicture << 0
                                 << "Could not parse image data. Open Failed. :(";
        QTest::newRow("picture on save")
            << DocumentError::CannotReadPicture << 0 << "Could not save image file.";
        QTest::newRow("output") << DocumentError::CannotOpenOutput << 0
                                << "Could not open output file.";
    }

    void errorMessages()
    {
        QFETCH(DocumentError, error);
        QFETCH(int, min);
        QFETCH(QString, message);
        QCOMPARE(documentErrorMessage(error, min), message);
    }
};

DIMLET_TEST_MAIN(TestDLDocument)
#include "tst_dldocument.moc"
