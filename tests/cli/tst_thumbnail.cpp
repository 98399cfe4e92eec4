#include "testsupport.h"

#include "editor/filefixtures.h"
#include "thumbnail.h"

#include <QImageReader>
#include <QTemporaryDir>

class TestThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void size_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("expected");

        QTest::newRow("wide halves the height") << QSize(256, 64) << 128 << QSize(128, 32);
        QTest::newRow("tall halves the width") << QSize(64, 256) << 128 << QSize(32, 128);
        QTest::newRow("square") << QSize(500, 500) << 100 << QSize(100, 100);
        QTest::newRow("fits already") << QSize(100, 50) << 128 << QSize(100, 50);
        QTest::newRow("exactly the maximum") << QSize(128, 20) << 128 << QSize(128, 20);
        QTest::newRow("one too wide") << QSize(129, 129) << 128 << QSize(128, 128);
        QTest::newRow("rounds a half up") << QSize(200, 3) << 100 << QSize(100, 2);
        QTest::newRow("rounds below a half down") << QSize(300, 101) << 200 << QSize(200, 67);
        QTest::newRow("rounds above a half up") << QSize(300, 100) << 128 << QSize(128, 43);
        QTest::newRow("never loses the last row") << QSize(4000, 1) << 100 << QSize(100, 1);
        QTest::newRow("never loses the last column") << QSize(1, 4000) << 100 << QSize(1, 100);
        QTest::newRow("one pixel") << QSize(3000, 2000) << 1 << QSize(1, 1);
        QTest::newRow("huge picture does not overflow")
            << QSize(16384, 16383) << 4096 << QSize(4096, 4096);
        QTest::newRow("empty picture") << QSize(0, 10) << 128 << QSize();
        QTest::newRow("no maximum") << QSize(10, 10) << 0 << QSize();
    }

    void size()
    {
        QFETCH(QSize, picture);
        QFETCH(int, maximum);
        QFETCH(QSize, expected);
        QCOMPARE(thumbnailSize(picture, maximum), expected);
    }

    void fittingPictureIsNotResampled()
    {
        QImage picture(40, 30, QImage::Format_ARGB32);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x)
                picture.setPixel(x, y, qRgba(x * 6, y * 8, (x ^ y) * 4, 200 + (x % 50)));
        }
        QCOMPARE(makeThumbnail(picture, 40), picture);
    }

    void scalingIsSmooth()
    {
        // Alternate black and white columns average to grey; dropping columns would not.
        QImage stripes(200, 10, QImage::Format_RGB32);
        for (int x = 0; x < 200; ++x) {
            for (int y = 0; y < 10; ++y)
                stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
        const QImage thumbnail = makeThumbnail(stripes, 50);
        QCOMPARE(thumbnail.size(), QSize(50, 3));
        const int grey = qGray(thumbnail.pixel(25, 1));
        QVERIFY2(grey > 96 && grey < 160, qPrintable(QString::number(grey)));
    }

    void writesPngWhateverTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("png name") << "t.png";
        QTest::newRow("no suffix") << "t";
        QTest::newRow("jpeg name") << "t.jpg";
    }

    void writesPngWhateverTheName()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QImage image(12, 7, QImage::Format_ARGB32);
        image.fill(QColor(1, 2, 3, 4));
        QVERIFY(writeThumbnail(image, dir.filePath(name)));
        QCOMPARE(QImageReader(dir.filePath(name)).format(), QByteArray("png"));
        QCOMPARE(QImage(dir.filePath(name)).convertToFormat(QImage::Format_ARGB32), image);
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.png");
        QVERIFY(writeFile(path, "old"));
        QVERIFY(!writeThumbnail(QImage(), path));
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QVERIFY(!writeThumbnail(QImage(4, 4, QImage::Format_RGB32), dir.filePath("no/t.png")));
        QCOMPARE(filesBelow(dir.path()), QStringList {"t.png"});
    }
};

DIMLET_TEST_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"
