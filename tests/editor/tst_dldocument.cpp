#include "testsupport.h"

#include "documentfixtures.h"

#include <QTemporaryDir>
#include <limits>

namespace {
const QString readFailed = QStringLiteral("Could not read document file.");
const QString extractFailed = QStringLiteral("Could not parse image data. Open Failed. :(");

// One record as "type idx x1,y1 x2,y2 maxw text".
QString describe(const MarkRecord &r)
{
    return QString::asprintf("%d %.17g %.17g,%.17g %.17g,%.17g %.17g", r.type, r.idx, r.point1.x(),
               r.point1.y(), r.point2.x(), r.point2.y(), r.maxw)
        + (r.text.isEmpty() ? QString() : ' ' + r.text);
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
        QCOMPARE(writeDocument(docs + "/out.dld", docs + "/shot.png",
                     {{3, 5, {1, 2}, {3, 4}, "note", 80}, {0, 4, {5, 6}, {5, 9}, "lost", -1}}, 6.0),
            DocumentError::None);
        const QJsonDocument data = QJsonDocument::fromJson(
            R"({"filename":"shot.png","min":10000,"version":"1.0.0","youknown":[)"
            R"({"idx":5,"maxw":80,"text":"note","type":3,"x1":1,"x2":3,"y1":2,"y2":4},)"
            R"({"idx":4,"maxw":-1,"type":0,"x1":5,"x2":5,"y1":6,"y2":9}],"z-value":6})");
        QCOMPARE(fileBytes(docs + "/out.dld"), block(picture) + block(binaryJson(data)));
    }

    // Documents of this program's writer read back equal; forged or damaged ones give the
    // message, or "z=<z-value>", then the records the reader makes of them. "picture" is the
    // name extracted into the temporary folder; nothing may be written anywhere else.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("picture");
        const auto row = [](const QString &name, const QByteArray &bytes, const QString &expected,
                             const QString &picture = "pic.png") {
            QTest::newRow(qPrintable(name)) << bytes << expected << picture;
        };
        const QString source = sandbox.filePath("canvas picture.bmp");
        const auto written = [&](const char *name, const QVector<MarkRecord> &marks, double z,
                                 const QByteArray &picture = pictureBytes("bmp", {300, 300})) {
            writeFile(source, picture);
            writeDocument(sandbox.filePath("written.dld"), source, marks, z);
            QStringList records {"z=" + QString::number(z)};
            for (const MarkRecord &r : marks)
                records << describe(r);
            row(name, fileBytes(sandbox.filePath("written.dld")), records.join(" | "),
                "canvas picture.bmp");
        };
        // The 352 KiB picture goes across in more than one 256 KiB piece.
        written("every kind, topmost first, fractional z, points past the edges",
            {{3, 7.5, {40, 50}, {90, 20}, "Zeile\n\u00c4nderung \u65e5\U0001F600 \"q\" @\\\t", 120},
                {2, 6, {12, 13}, {12, 13}, "", -1}, {1, 3, {-5, -7}, {2000, 3000}, "", -1},
                {0, 1, {5, 8}, {5, 300}, "", 1}},
            8.25);
        written("picture block that is no picture is handed over", {{0, 0, {1, 1}, {9, 1}, "", -1}},
            1, "plain text, not a picture\n");

