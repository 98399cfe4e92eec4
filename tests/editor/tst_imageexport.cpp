#include "testsupport.h"

#include "filefixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "deployment.h"
#include "editor/imageexport.h"
#include "marks/dlmarktypes.h"
#include "marks/markrecord.h"

#include <QBuffer>
#include <QGraphicsView>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

namespace {
// Opaque colour bands with a fully transparent and a half transparent block, so that
// both scaling and lost transparency show up in the pixels.
QImage samplePicture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x + y) % 256));
    }
    for (int y = 0; y < size.height() / 4; ++y) {
        for (int x = 0; x < size.width() / 4; ++x) {
            image.setPixelColor(x, y, Qt::transparent);
            image.setPixelColor(size.width() - 1 - x, y, QColor(0, 0, 255, 128));
        }
    }
    return image;
}

// Sum of channel differences between two images of one size.
qint64 distance(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum;
}

// One mark of every kind inside the picture, and a length, a rectangle and a comment that
// reach past its edges, so their cut edges are composed too.
MarkRecordList marksOfEveryKind(const QSize &size)
{
    const QPointF middle(size.width() / 2, size.height() / 2);
    const struct
    {
        int type;
        QPointF first;
        QPointF second;
        const char *text;
        double maxw;
    } marks[] = {
        {MarkLength, QPointF(3, 5), QPointF(size.width() - 4, 5), "", 100.0},
        {MarkLength, QPointF(6, 2), QPointF(6, size.height() + 30), "", 100.0},
        {MarkRect, QPointF(10, 12), middle, "", -1.0},
        {MarkRect, middle, QPointF(size.width() + 20, size.height() + 15), "", -1.0},
        {MarkColorPick, middle, middle + QPointF(25, -20), "", -1.0},
        {MarkComments, QPointF(15, size.height() - 10), middle + QPointF(-40, 10),
            "Padding\n8 px on both sides", 70.0},
        {MarkComments, middle, QPointF(size.width() - 5, 8), "Past the right edge", -1.0},
    };
    MarkRecordList records;
    double z = 1.0;
    for (const auto &mark : marks) {
        auto *record = new MarkRecord;
        record->type = mark.type;
        record->idx = z++;
        record->point1 = mark.first;
        record->point2 = mark.second;
        record->text = QString::fromUtf8(mark.text);
        record->maxw = mark.maxw;
        records.append(record);
    }
    return records;
}

