#include "testsupport.h"

#include "documentfixtures.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/scenetest.h"
#include "editor/imageexport.h"
#include "marks/dlmarktypes.h"
#include "marks/markrecord.h"

#include <QGraphicsView>
#include <QPainter>
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

// One mark of every kind, and a length, a rectangle and a comment cut by the picture's edges.
MarkRecordList marksOfEveryKind(const QSize &size)
{
    const QPointF mid(size.width() / 2, size.height() / 2);
    const QPointF outside(size.width() + 20, size.height() + 15);
    const QList<MarkRecord> marks {
        {MarkLength, 1, QPointF(3, 5), QPointF(size.width() - 4, 5), {}, 100},
        {MarkRect, 3, QPointF(10, 12), mid, {}, -1},
        {MarkRect, 4, mid, outside, {}, -1},
        {MarkColorPick, 5, mid, mid + QPointF(25, -20), {}, -1},
        {MarkComments, 6, QPointF(15, size.height() - 10), mid - QPointF(40, -10),
            "Padding\n8 px on both sides", 70},
    };
    MarkRecordList records;
    for (const MarkRecord &mark : marks)
        records.append(new MarkRecord(mark));
    return records;
}
} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void sameAsThePlainComposition_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("pixelRatio");
        QTest::newRow("opaque picture") << int(QImage::Format_RGB32) << 1.0;
        QTest::newRow("twice the pixel ratio") << int(QImage::Format_ARGB32) << 2.0;
    }

    // The export takes short cuts over some pictures; its pixels and its file must stay those
    // of the plain composition: transparent, the picture drawn over it, then the marks.
    void sameAsThePlainComposition()
    {
        QFETCH(int, format);
        QFETCH(double, pixelRatio);
        const QSize size(181, 97);
        QVERIFY(samplePicture(size).save(dir.filePath("plain.png")));
        DLGraphicsScene scene;
        QGraphicsView view(&scene);
        MarkRecordList records = marksOfEveryKind(size);
        QVERIFY(scene.loadDocument(records, dir.filePath("plain.png"), 8));
        clearMarkRecords(records);
        QImage picture = samplePicture(size).convertToFormat(QImage::Format(format));
        picture.setDevicePixelRatio(pixelRatio);
        SceneTestAccess::setImage(scene, picture);

        QImage plain(size, QImage::Format_ARGB32_Premultiplied);
        plain.fill(Qt::transparent);
        QPainter painter(&plain);
        scene.renderTo(&painter);
        painter.end();
        const QImage exported = buildExportImage(&scene);
        QVERIFY(plain != scene.image().convertToFormat(plain.format()));
        QCOMPARE(exported, plain);
        QVERIFY(exportImage(exported, dir.filePath("composed.png")));
        QVERIFY(exportImage(plain, dir.filePath("plain-out.png")));
        QCOMPARE(fileBytes(dir.filePath("composed.png")), fileBytes(dir.filePath("plain-out.png")));
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