        const QJsonValue gone;
        const QJsonObject length {{"idx", 2.0}, {"type", 0}, {"x1", 1.0}, {"y1", 2.0}, {"x2", 3.0},
            {"y2", 4.0}, {"maxw", 50.0}};
        const auto doc = [&](const QJsonObject &change, const QJsonObject &markChange = {}) {
            QJsonObject object = changed(documentObject("pic.png"), change);
            object.insert("youknown", QJsonArray {changed(length, markChange)});
            return documentBytes(object);
        };
        const QString one = "0 2 1,2 3,4 50";
        const QString tooNew = "This document request min version '%1'. which you are using "
                               "'1.0.0'.  File can not open. Please update application.";
        row("complete document", doc({}), "z=3 | " + one);
        row("no min", doc({{"min", gone}}), "z=3 | " + one);
        row("min one above", doc({{"min", 10001}}), tooNew.arg("1.0.1"), "");
        row("min with a two-digit minor", doc({{"min", 20305}}), tooNew.arg("2.30.5"), "");
        row("mark without type is skipped", doc({}, {{"type", gone}}), "z=3");
        row("comment without maxw keeps every default",
            doc({}, {{"type", 3}, {"text", "hi"}, {"maxw", gone}}), "z=3 | 3 -1 0,0 0,0 -1");
        for (const char *key : {"idx", "x1", "y1", "x2", "y2"})
            row(QString("mark without %1 keeps every default").arg(key), doc({}, {{key, gone}}),
                "z=3 | 0 -1 0,0 0,0 -1");
        row("text of a length mark is not read", doc({}, {{"text", "hi"}}), "z=3 | " + one);
        row("points are integers, a fraction reads as 0", doc({}, {{"x1", 12.5}}),
            "z=3 | 0 2 0,2 3,4 50");
        const double inf = std::numeric_limits<double>::infinity();
        row("non-finite values take the defaults",
            doc({{"z-value", inf}},
                {{"idx", std::numeric_limits<double>::quiet_NaN()}, {"maxw", inf}}),
            "z=0 | 0 -1 1,2 3,4 -1");

        // Only the last part of a stored name is used; a name with no usable part is refused.
        const auto named = [&](const QString &name) { return doc({{"filename", name}}); };
        row("windows separators", named("a\\b\\shot.png"), "z=3 | " + one, "shot.png");
        row("parent traversal", named("../../escape.png"), "z=3 | " + one, "escape.png");
        row("drive-relative path", named("C:x.png"), "z=3 | " + one, "x.png");
        row("ending in dot dot", named("a/..\\.."), extractFailed + " | " + one, "");
        row("embedded null", named(QString::fromUtf16(u"x\0.png", 6)), extractFailed + " | " + one,
            "");

        const QByteArray picture = pictureBytes("png");
        const QByteArray pic = block(picture);
        const QByteArray data = binaryJson(QJsonDocument(documentObject("p.png", {length})));
        row("no file at all", QByteArray(), "Could not open document file.", "");
        row("zero-byte file", QByteArray(""), readFailed, "");
        row("empty picture block", block("") + block(data), readFailed, "");
        row("picture length far past the end", block(picture, 0x7FFFFFF0), readFailed, "");
        row("picture block one byte short", pic.chopped(1), readFailed, "");
        row("empty data block", pic + block(""), readFailed, "");
        row("data block one byte short", pic + block(data).chopped(1), readFailed, "");
        row("data block of plain text", pic + block("not json"), extractFailed, "");
        QByteArray forged = data;
        qToLittleEndian(quint32(data.size()), forged.data() + 8);
        row("binary JSON root size past its block", pic + block(forged), extractFailed, "");
        forged = data;
        qToLittleEndian(quint32(0xFFFFFF00), forged.data() + data.size() - 4);
        row("binary JSON with a wild table offset", pic + block(forged), extractFailed, "");
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(QString, picture);
        QStringList files;
        if (!bytes.isNull()) {
            QVERIFY(writeFile(docs + "/doc.dld", bytes));
            files << "docs/doc.dld";
        }
        const DocumentReadResult result = readDocumentFile(docs + "/doc.dld", tempDir);
        QStringList seen {documentErrorMessage(result.error, result.minVersionCode)};
        if (!picture.isEmpty())
            seen[0] += "z=" + QString::number(result.zValue);
        for (const MarkRecord *r : result.records)
            seen << describe(*r);
        QCOMPARE(seen.join(" | "), expected);
        QCOMPARE(result.picturePath, picture.isEmpty() ? QString() : tempDir + '/' + picture);
        if (!picture.isEmpty()) {
            QCOMPARE(fileBytes(result.picturePath),
                bytes.mid(4, qFromBigEndian<quint32>(bytes.constData())));
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
        QVERIFY(result.error == DocumentError::None && !QFileInfo(result.picturePath).isSymLink());
        QCOMPARE(fileBytes(victim), QByteArray("keep"));
    }
};

DIMLET_TEST_MAIN(TestDLDocument)
#include "tst_dldocument.moc"
