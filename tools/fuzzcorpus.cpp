// Writes the fuzz targets' seed corpora: documents made by the program's own writer,
// pictures in the three formats, update replies and preferences files.
#include "editor/dldocument.h"
#include "fuzz/checks/picturecheck.h"
#include "marks/dlmarktypes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {
QString outputRoot;

void save(const QString &target, const QString &name, const QByteArray &bytes)
{
    const QString dir = QDir(outputRoot).filePath(target);
    QDir().mkpath(dir);
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QImage samplePicture(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(QColor(250, 250, 250));
    QPainter painter(&image);
    painter.fillRect(1, 1, w / 2, h / 2, QColor(200, 30, 40));
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(20, 90, 200, 128));
    painter.end();
    return image.convertToFormat(format);
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot encode %s\n", format);
        std::exit(1);
    }
    return bytes;
}

MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, double maxw, QString text = {})
{
    auto r = new MarkRecord;
    r->type = type;
    r->idx = idx;
    r->point1 = p1;
    r->point2 = p2;
    r->maxw = maxw;
    r->text = std::move(text);
    return r;
}

void writeDocument(const QString &name, const QString &pictureName, const QByteArray &picture,
    const MarkRecordList &records, double nextZ)
{
    QTemporaryDir work;
    const QString picturePath = work.filePath(pictureName);
    QFile file(picturePath);
    file.open(QIODevice::WriteOnly);
    file.write(picture);
    file.close();
    const QString target = work.filePath(QStringLiteral("out.dld"));
    if (writeDocumentFile(target, picturePath, records, nextZ) != DocumentError::None) {
        std::fprintf(stderr, "cannot write document %s\n", qPrintable(name));
        std::exit(1);
    }
    QFile written(target);
    written.open(QIODevice::ReadOnly);
    save(QStringLiteral("document"), name, written.readAll());
}

void writeDocuments()
{
    const QByteArray png = encoded(samplePicture(6, 4, QImage::Format_ARGB32), "png");
    const QByteArray jpg = encoded(samplePicture(8, 8, QImage::Format_RGB32), "jpg", 60);
    const QByteArray bmp = encoded(samplePicture(5, 3, QImage::Format_RGB888), "bmp");

    MarkRecordList none;
    writeDocument(QStringLiteral("no-marks-png.dld"), QStringLiteral("shot.png"), png, none, 0.0);

    MarkRecordList each;
    each << record(MarkLength, 0, {1, 1}, {5, 1}, -1) << record(MarkRect, 1, {0, 0}, {4, 3}, -1)
         << record(MarkColorPick, 2, {2, 2}, {2, 2}, -1)
         << record(MarkComments, 3, {1, 2}, {4, 0}, 120, QStringLiteral("check the gap"));
    writeDocument(
        QStringLiteral("each-kind-jpeg.dld"), QStringLiteral("screen.jpg"), jpg, each, 4.0);
    clearMarkRecords(each);

    MarkRecordList odd;
    odd << record(MarkComments, 7, {-3, -2}, {9, 9}, 0.5,
        QStringLiteral("Zeile eins\nline two \u00e9\u4e2d @ \"quoted\""))
        << record(MarkLength, 5, {0, 2}, {0, 2}, 1) << record(MarkRect, -1, {4, 2}, {0, 0}, -1);
    writeDocument(QStringLiteral("retina-bmp.dld"), QStringLiteral("ui@2x.bmp"), bmp, odd, 8.0);
    clearMarkRecords(odd);

    MarkRecordList many;
    for (int i = 0; i < 24; ++i)
        many << record(i % 4, 23 - i, {double(i % 6), double(i % 4)}, {double(5 - i % 6), 3}, -1,
            i % 4 == MarkComments ? QStringLiteral("note %1").arg(i) : QString());
    writeDocument(QStringLiteral("many-marks-png.dld"), QStringLiteral("a b.png"), png, many, 24.0);
    clearMarkRecords(many);
}

void writePictures()
{
    const QImage sample = samplePicture(7, 5, QImage::Format_ARGB32);
    const struct
    {
        const char *name;
        QByteArray file;
    } pictures[] = {
        {"argb.png", encoded(sample, "png")},
        {"indexed.png", encoded(sample.convertToFormat(QImage::Format_Indexed8), "png")},
        {"gray.png", encoded(sample.convertToFormat(QImage::Format_Grayscale8), "png")},
        {"rgb.jpg", encoded(sample.convertToFormat(QImage::Format_RGB32), "jpg", 50)},
        {"gray.jpg", encoded(sample.convertToFormat(QImage::Format_Grayscale8), "jpg", 90)},
        {"rgb24.bmp", encoded(sample.convertToFormat(QImage::Format_RGB888), "bmp")},
        {"argb32.bmp", encoded(sample, "bmp")},
        {"indexed.bmp", encoded(sample.convertToFormat(QImage::Format_Indexed8), "bmp")},
        {"mono.bmp", encoded(sample.convertToFormat(QImage::Format_Mono), "bmp")},
    };
    for (const auto &picture : pictures)
        save(QStringLiteral("picture"), QString::fromLatin1(picture.name),
            pictureInputFor(picture.file));
}

void writeUpdateReplies()
{
    const struct
    {
        const char *name;
        const char *body;
    } replies[] = {
        {"newer.json", R"({"version":"1.2.0","date":"2024-05-01","note":"Faster@Fixes"})"},
        {"same.json", R"({"version":"1.0.0","date":"2018-06-14","note":""})"},
        {"padded.json", R"({"version":" 1.0.0","note":"x"})"},
        {"number-version.json", R"({"version":2,"date":null,"note":["a"]})"},
        {"array.json", R"([{"version":"2.0.0"}])"},
        {"escapes.json", R"({"version":"2.0.0\u0000","note":"\ud83d\ude00@@\n"})"},
        {"nested.json", R"({"a":{"b":[[[{"c":1e308}]]]},"version":"0.9"})"},
        {"empty", ""},
    };
    for (const auto &reply : replies)
        save(QStringLiteral("updateoffer"), QString::fromLatin1(reply.name), reply.body);
}

void writePreferences()
{
    const struct
    {
        const char *name;
        const char *body;
    } files[] = {
        {"chosen.ini",
            "[General]\ndl_mark_color=3\ndl_color_fmt=2\ndl_mac_profile=true\n"
            "dl_background=3\ndl_flipY=true\napp_language=de\n"},
        {"out-of-range.ini",
            "[General]\ndl_mark_color=7\ndl_color_fmt=-1\ndl_background=4\n"
            "dl_mark_color=-2147483648\napp_language=../de\n"},
        {"variants.ini",
            "[General]\ndl_mark_color=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
            "dl_background=@Rect(1 2 3 4)\ndl_flipY=@Size(2 3)\n"
            "app_language=@ByteArray(ja)\ndl_color_fmt=\"6\"\n"},
        {"sections.ini",
            "dl_mark_color=2\n[Other]\ndl_mark_color=5\n[General]\n"
            "dl_mac_profile=1\n; comment\n\\dl_flipY=yes\n"},
        {"empty.ini", ""},
    };
    for (const auto &file : files)
        save(QStringLiteral("preferences"), QString::fromLatin1(file.name), file.body);
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    outputRoot = QString::fromLocal8Bit(argv[1]);
    writeDocuments();
    writePictures();
    writeUpdateReplies();
    writePreferences();
    return 0;
}
