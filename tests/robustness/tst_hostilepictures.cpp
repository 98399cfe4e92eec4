#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

// Pictures that lie about their size or end early are unreadable (never allocated whole),
// without a message; the bound counts pixels, not sides.
class TestHostilePictures : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    static QByteArray encoded(const char *format, int width = 64, int height = 64)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x ^ y) % 256));
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? bytes : "";
    }

private slots:
    void pictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("opened"); // 0x0: unreadable
        QByteArray jpeg = encoded("jpg");
        const int frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2)) + 5;
        qToBigEndian(quint16(16384), jpeg.data() + frame);
        qToBigEndian(quint16(16385), jpeg.data() + frame + 2);
        const QByteArray png = encoded("png");
        // libjpeg fills a cut file in, so without the bound this one would open at full size.
        QTest::newRow("JPEG claiming one row over the bound") << jpeg << QSize(0, 0);
        QTest::newRow("PNG cut inside its pixel data") << png.left(png.size() / 2) << QSize(0, 0);
        QTest::newRow("long thin picture far under the bound")
            << encoded("png", 20000, 2) << QSize(20000, 2);
    }

    void pictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, opened);
        QFile file(dir.filePath(QStringLiteral("picture")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        PromptRecorder prompts;
        DLGraphicsScene scene;
        scene.loadImage(file.fileName());
        const QPoint last(opened.width() - 1, opened.height() - 1);
        QCOMPARE(scene.image().size(), opened);
        QCOMPARE(scene.pixelAt(last),
            opened.isEmpty() ? 0xFFFFFFFFu : QImage::fromData(bytes).pixel(last));
        QVERIFY(prompts.prompts().isEmpty());
    }
};

DIMLET_TEST_MAIN(TestHostilePictures)
#include "tst_hostilepictures.moc"
