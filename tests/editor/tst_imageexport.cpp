#include "testsupport.h"

#include "documentfixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "deployment.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <memory>

namespace {
// Colour bands with a fully transparent and a half transparent block at the top.
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

// Sum of colour channel differences from an opaque reference.
qint64 distance(const QImage &image, const QImage &reference)
{
    qint64 sum = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const QRgb q = reference.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum;
}
} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void exported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png at zoom 300") << "out.png" << 3.0 << QByteArray("png");
        QTest::newRow("jpeg at zoom 25") << "out.jpeg" << 0.25 << QByteArray("jpeg");
        QTest::newRow("jpg") << "out.jpg" << 1.0 << QByteArray("jpeg");
        QTest::newRow("bmp") << "out.bmp" << 1.0 << QByteArray("bmp");
    }

    void exported()
    {
        QFETCH(QString, name);
        QFETCH(double, zoom);
        QFETCH(QByteArray, format);
        const QImage picture = samplePicture(QSize(640, 480));
        QVERIFY(picture.save(dir.filePath("picture.png")));
        DLGraphicsScene scene;
        QGraphicsView view(&scene);
        scene.loadImage(dir.filePath("picture.png"));
        scene.setScale(zoom, &view);

        const QImage image = buildExportImage(&scene);
        QCOMPARE(image.size(), QSize(640, 480));
        QVERIFY(exportImage(image, dir.filePath(name)));
        QImageReader reader(dir.filePath(name));
        QCOMPARE(reader.format(), format);
        const QStringList texts = reader.textKeys();
        const QImage back = reader.read();
        QCOMPARE(back.size(), QSize(640, 480));
        if (format == "png") {
            QCOMPARE(texts, QStringList({"PowerBy", "home"}));
            QCOMPARE(reader.text("PowerBy"), QStringLiteral("Dimlet"));
            QCOMPARE(reader.text("home"), QStringLiteral(DIMLET_HOME_URL));
            QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), picture);
        } else if (format == "jpeg") {
            // Quality 100 keeps the picture closer than the writer's default quality does.
            QBuffer defaultQuality;
            defaultQuality.open(QIODevice::WriteOnly);
            QVERIFY(QImageWriter(&defaultQuality, "jpeg").write(image));
            const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
            QVERIFY(
                distance(back, opaque) < distance(QImage::fromData(defaultQuality.data()), opaque));
        }
    }

    void failedExportKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nullImage");
        QTest::addColumn<int>("sizeLimit");
        QTest::newRow("unknown suffix") << "out.tiff" << false << 0;
        QTest::newRow("missing folder") << "gone/out.png" << false << 0;
        QTest::newRow("no picture on the canvas") << "old.png" << true << 0;
        QTest::newRow("disk full half way") << "old.bmp" << false << 4096;
    }

    void failedExportKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, nullImage);
        QFETCH(int, sizeLimit);
        QTemporaryDir target;
        QVERIFY(writeFile(target.filePath("old.png"), "old")
            && writeFile(target.filePath("old.bmp"), "old"));
        const QImage image = nullImage ? QImage() : samplePicture(QSize(200, 200));
        bool written = true;
        {
            std::unique_ptr<FileSizeLimit> limit(
                sizeLimit ? new FileSizeLimit(sizeLimit) : nullptr);
            written = exportImage(image, target.filePath(name));
        }
        QVERIFY(!written);
        QCOMPARE(filesBelow(target.path()), QStringList({"old.bmp", "old.png"}));
        QCOMPARE(fileBytes(target.filePath("old.png")) + fileBytes(target.filePath("old.bmp")),
            QByteArray("oldold"));
    }
};

DIMLET_TEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
