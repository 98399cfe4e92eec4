#include "testsupport.h"

#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/labeldrawing.h"
#include "marks/labelimagecache.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPicture>

#include <memory>

namespace {
const QSize canvasSize(420, 160);

// A busy background, so an outline or text drawn one pixel off, or blended differently,
// shows.
QImage background()
{
    QImage image(canvasSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, canvasSize.width(), canvasSize.height());
    fill.setColorAt(0, QColor(20, 90, 200));
    fill.setColorAt(0.5, QColor(250, 240, 120));
    fill.setColorAt(1, QColor(30, 30, 30));
    painter.fillRect(image.rect(), fill);
    for (int x = 0; x < canvasSize.width(); x += 7)
        painter.fillRect(x, 0, 2, canvasSize.height(), QColor(255, 255, 255, 90));
    return image;
}

std::unique_ptr<DLGraphicsItem> rectangleMark(QPointF first, QPointF second)
{
    return std::unique_ptr<DLGraphicsItem>(
        DLGraphicsItem::create(MarkRect, first, second, QString(), -1.0));
}

struct Difference
{
    int largest = 0;
    int pixels = 0;
};

// The largest difference of any channel between two images of the same size, and how many
// pixels differ at all.
Difference differenceOf(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    Difference difference;
    for (int y = 0; y < left.height(); ++y) {
        const QRgb *l = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const QRgb *r = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (l[x] == r[x])
                continue;
            ++difference.pixels;
            difference.largest = qMax(difference.largest, qAbs(qRed(l[x]) - qRed(r[x])));
            difference.largest = qMax(difference.largest, qAbs(qGreen(l[x]) - qGreen(r[x])));
            difference.largest = qMax(difference.largest, qAbs(qBlue(l[x]) - qBlue(r[x])));
            difference.largest = qMax(difference.largest, qAbs(qAlpha(l[x]) - qAlpha(r[x])));
        }
    }
    return difference;
}

int largestDifference(const QImage &a, const QImage &b)
{
    return differenceOf(a, b).largest;
}

// A kept label is composed as one layer, so where its text lies on the outline's soft edge the
// two roundings of layer then picture may land one level from painting the outline and then
// the text; nowhere more, and only at a few edge pixels.
void verifySameLabel(const QImage &drawn, const QImage &direct)
{
    const Difference difference = differenceOf(drawn, direct);
    const int changed = differenceOf(direct, background()).pixels;
    QVERIFY(changed > 100);
    QVERIFY2(difference.largest <= 1, qPrintable(QString::number(difference.largest)));
    QVERIFY2(difference.pixels * 10 <= changed,
        qPrintable(QStringLiteral("%1 of %2").arg(difference.pixels).arg(changed)));
}

struct PainterSetup
{
    QTransform transform;
    bool antialiased = false;
    qreal opacity = 1.0;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;

    void apply(QPainter *painter) const
    {
        painter->setTransform(transform);
        painter->setRenderHint(QPainter::Antialiasing, antialiased);
        painter->setOpacity(opacity);
        painter->setCompositionMode(mode);
    }
};

QImage drawnDirectly(const DLGraphicsItem &mark, const PainterSetup &setup, bool selected)
{
    QImage image = background();
    QPainter painter(&image);
    setup.apply(&painter);
    painter.translate(mark.pos());
    const DLGraphicsItemRenderer *renderer = mark.renderer();
    paintOutlinedLabel(renderer->labelRect(), renderer->text(), &painter, selected);
    return image;
}

QImage drawnThroughCache(const DLGraphicsItem &mark, const PainterSetup &setup, bool selected)
{
    QImage image = background();
    QPainter painter(&image);
    setup.apply(&painter);
    painter.translate(mark.pos());
    drawOutlinedLabel(*mark.renderer(), &painter, selected);
    return image;
}
} // namespace

Q_DECLARE_METATYPE(PainterSetup)

