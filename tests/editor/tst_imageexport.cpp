#include "testsupport.h"

#include "canvas/scenetest.h"
#include "documentfixtures.h"
#include "editor/imageexport.h"

#include <QGraphicsView>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // One mark of each kind, reaching past the edges of a picture of 181 x 97.
    static MarkRecordList fourMarks()
    {
        return {new MarkRecord {0, 1, {3, 5}, {177, 5}, {}, 100},
            new MarkRecord {1, 3, {90, 48}, {200, 112}, {}, -1},
            new MarkRecord {2, 5, {90, 48}, {115, 28}, {}, -1},
            new MarkRecord {3, 6, {15, 87}, {50, 58}, "Padding\n8 px on both sides", 70}};
    }

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
        MarkRecordList records = fourMarks();
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

    // At a desktop's 120 dpi (QT_FONT_DPI, set for this test) the canvas keeps the desktop's
    // label sizes, yet the export has the pixels the command line draws of the document.
    void exportMatchesCommandLine()
    {
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
        const auto restore
            = qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true); });
        QCOMPARE(QImage(1, 1, QImage::Format_ARGB32).logicalDpiY(), 120);
        QImage picture(181, 97, QImage::Format_ARGB32);
        picture.fill(QColor(30, 90, 160));
        QVERIFY(picture.save(dir.filePath("blue.png")));
        MarkRecordList records = fourMarks();
        QCOMPARE(writeDocumentFile(dir.filePath("marks.dld"), dir.filePath("blue.png"), records, 5),
            DocumentError::None);
        DLGraphicsScene scene;
        QVERIFY(scene.loadDocument(records, dir.filePath("blue.png"), 5));
        clearMarkRecords(records);
        const QRectF shown = scene.itemsBoundingRect();
        const QImage exported = buildExportImage(&scene);
        QCOMPARE(scene.itemsBoundingRect(), shown);
        QProcess render;
        render.start(DIMLET_BUILD_DIR "/dimlet-render",
            {dir.filePath("marks.dld"), dir.filePath("render.png")});
        QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
        QCOMPARE(QImage(dir.filePath("render.png")).convertToFormat(exported.format()), exported);
    }
};

DIMLET_TEST_MAIN(TestImageExport)
#include "tst_imageexport.moc"
