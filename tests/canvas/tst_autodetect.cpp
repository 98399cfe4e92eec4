#include "testsupport.h"

#include "canvas/capslock.h"
#include "canvas/colorrun.h"
#include "canvas/dlgraphicsscene.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"

#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QTemporaryDir>

namespace {
// 60 x 40 black: a white block over x = 20..29, y = 5..20 and a lone red pixel at (40, 30).
struct Canvas
{
    QTemporaryDir dir;
    DLGraphicsScene scene;
    Canvas()
    {
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter(&picture).fillRect(QRect(20, 5, 10, 16), Qt::white);
        picture.setPixel(40, 30, qRgb(255, 0, 0));
        picture.save(dir.filePath(QStringLiteral("bars.png")));
        scene.loadImage(dir.filePath(QStringLiteral("bars.png")));
    }
    QList<QGraphicsItem *> others() const
    {
        QList<QGraphicsItem *> items = scene.items();
        items.removeOne(scene.imageItem);
        return items;
    }
};

QPainterPath bracket(QPoint start, QPoint end)
{
    return makeMeasurePath(start, end, nullptr);
}
} // namespace

Q_DECLARE_METATYPE(QPainterPath)

class TestAutoDetect : public QObject
{
    Q_OBJECT

private slots:
    void init() { setCapsLockOverride(false); }
    void cleanup() { setCapsLockOverride(std::nullopt); }

    void preview_data()
    {
        QTest::addColumn<QPointF>("startPos");
        QTest::addColumn<bool>("capsAtStart");
        QTest::addColumn<QPointF>("movePos");
        QTest::addColumn<bool>("capsAtMove");
        QTest::addColumn<QPainterPath>("startPath");
        QTest::addColumn<QPainterPath>("movePath");
        QTest::addColumn<int>("pixels");
        const QPainterPath bar = bracket({20, 8}, {29, 8});
        QTest::newRow("along the bar, fractions floor")
            << QPointF(24, 8) << false << QPointF(29.9, 10.5) << false << bar
            << bracket({20, 10}, {29, 10}) << 10;
        QTest::newRow("caps lock column to the top border")
            << QPointF(24, 8) << true << QPointF(24, 4.5) << true << bracket({24, 5}, {24, 20})
            << bracket({24, 0}, {24, 4}) << 5;
        QTest::newRow("lone pixel") << QPointF(24, 8) << false << QPointF(40.5, 30.5) << false
                                    << bar << bracket({40, 30}, {40, 30}) << 1;
        QTest::newRow("out of the picture keeps the last bracket, label 1")
            << QPointF(24, 8) << false << QPointF(60, 8) << false << bar << bar << 1;
        QTest::newRow("starting outside shows an empty path")
            << QPointF(-0.5, 8) << false << QPointF(24, 40) << true << QPainterPath()
            << QPainterPath() << 1;
    }

    void preview()
    {
        QFETCH(QPointF, startPos);
        QFETCH(bool, capsAtStart);
        QFETCH(QPointF, movePos);
        QFETCH(bool, capsAtMove);
        QFETCH(QPainterPath, startPath);
        QFETCH(QPainterPath, movePath);
        QFETCH(int, pixels);
        Canvas c;
        setCapsLockOverride(capsAtStart);
        c.scene.onTrackMouseFreeMoveStart(QPointF(35, 8)); // a second start replaces this one
        c.scene.onTrackMouseFreeMoveStart(startPos);
        QCOMPARE(c.others().size(), 2); // the preview of the first start is gone
        QCOMPARE(c.scene.detectPath->path(), startPath);
        QCOMPARE(c.scene.detectPath->pen().color().rgba(), DLGraphicsItemRenderer::darkColor());
        QCOMPARE(c.scene.detectLabel->pos(), startPos - QPointF(0, 28));

        setCapsLockOverride(capsAtMove);
        c.scene.onTrackMouseFreeMovePosChanged(movePos);
        QCOMPARE(c.others().size(), 2);
        QCOMPARE(c.scene.detectPath->path(), movePath);
        QCOMPARE(c.scene.detectLabel->pixmap().toImage().convertToFormat(
                     QImage::Format_ARGB32_Premultiplied),
            makeLengthLabelImage(
                pixels - 1, c.scene.lenLeftImage, c.scene.lenMidImage, c.scene.lenRightImage));
        QCOMPARE(c.scene.detectLabel->pos(), movePos - QPointF(0, 28));
    }

    void end_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QPointF>("endPos");
        QTest::addColumn<bool>("made");
        QTest::addColumn<QLineF>("mark");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("click on the bar")
            << true << QPointF(24.9, 8.9) << true << QLineF(20, 8, 29, 8) << false;
        QTest::newRow("space released over the bar")
            << false << QPointF(24, 8) << false << QLineF() << false;
        QTest::newRow("click just left of the picture")
            << true << QPointF(-0.1, 8) << false << QLineF() << false;
        QTest::newRow("click after the canvas was cleared under the preview")
            << true << QPointF(25, 8) << false << QLineF() << true;
        QTest::newRow("click on a one-pixel run makes a mark whose points coincide")
            << true << QPointF(40, 30) << true << QLineF(40, 30, 40, 30) << false;
    }

    void end()
    {
        QFETCH(bool, select);
        QFETCH(QPointF, endPos);
        QFETCH(bool, made);
        QFETCH(QLineF, mark);
        QFETCH(bool, cleared);
        Canvas c;
        c.scene.nextZValue = 7.0;
        c.scene.onTrackMouseFreeMoveStart(QPointF(35, 8));
        if (cleared) {
            c.scene.clearCanvas();
            QVERIFY(!c.scene.detectPath && !c.scene.detectLabel);
            c.scene.loadImage(c.dir.filePath(QStringLiteral("bars.png")));
        }
        c.scene.onTrackMouseFreeMoveEnd(select, endPos);
        QVERIFY(!c.scene.detectPath && !c.scene.detectLabel);
        if (!made) {
            QCOMPARE(c.others(), QList<QGraphicsItem *>());
            QCOMPARE(c.scene.undoStack.count(), 0);
            QCOMPARE(c.scene.nextZValue, 7.0);
            QVERIFY(!c.scene.modified);
            return;
        }
        QCOMPARE(c.others().size(), 1);
        auto *length = static_cast<DLGraphicsItem *>(c.others().first());
        QPointF a, b;
        length->points(&a, &b);
        QCOMPARE(QLineF(a, b), mark);
        QCOMPARE(length->markType(), int(MarkLength));
        QCOMPARE(length->text(), QString::number(int(mark.length()) + 1));
        QCOMPARE(length->orderNumber(), 7);
        QCOMPARE(c.scene.nextZValue, 8.0);
        QCOMPARE(c.scene.undoStack.count(), 1);
        QVERIFY(c.scene.modified);
    }
};

DIMLET_TEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
