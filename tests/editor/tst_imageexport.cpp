#include "testsupport.h"

#include "documentfixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "deployment.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QImageReader>
#include <QTemporaryDir>
#include <memory>

namespace {
// Colour bands below a fully transparent and a half transparent block.
QImage samplePicture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                y >= 50      ? qRgb(x % 256, y % 256, 90)
                    : x < 50 ? 0
                             : qRgba(0, 0, 255, 128));
    }
    return image;
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
        }
    }

    void failedExportKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nullImage");
        QTest::addColumn<int>("sizeLimit");
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
