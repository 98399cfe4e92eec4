#include "testsupport.h"

#include "canvas/scenetest.h"
#include "documentfixtures.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void sameAsThePlainComposition_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("pixelRatio");
        QTest::addColumn<int>("alpha");
        QTest::newRow("opaque picture") << int(QImage::Format_RGB32) << 1.0 << 255;
        QTest::newRow("half transparent picture") << int(QImage::Format_ARGB32) << 1.0 << 128;
        QTest::newRow("twice the pixel ratio") << int(QImage::Format_ARGB32) << 2.0 << 255;
        QTest::newRow("indexed picture") << int(QImage::Format_Indexed8) << 1.0 << 255;
    }

    // The export takes short cuts over some pictures; its pixels and its file must stay those
    // of the plain composition: transparent, the picture drawn over it, then the marks, which
    // are cut at the picture's edges.
    void sameAsThePlainComposition()
    {
        QFETCH(int, format);
        QFETCH(double, pixelRatio);
        QFETCH(int, alpha);
        QImage picture(181, 97, QImage::Format_ARGB32);
        for (int i = 0; i < 181 * 97; ++i)
            picture.setPixel(
                i % 181, i / 181, qRgba(i % 181, i / 181 % 4 * 60, 90, i % 181 < 50 ? alpha : 255));
        QVERIFY(picture.save(dir.filePath("plain.png")));
        DLGraphicsScene scene;
        QGraphicsView view(&scene);
        MarkRecordList records {new MarkRecord {0, 1, {3, 5}, {177, 5}, {}, 100},
            new MarkRecord {1, 3, {90, 48}, {200, 112}, {}, -1},
            new MarkRecord {2, 5, {90, 48}, {115, 28}, {}, -1},
            new MarkRecord {3, 6, {15, 87}, {50, 58}, "Padding\n8 px on both sides", 70}};
        QVERIFY(scene.loadDocument(records, dir.filePath("plain.png"), 8));
        clearMarkRecords(records);
        scene.setScale(3.0, &view);
        QImage converted = picture.convertToFormat(QImage::Format(format));
        converted.setDevicePixelRatio(pixelRatio);
        SceneTestAccess::setImage(scene, converted);

        QImage plain(picture.size(), QImage::Format_ARGB32_Premultiplied);
        plain.fill(Qt::transparent);
        QPainter painter(&plain);
        scene.renderTo(&painter);
        painter.end();
        QVERIFY(plain != scene.image().convertToFormat(plain.format()));
        QCOMPARE(buildExportImage(&scene), plain);
        QVERIFY(exportImage(buildExportImage(&scene), dir.filePath("composed.png")));
        QVERIFY(
            exportImage(plain.convertToFormat(QImage::Format_ARGB32), dir.filePath("plain.png")));
        QCOMPARE(fileBytes(dir.filePath("composed.png")), fileBytes(dir.filePath("plain.png")));
        QCOMPARE(QImageReader(dir.filePath("composed.png")).textKeys().join(','), "PowerBy,home");
    }
};

DIMLET_TEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
