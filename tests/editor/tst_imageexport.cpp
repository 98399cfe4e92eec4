#include "testsupport.h"

#include "documentfixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "deployment.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QImageReader>
#include <QTemporaryDir>

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

    void failedWriteKeepsTheOldFile()
    {
        QVERIFY(writeFile(dir.filePath("old.bmp"), "old"));
        bool written = true;
        {
            FileSizeLimit limit(4096);
            written = exportImage(samplePicture(QSize(200, 200)), dir.filePath("old.bmp"));
        }
        QVERIFY(!written);
        QCOMPARE(fileBytes(dir.filePath("old.bmp")), QByteArray("old"));
        QVERIFY(!exportImage(QImage(), dir.filePath("old.bmp")));
        QCOMPARE(fileBytes(dir.filePath("old.bmp")), QByteArray("old"));
    }
};

DIMLET_TEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