// The composition written out plainly: a transparent image, the picture drawn over it, then
// the marks.
QImage composedPlainly(DLGraphicsScene *scene)
{
    QImage image(scene->image.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene->renderTo(&painter);
    painter.end();
    return image;
}
} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    // A scene shown in a view, as in the editor, holding picture saved under name.
    struct Canvas
    {
        DLGraphicsScene scene;
        QGraphicsView view {&scene};
    };

    std::unique_ptr<Canvas> canvasWith(const QImage &picture, const QString &name)
    {
        const QString path = dir.filePath(name);
        if (!picture.save(path, "png"))
            return nullptr;
        auto canvas = std::make_unique<Canvas>();
        canvas->view.resize(300, 200);
        canvas->scene.loadImage(path);
        return canvas;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void noPicture()
    {
        DLGraphicsScene scene;
        QVERIFY(buildExportImage(&scene).isNull());
        QVERIFY(buildExportImage(nullptr).isNull());
        const QString target = dir.filePath(QStringLiteral("nothing.png"));
        QVERIFY(!exportImage(buildExportImage(&scene), target));
        QVERIFY(!QFile::exists(target));
    }

    void pictureSizeWhateverTheZoom_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("640 x 480 at 100%") << QSize(640, 480) << 1.0 << "p.png" << QSize(640, 480);
        QTest::newRow("640 x 480 at 300%") << QSize(640, 480) << 3.0 << "p.png" << QSize(640, 480);
        QTest::newRow("odd size at 25%") << QSize(201, 77) << 0.25 << "p.png" << QSize(201, 77);
        QTest::newRow("one pixel at 300%") << QSize(1, 1) << 3.0 << "p.png" << QSize(1, 1);
        QTest::newRow("retina picture at its halved size")
            << QSize(200, 100) << 3.0 << "shot@2x.png" << QSize(100, 50);
    }

    void pictureSizeWhateverTheZoom()
    {
        QFETCH(QSize, size);
        QFETCH(double, zoom);
        QFETCH(QString, name);
        QFETCH(QSize, expected);
        const QImage picture = samplePicture(size);
        auto canvas = canvasWith(picture, name);
        QVERIFY(canvas);
        canvas->scene.setScale(zoom, &canvas->view);
        QCOMPARE(canvas->scene.scale, zoom);

        const QImage exported = buildExportImage(&canvas->scene);
        QCOMPARE(exported.size(), expected);
        QCOMPARE(exported.format(), QImage::Format_ARGB32_Premultiplied);
        const QImage reference = canvas->scene.image.convertToFormat(exported.format());
        QCOMPARE(exported, reference);
    }

    void textEntriesInOrder()
    {
        auto canvas = canvasWith(samplePicture(QSize(20, 10)), QStringLiteral("t.png"));
        QVERIFY(canvas);
        const QString target = dir.filePath(QStringLiteral("texts.png"));
        QVERIFY(exportImage(buildExportImage(&canvas->scene), target));
        QImageReader reader(target);
        QCOMPARE(reader.textKeys(), QStringList({"PowerBy", "home"}));
        QCOMPARE(reader.text(QStringLiteral("PowerBy")), QStringLiteral("Dimlet"));
        QCOMPARE(reader.text(QStringLiteral("home")), QStringLiteral(DIMLET_HOME_URL));
    }

    void pngKeepsTransparency()
    {
        const QImage picture = samplePicture(QSize(40, 40));
        auto canvas = canvasWith(picture, QStringLiteral("alpha.png"));
        QVERIFY(canvas);
        const QString target = dir.filePath(QStringLiteral("alpha-export.png"));
        QVERIFY(exportImage(buildExportImage(&canvas->scene), target));
        const QImage back = QImage(target).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), picture.size());
        QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(back.pixel(9, 9)), 0);
        QCOMPARE(qAlpha(back.pixel(39, 0)), 128);
        QCOMPARE(qBlue(back.pixel(39, 0)), 255);
        QCOMPARE(back.pixel(20, 20), picture.pixel(20, 20));
    }

    void formats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("png") << "out.png" << QByteArray("png") << 0;
        QTest::newRow("jpeg") << "out.jpeg" << QByteArray("jpeg") << 6;
        QTest::newRow("jpg") << "out.jpg" << QByteArray("jpeg") << 6;
        QTest::newRow("bmp") << "out.bmp" << QByteArray("bmp") << 0;
        QTest::newRow("upper-case suffix") << "upper.PNG" << QByteArray("png") << 0;
    }

    void formats()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(int, tolerance);
        const QImage picture = samplePicture(QSize(64, 48));
        auto canvas = canvasWith(picture, QStringLiteral("f.png"));
        QVERIFY(canvas);
        const QString target = dir.filePath(name);
        QVERIFY(exportImage(buildExportImage(&canvas->scene), target));
        QImageReader reader(target);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage back = reader.read();
        QCOMPARE(back.size(), picture.size());
        // An opaque pixel away from the transparent blocks.
        const QColor expected = picture.pixelColor(32, 40);
        const QColor actual = back.pixelColor(32, 40);
        QVERIFY2(qAbs(actual.red() - expected.red()) <= tolerance
                && qAbs(actual.green() - expected.green()) <= tolerance
                && qAbs(actual.blue() - expected.blue()) <= tolerance,
            qPrintable(actual.name() + QLatin1String(" vs ") + expected.name()));
    }

    // Quality 100 keeps the picture closer than the writer's default quality does.
    void jpegAtFullQuality()
    {
        auto canvas = canvasWith(samplePicture(QSize(64, 48)), QStringLiteral("q.png"));
        QVERIFY(canvas);
        const QImage image = buildExportImage(&canvas->scene);
        const QString target = dir.filePath(QStringLiteral("quality.jpg"));
        QVERIFY(exportImage(image, target));
        QBuffer defaultQuality;
        defaultQuality.open(QIODevice::WriteOnly);
        QVERIFY(QImageWriter(&defaultQuality, "jpeg").write(image));
        const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
        const qint64 exportedError = distance(QImage(target), opaque);
        const qint64 defaultError = distance(QImage::fromData(defaultQuality.data()), opaque);
        QVERIFY2(exportedError < defaultError,
            qPrintable(QStringLiteral("%1 vs %2").arg(exportedError).arg(defaultError)));
    }

    void refusedTargets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("tiff suffix") << "out.tiff";
        QTest::newRow("document suffix") << "out.dld";
        QTest::newRow("no suffix") << "out";
        QTest::newRow("missing directory") << "gone/out.png";
    }

    void refusedTargets()
    {
        QFETCH(QString, name);
        auto canvas = canvasWith(samplePicture(QSize(8, 8)), QStringLiteral("r.png"));
        QVERIFY(canvas);
        const QString target = dir.filePath(name);
        QVERIFY(!exportImage(buildExportImage(&canvas->scene), target));
        QVERIFY(!QFileInfo::exists(target));
    }

    // Opaque exports skip a conversion; the file must be the one a plain writer makes.
    void sameFileAsAPlainWriter_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("opaque");
        QTest::addColumn<bool>("metadata");
        for (const char *suffix : {"png", "bmp", "jpg"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, every pixel opaque").arg(suffix)))
                << QString::fromLatin1(suffix) << true << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, transparent corners").arg(suffix)))
                << QString::fromLatin1(suffix) << false << false;
            QTest::newRow(qPrintable(
                QStringLiteral("%1, opaque, with its own resolution and text").arg(suffix)))
                << QString::fromLatin1(suffix) << true << true;
        }
    }

    void sameFileAsAPlainWriter()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, opaque);
        QFETCH(bool, metadata);
        QImage picture = samplePicture(QSize(67, 41));
        if (opaque)
            picture = picture.convertToFormat(QImage::Format_RGB32);
        QImage composed = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (metadata) {
            composed.setDotsPerMeterX(11811);
            composed.setDotsPerMeterY(5905);
            composed.setText(QStringLiteral("Author"), QStringLiteral("someone"));
        }
        const QString target = dir.filePath(QStringLiteral("same.") + suffix);
        QVERIFY(exportImage(composed, target));

        QBuffer plain;
        plain.open(QIODevice::WriteOnly);
        QImageWriter writer(&plain, suffix.toLatin1());
        writer.setQuality(100);
        writer.setText(QStringLiteral("PowerBy"), QStringLiteral("Dimlet"));
        writer.setText(QStringLiteral("home"), QStringLiteral(DIMLET_HOME_URL));
        QVERIFY(writer.write(composed));
        QCOMPARE(fileBytes(target), plain.data());
    }

    void sameAsThePlainComposition_data()
    {
        QTest::addColumn<bool>("opaque");
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("pixelRatio");
        QTest::newRow("opaque picture") << true << int(QImage::Format_RGB32) << 1.0;
        QTest::newRow("picture with transparent and half transparent areas")
            << false << int(QImage::Format_ARGB32) << 1.0;
        QTest::newRow("premultiplied picture with transparent areas")
            << false << int(QImage::Format_ARGB32_Premultiplied) << 1.0;
        QTest::newRow("24-bit picture") << true << int(QImage::Format_RGB888) << 1.0;
        QTest::newRow("picture at twice the pixel ratio")
            << false << int(QImage::Format_ARGB32) << 2.0;
    }

    // The export is written for the same picture and marks with the same bytes as the plain
    // composition would give.
    void sameAsThePlainComposition()
    {
        QFETCH(bool, opaque);
        QFETCH(int, format);
        QFETCH(double, pixelRatio);
        const QSize size(181, 97);
        auto canvas = canvasWith(samplePicture(size), QStringLiteral("plain.png"));
        QVERIFY(canvas);
        QImage picture = samplePicture(size).convertToFormat(QImage::Format(format));
        QCOMPARE(picture.hasAlphaChannel(), !opaque);
        picture.setDevicePixelRatio(pixelRatio);
        canvas->scene.image = picture;
        MarkRecordList records = marksOfEveryKind(size);
        QVERIFY(canvas->scene.loadDocument(records, dir.filePath(QStringLiteral("plain.png")), 8));
        clearMarkRecords(records);
        canvas->scene.image = picture;

        const QImage plain = composedPlainly(&canvas->scene);
        const QImage exported = buildExportImage(&canvas->scene);
        QVERIFY(plain != picture.convertToFormat(plain.format()));
        QCOMPARE(exported.format(), plain.format());
        QCOMPARE(exported.devicePixelRatio(), 1.0);
        QCOMPARE(exported, plain);

        const QString target = dir.filePath(QStringLiteral("composed.png"));
        const QString reference = dir.filePath(QStringLiteral("composed-plainly.png"));
        QVERIFY(exportImage(exported, target));
        QVERIFY(exportImage(plain, reference));
        QCOMPARE(fileBytes(target), fileBytes(reference));
    }

    void replacesAnExistingFile()
    {
        auto canvas = canvasWith(samplePicture(QSize(8, 8)), QStringLiteral("e.png"));
        QVERIFY(canvas);
        const QString target = dir.filePath(QStringLiteral("existing.bmp"));
        QVERIFY(writeFile(target, "old contents"));
        QVERIFY(exportImage(buildExportImage(&canvas->scene), target));
        QCOMPARE(QImage(target).size(), QSize(8, 8));
    }

    void nullImageKeepsTheOldFile()
    {
        const QString target = dir.filePath(QStringLiteral("keep.png"));
        QVERIFY(writeFile(target, "old contents"));
        QVERIFY(!exportImage(QImage(), target));
        QCOMPARE(fileBytes(target), QByteArray("old contents"));
    }

#ifdef Q_OS_UNIX
    void writeFailingHalfwayKeepsTheOldFile()
    {
        auto canvas = canvasWith(samplePicture(QSize(200, 200)), QStringLiteral("big.png"));
        QVERIFY(canvas);
        const QImage image = buildExportImage(&canvas->scene);
        QTemporaryDir targetDir;
        const QString target = targetDir.filePath(QStringLiteral("keep.bmp"));
        QVERIFY(writeFile(target, "old contents"));

        bool written = true;
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.isActive());
            written = exportImage(image, target);
        }

        QVERIFY(!written);
        QCOMPARE(fileBytes(target), QByteArray("old contents"));
        QCOMPARE(QDir(targetDir.path()).entryList(QDir::Files), QStringList {"keep.bmp"});
    }
#endif
};

DIMLET_TEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
