#include "testsupport.h"

#include "clifixtures.h"
#include "thumbnail.h"

#include <QImageReader>

class TestThumbnailer : public QObject
{
    Q_OBJECT

    QTemporaryDir work;

private slots:
    void thumbnailSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("wide halves the height") << QSize(256, 64) << 128 << QSize(128, 32);
        QTest::newRow("one too wide") << QSize(129, 129) << 128 << QSize(128, 128);
        QTest::newRow("rounds a half up") << QSize(200, 3) << 100 << QSize(100, 2);
        QTest::newRow("rounds below a half down") << QSize(300, 101) << 200 << QSize(200, 67);
        QTest::newRow("never loses the last row") << QSize(4000, 1) << 100 << QSize(100, 1);
        QTest::newRow("huge picture does not overflow")
            << QSize(16384, 16383) << 4096 << QSize(4096, 4096);
        QTest::newRow("empty picture") << QSize(0, 10) << 128 << QSize();
    }

    void thumbnailSize()
    {
        QFETCH(QSize, picture);
        QFETCH(int, maximum);
        QFETCH(QSize, expected);
        QCOMPARE(::thumbnailSize(picture, maximum), expected);
    }

    // Left half red, right half blue: the thumbnail is the picture, scaled, as a PNG whatever
    // the name; a bad document or size leaves nothing.
    void thumbnailer_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QSize>("expected");
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 150; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        }
        QVERIFY(writeDocument(work.filePath("good.dld"), picture, true));
        const QByteArray good = fileBytes(work.filePath("good.dld"));
        QTest::newRow("scaled to fit") << good << "64" << 0 << QSize(64, 21);
        QTest::newRow("never enlarged") << good << "4096" << 0 << QSize(300, 100);
        QTest::newRow("truncated") << good.left(good.size() / 2) << "64" << 1 << QSize();
        QTest::newRow("size zero") << good << "0" << 2 << QSize();
        QTest::newRow("size past the largest") << good << "4097" << 2 << QSize();
    }

    void thumbnailer()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, size);
        QFETCH(int, exitCode);
        QFETCH(QSize, expected);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("doc.dld"), document) && QDir(dir.path()).mkdir("tmp"));
        const ProgramRun run = runProgram("dimlet-thumbnailer",
            {QUrl::fromLocalFile(dir.filePath("doc.dld")).toString(), dir.filePath("thumb.jpg"),
                size},
            dir.filePath("tmp"));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(filesBelow(dir.path()),
            (exitCode ? QStringList {"doc.dld"} : QStringList {"doc.dld", "thumb.jpg"}));
        if (exitCode == 0) {
            QCOMPARE(QImageReader(dir.filePath("thumb.jpg")).format(), QByteArray("png"));
            const QImage thumbnail(dir.filePath("thumb.jpg"));
            QCOMPARE(thumbnail.size(), expected);
            QCOMPARE(thumbnail.pixel(expected.width() / 4, 0), qRgb(255, 0, 0));
            QCOMPARE(thumbnail.pixel(expected.width() * 3 / 4, 0), qRgb(0, 0, 255));
        }
    }
};

DIMLET_TEST_MAIN(TestThumbnailer)
#include "tst_thumbnailer.moc"
