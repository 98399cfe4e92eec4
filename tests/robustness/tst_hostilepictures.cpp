#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/dlgraphicsview.h"

#include <QBuffer>
#include <QGraphicsPixmapItem>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

// Pictures that lie about themselves or end early: the scene must treat each one as
// unreadable or show exactly what it holds, and never allocate what a header claims.
class TestHostilePictures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    static QImage noise(int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
        }
        return image;
    }

    static QByteArray encoded(const QImage &image, const char *format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (!writer.write(image))
            qFatal("cannot encode %s", format);
        return bytes;
    }

    static quint32 crc32(const QByteArray &bytes)
    {
        quint32 crc = 0xFFFFFFFFu;
        for (const char c : bytes) {
            crc ^= uchar(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    }

    template<typename T> static void putBigEndian(QByteArray &bytes, int at, T value)
    {
        char raw[sizeof(T)];
        qToBigEndian(value, raw);
        bytes.replace(at, int(sizeof(T)), raw, int(sizeof(T)));
    }

    // A real PNG whose header names another size, with a checksum that still matches.
    static QByteArray pngClaiming(quint32 w, quint32 h)
    {
        QByteArray png = encoded(noise(4, 4), "png");
        // Signature (8), IHDR length (4), "IHDR" (4), width, height, ...; checksum after 13 bytes.
        putBigEndian(png, 16, w);
        putBigEndian(png, 20, h);
        putBigEndian(png, 29, crc32(png.mid(12, 17)));
        return png;
    }

    static QByteArray jpegClaiming(quint16 w, quint16 h)
    {
        QByteArray jpeg = encoded(noise(8, 8), "jpg");
        const int frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
        if (frame < 0)
            qFatal("no baseline frame header");
        // Marker (2), length (2), precision (1), then height and width.
        putBigEndian(jpeg, frame + 5, h);
        putBigEndian(jpeg, frame + 7, w);
        return jpeg;
    }

    static QByteArray bmpClaiming(qint32 w, qint32 h)
    {
        QByteArray bmp = encoded(noise(4, 4), "bmp");
        for (const auto &[at, value] : {std::pair<int, qint32>(18, w), {22, h}}) {
            char raw[4];
            qToLittleEndian(value, raw);
            bmp.replace(at, 4, raw, 4);
        }
        return bmp;
    }

    struct Canvas
    {
        DLGraphicsView view;
        DLGraphicsScene scene;
        Canvas()
        {
            view.setScene(&scene);
            view.setGeometry(0, 0, 800, 600);
        }
    };

private slots:
    void unreadablePictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("PNG header claims 100000 x 100000")
            << "huge.png" << pngClaiming(100000, 100000);
        QTest::newRow("PNG header claims 16385 x 16384, one row over the bound")
            << "over.png" << pngClaiming(16385, 16384);
        // libjpeg fills a cut file in, so without the bound this one would open at full size.
        QTest::newRow("JPEG header claims 16385 x 16384, one row over the bound")
            << "over.jpg" << jpegClaiming(16385, 16384);
        QTest::newRow("JPEG header claims 65535 x 65535, the format's largest")
            << "huge.jpg" << jpegClaiming(65535, 65535);
        QTest::newRow("BMP header claims 100000 x 100000")
            << "huge.bmp" << bmpClaiming(100000, 100000);
        QTest::newRow("BMP header claims 100000 x 100000 top-down")
            << "topdown.bmp" << bmpClaiming(100000, -100000);
        QTest::newRow("zero-byte PNG") << "empty.png" << QByteArray();
        QTest::newRow("zero-byte JPEG") << "empty.jpg" << QByteArray();
        QTest::newRow("zero-byte BMP") << "empty.bmp" << QByteArray();
        const QByteArray png = encoded(noise(64, 64), "png");
        QTest::newRow("PNG cut inside its pixel data") << "cut.png" << png.left(png.size() / 2);
        QTest::newRow("PNG cut right after its header") << "header.png" << png.left(33);
        QTest::newRow("PNG signature only") << "signature.png" << png.left(8);
        QTest::newRow("BMP cut inside its file header")
            << "cut.bmp" << encoded(noise(4, 4), "bmp").left(10);
        QTest::newRow("JPEG with a picture of another format inside")
            << "disguised.jpg" << encoded(noise(4, 4), "bmp").mid(2).prepend("\xFF\xD8\xFF");
    }

    void unreadablePictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);

        const QString path = dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();

        PromptRecorder prompts;
        Canvas canvas;
        canvas.scene.loadImage(path);
        QVERIFY(canvas.scene.image.isNull());
        QCOMPARE(canvas.scene.imagePath, path);
        QVERIFY(canvas.scene.imageItem);
        QVERIFY(canvas.scene.imageItem->pixmap().isNull());
        // An unreadable picture is laid out as a 0 x 0 one: the view's size around the origin.
        QCOMPARE(canvas.scene.sceneRect(), QRectF(-400, -300, 800, 600));
        for (const QPointF &p : {QPointF(0, 0), QPointF(2, 2), QPointF(-1, -1)})
            QCOMPARE(canvas.scene.pixelAt(p), 0xFFFFFFFFu);
        QVERIFY(prompts.prompts().isEmpty());
    }

    // The bound counts pixels, not sides: a long thin picture far under it opens.
    void longThinPictureOpens()
    {
        const QImage image = noise(20000, 2);
        const QString path = dir.filePath(QStringLiteral("strip.png"));
        QVERIFY(image.save(path));
        Canvas canvas;
        canvas.scene.loadImage(path);
        QCOMPARE(canvas.scene.image.size(), QSize(20000, 2));
        QCOMPARE(canvas.scene.pixelAt(QPointF(19999, 1)), image.pixel(19999, 1));
        QCOMPARE(canvas.scene.pixelAt(QPointF(20000, 1)), 0xFFFFFFFFu);
    }

    // libjpeg fills what a cut file lacks, so the picture opens at its declared size; the
    // pixels that did arrive are the file's own.
    void cutJpegOpensAtItsSize()
    {
        const QImage image = noise(64, 64);
        const QByteArray jpeg = encoded(image, "jpg");
        const QString path = dir.filePath(QStringLiteral("cut.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jpeg.left(jpeg.size() * 3 / 4));
        file.close();

        Canvas canvas;
        canvas.scene.loadImage(path);
        QCOMPARE(canvas.scene.image.size(), QSize(64, 64));
        QCOMPARE(canvas.scene.pixelAt(QPointF(0, 0)), QImage::fromData(jpeg).pixel(0, 0));
        QCOMPARE(canvas.scene.pixelAt(QPointF(64, 0)), 0xFFFFFFFFu);
    }
};

DIMLET_TEST_MAIN(TestHostilePictures)
#include "tst_hostilepictures.moc"