class TestLabelImageCache : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void keptImageGivesTheSamePixels_data();
    void keptImageGivesTheSamePixels();
    void movedLabelReusesOnlyAMatchingImage_data();
    void movedLabelReusesOnlyAMatchingImage();
    void paintsDirectlyWhereAnImageCannotMatch_data();
    void paintsDirectlyWhereAnImageCannotMatch();
    void changedLabelIsNotServedTheOldImage_data();
    void changedLabelIsNotServedTheOldImage();
    void otherPaintDevicesGetTheLabelToo();
};

void TestLabelImageCache::init()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    LabelImageCache::instance().clear();
}

void TestLabelImageCache::keptImageGivesTheSamePixels_data()
{
    QTest::addColumn<PainterSetup>("setup");
    QTest::addColumn<bool>("selected");

    QTest::newRow("whole pixels") << PainterSetup {QTransform(), false} << false;
    QTest::newRow("whole pixels, selected") << PainterSetup {QTransform(), false} << true;
    QTest::newRow("antialiased painter") << PainterSetup {QTransform(), true} << false;
    QTest::newRow("quarter and three quarter pixel offsets")
        << PainterSetup {QTransform::fromTranslate(10.25, 5.75), false} << false;
    QTest::newRow("half pixel offset, antialiased")
        << PainterSetup {QTransform::fromTranslate(0.5, 0.5), true} << true;
    QTest::newRow("zoomed in to 200 %")
        << PainterSetup {QTransform::fromScale(2, 2) * QTransform::fromTranslate(-80, -60), false}
        << false;
    QTest::newRow("zoomed out to 37 % at a fraction") << PainterSetup {
        QTransform::fromScale(0.37, 0.37) * QTransform::fromTranslate(3.3, 7.1),
        false} << false;
    QTest::newRow("negative offsets")
        << PainterSetup {QTransform::fromTranslate(-30.6, -12.2), false} << false;
}

void TestLabelImageCache::keptImageGivesTheSamePixels()
{
    QFETCH(PainterSetup, setup);
    QFETCH(bool, selected);
    const auto mark = rectangleMark(QPointF(60, 70), QPointF(180, 120));
    QVERIFY(!mark->renderer()->text().isEmpty());

    const QImage direct = drawnDirectly(*mark, setup, selected);
    const QImage first = drawnThroughCache(*mark, setup, selected);
    QCOMPARE(LabelImageCache::instance().hits(), 0);
    const QImage second = drawnThroughCache(*mark, setup, selected);
    QCOMPARE(LabelImageCache::instance().hits(), 1);

    verifySameLabel(first, direct);
    verifySameLabel(second, direct);
    QCOMPARE(second, first);
}

void TestLabelImageCache::movedLabelReusesOnlyAMatchingImage_data()
{
    QTest::addColumn<QTransform>("moved");
    QTest::addColumn<int>("hits");

    QTest::newRow("by whole pixels") << QTransform::fromTranslate(13, -7) << 1;
    QTest::newRow("by whole pixels backwards") << QTransform::fromTranslate(-40, 3) << 1;
    QTest::newRow("by half a pixel across") << QTransform::fromTranslate(0.5, 0) << 0;
    QTest::newRow("by a quarter pixel down") << QTransform::fromTranslate(20, 0.25) << 0;
    QTest::newRow("zoomed") << QTransform::fromScale(1.5, 1.5) << 0;
}

void TestLabelImageCache::movedLabelReusesOnlyAMatchingImage()
{
    QFETCH(QTransform, moved);
    QFETCH(int, hits);
    const auto mark = rectangleMark(QPointF(100, 70), QPointF(180, 120));
    drawnThroughCache(*mark, PainterSetup(), false);
    const PainterSetup setup {moved};
    const QImage direct = drawnDirectly(*mark, setup, false);
    const QImage drawn = drawnThroughCache(*mark, setup, false);
    QCOMPARE(LabelImageCache::instance().hits(), hits);
    verifySameLabel(drawn, direct);
}

