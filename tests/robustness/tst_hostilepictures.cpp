#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"

#include <QBuffer>
#include <QGraphicsPixmapItem>
#include <QTemporaryDir>
#include <QtEndian>

// Pictures that lie about their size or end early: each is unreadable (never allocated whole),
// and the same canvas opens a good picture afterwards.
class TestHostilePictures : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    static QByteArray encoded(const char *format)
    {
        QImage image(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x ^ y) % 256));
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    template<typename T> static QByteArray patched(QByteArray bytes, int at, T a, T b)
    {
        qToBigEndian(a, bytes.data() + at);
        qToBigEndian(b, bytes.data() + at + int(sizeof(T)));
        return bytes;
    }

    // A real PNG whose header names another size, with a checksum that still matches.
    static QByteArray pngClaiming(quint32 w, quint32 h)
    {
        QByteArray png = patched(encoded("png"), 16, w, h);
        quint32 crc = 0xFFFFFFFFu;
        for (const char c : png.mid(12, 17)) {
            crc ^= uchar(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        qToBigEndian(~crc, png.data() + 29);
        return png;
    }

    static QByteArray jpegClaiming(quint16 w, quint16 h)
    {
        const QByteArray jpeg = encoded("jpg");
        return patched(jpeg, jpeg.indexOf(QByteArray("\xFF\xC0", 2)) + 5, h, w);
    }

private slots:
    void unreadablePictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray png = encoded("png");
        QTest::newRow("PNG claiming one row over the bound") << pngClaiming(16385, 16384);
        // libjpeg fills a cut file in, so without the bound this one would open at full size.
        QTest::newRow("JPEG claiming one row over the bound") << jpegClaiming(16385, 16384);
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("PNG cut inside its pixel data") << png.left(png.size() / 2);
    }

    void unreadablePictures()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir.filePath(QStringLiteral("hostile"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();

        PromptRecorder prompts;
        DLGraphicsView view;
        DLGraphicsScene scene;
        view.setScene(&scene);
        view.setGeometry(0, 0, 800, 600);
        scene.loadImage(path);
        QVERIFY(scene.image().isNull());
        QVERIFY(scene.imageItem()->pixmap().isNull());
        QCOMPARE(scene.sceneRect(), QRectF(-400, -300, 800, 600));
        QCOMPARE(scene.pixelAt(QPointF(0, 0)), 0xFFFFFFFFu);
        QVERIFY(prompts.prompts().isEmpty());

        // The bound counts pixels, not sides: a long thin picture far under it opens.
        const QString strip = dir.filePath(QStringLiteral("strip.png"));
        QImage good(20000, 2, QImage::Format_RGB32);
        good.fill(qRgb(1, 2, 3));
        QVERIFY(good.save(strip));
        scene.loadImage(strip);
        QCOMPARE(scene.image().size(), QSize(20000, 2));
        QCOMPARE(scene.pixelAt(QPointF(19999, 1)), qRgb(1, 2, 3));
    }
};

DIMLET_TEST_MAIN(TestHostilePictures)
#include "tst_hostilepictures.moc"