void TestLabelImageCache::paintsDirectlyWhereAnImageCannotMatch_data()
{
    QTest::addColumn<PainterSetup>("setup");

    QTest::newRow("half transparent painter")
        << PainterSetup {QTransform(), false, 0.5, QPainter::CompositionMode_SourceOver};
    QTest::newRow("rotated by 30 degrees")
        << PainterSetup {QTransform().rotate(30), false, 1.0, QPainter::CompositionMode_SourceOver};
    QTest::newRow("sheared") << PainterSetup {
        QTransform().shear(0.2, 0), false, 1.0, QPainter::CompositionMode_SourceOver};
    QTest::newRow("multiplying composition")
        << PainterSetup {QTransform(), false, 1.0, QPainter::CompositionMode_Multiply};
}

void TestLabelImageCache::paintsDirectlyWhereAnImageCannotMatch()
{
    QFETCH(PainterSetup, setup);
    const auto mark = rectangleMark(QPointF(60, 70), QPointF(180, 120));
    const QImage direct = drawnDirectly(*mark, setup, false);
    drawnThroughCache(*mark, setup, false);
    const QImage again = drawnThroughCache(*mark, setup, false);
    QCOMPARE(LabelImageCache::instance().count(), 0);
    QCOMPARE(largestDifference(again, direct), 0);
}

void TestLabelImageCache::changedLabelIsNotServedTheOldImage_data()
{
    QTest::addColumn<QPointF>("newSecondPoint");
    QTest::addColumn<QRgb>("newMarkColor");
    QTest::addColumn<int>("newFontSize");

    QTest::newRow("size text changes") << QPointF(240, 130) << QRgb(0xFFFF0000) << 12;
    QTest::newRow("size text changes by one pixel") << QPointF(181, 120) << QRgb(0xFFFF0000) << 12;
    QTest::newRow("mark colour changes") << QPointF(180, 120) << QRgb(0xFF00A0FF) << 12;
    QTest::newRow("label font changes") << QPointF(180, 120) << QRgb(0xFFFF0000) << 14;
}

void TestLabelImageCache::changedLabelIsNotServedTheOldImage()
{
    QFETCH(QPointF, newSecondPoint);
    QFETCH(QRgb, newMarkColor);
    QFETCH(int, newFontSize);
    const auto mark = rectangleMark(QPointF(60, 70), QPointF(180, 120));
    const PainterSetup setup;
    const QImage before = drawnThroughCache(*mark, setup, false);

    mark->setPoints(QPointF(60, 70), newSecondPoint);
    DLGraphicsItemRenderer::setMarkColor(newMarkColor);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), newFontSize));
    mark->refresh();
    const QImage direct = drawnDirectly(*mark, setup, false);
    const QImage after = drawnThroughCache(*mark, setup, false);

    QVERIFY(largestDifference(before, direct) > 1);
    QCOMPARE(LabelImageCache::instance().hits(), 0);
    verifySameLabel(after, direct);
}

void TestLabelImageCache::otherPaintDevicesGetTheLabelToo()
{
    const auto mark = rectangleMark(QPointF(60, 70), QPointF(180, 120));
    QPicture throughCache;
    QPicture direct;
    {
        QPainter painter(&throughCache);
        painter.translate(mark->pos());
        drawOutlinedLabel(*mark->renderer(), &painter, false);
    }
    {
        QPainter painter(&direct);
        painter.translate(mark->pos());
        paintOutlinedLabel(
            mark->renderer()->labelRect(), mark->renderer()->text(), &painter, false);
    }
    QCOMPARE(LabelImageCache::instance().count(), 0);

    QImage replayedThroughCache = background();
    QImage replayedDirect = background();
    {
        QPainter painter(&replayedThroughCache);
        throughCache.play(&painter);
    }
    {
        QPainter painter(&replayedDirect);
        direct.play(&painter);
    }
    QVERIFY(replayedDirect != background());
    QCOMPARE(largestDifference(replayedThroughCache, replayedDirect), 0);
}

DIMLET_TEST_MAIN(TestLabelImageCache)
#include "tst_labelimagecache.moc"
