#include "testsupport.h"

#include "marks/dlgraphicscolorpickitemrenderer.h"
#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "marks/labeldrawing.h"
#include "marks/labelimagecache.h"
#include "stubnotifyhandle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextLayout>

namespace {
const QSize canvasSize(360, 150);

// A busy background, so text placed one pixel off, clipped, or blended differently shows.
QImage background()
{
    QImage image(canvasSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, canvasSize.width(), canvasSize.height());
    fill.setColorAt(0, QColor(20, 90, 200));
    fill.setColorAt(0.5, QColor(250, 240, 120));
    fill.setColorAt(1, QColor(30, 30, 30));
    painter.fillRect(image.rect(), fill);
    for (int x = 0; x < canvasSize.width(); x += 5)
        painter.fillRect(x, 0, 2, canvasSize.height(), QColor(255, 255, 255, 90));
    return image;
}

struct Difference
{
    int largest = 0;
    int pixels = 0;
};

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
            for (int shift : {0, 8, 16, 24})
                difference.largest = qMax(difference.largest,
                    qAbs(int((l[x] >> shift) & 0xFF) - int((r[x] >> shift) & 0xFF)));
        }
    }
    return difference;
}

// A comment renderer with its text laid out, wrapped at width.
struct Comment
{
    Comment(const QString &text, double width)
    {
        r.init(&owner, QPointF(20, 60), QPointF(60, 40), text, width);
    }
    StubNotifyHandle owner;
    DLGraphicsCommentsItemRenderer r;
};

struct Placement
{
    QTransform transform;
    bool antialiased = false;
};

QImage drawn(const QTextLayout &layout, const Placement &placement, QRgb color, bool direct)
{
    QImage image = background();
    QPainter painter(&image);
    painter.setTransform(placement.transform);
    painter.setRenderHint(QPainter::Antialiasing, placement.antialiased);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QColor(color));
    const QPointF topLeft(24.0, 30.0);
    if (direct)
        layout.draw(&painter, topLeft, {}, QRectF());
    else
        drawLaidOutText(layout, topLeft, &painter);
    return image;
}
} // namespace

Q_DECLARE_METATYPE(Placement)

class TestKeptLabelImages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void keptImageGivesTheSamePixels_data();
    void keptImageGivesTheSamePixels();
    void changedTextIsNotServedTheOldImage_data();
    void changedTextIsNotServedTheOldImage();
    void otherPixelRatiosArePaintedDirectly();
    void commentPaintsItsTextFromTheKeptImage();
    void keptLeaderGivesTheSamePixels_data();
    void keptLeaderGivesTheSamePixels();
    void movedOrReshapedLeaderIsNotServedTheOldImage();
};

void TestKeptLabelImages::init()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
    LabelImageCache::instance().clear();
}

void TestKeptLabelImages::keptImageGivesTheSamePixels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QRgb>("color");

    const Placement whole;
    QTest::newRow("one line, red") << "Comments" << -1.0 << whole << QRgb(0xFFFF0000);
    QTest::newRow("wrapped inside words")
        << "Padding should be 8 px on both sides" << 60.0 << whole << QRgb(0xFFFF0000);
    QTest::newRow("line feeds") << "one\ntwo\n\nfour" << 200.0 << whole << QRgb(0xFF0000FF);
    QTest::newRow("glyphs reaching past their lines")
        << QString::fromUtf8("ƒjÅ_gy|Ǻ") << -1.0 << whole << QRgb(0xFFFF0000);
    QTest::newRow("green palette colour")
        << "Align with the toolbar" << 90.0 << whole << QRgb(0xFF2ECC71);
    QTest::newRow("dark shade, antialiased painter")
        << "Use the brand blue" << -1.0 << Placement {QTransform(), true} << QRgb(0xFF1FBD62);
    QTest::newRow("quarter pixel offsets")
        << "Comments" << -1.0 << Placement {QTransform::fromTranslate(10.25, 5.75)}
        << QRgb(0xFFFF0000);
    QTest::newRow("zoomed in to 200 %")
        << "Comments here" << 50.0
        << Placement {QTransform::fromScale(2, 2) * QTransform::fromTranslate(-30, -40)}
        << QRgb(0xFFFF0000);
    QTest::newRow("zoomed out to 37 % at a fraction")
        << "Comments here" << 50.0
        << Placement {QTransform::fromScale(0.37, 0.37) * QTransform::fromTranslate(3.3, 7.1)}
        << QRgb(0xFFFF0000);
    QTest::newRow("negative offsets")
        << "Comments" << -1.0 << Placement {QTransform::fromTranslate(-20.6, -12.2)}
        << QRgb(0xFFFF0000);
}

// The kept image is one layer: a pixel that direct painting blends once lands exactly where it
// would, while one blended twice (overlapping glyphs, a descender reaching into the next line,
// tiny glyphs when zoomed out) rounds once more and may lie one level off.
void TestKeptLabelImages::keptImageGivesTheSamePixels()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(Placement, placement);
    QFETCH(QRgb, color);
    const Comment comment(text, width);
    const QTextLayout *layout = comment.r.textLayout();
    QVERIFY(layout);

    const QImage direct = drawn(*layout, placement, color, true);
    const QImage first = drawn(*layout, placement, color, false);
    QCOMPARE(LabelImageCache::instance().count(), 1);
    QCOMPARE(LabelImageCache::instance().hits(), 0);
    const QImage second = drawn(*layout, placement, color, false);
    QCOMPARE(LabelImageCache::instance().hits(), 1);

    const int changed = differenceOf(direct, background()).pixels;
    QVERIFY(changed > 30);
    const Difference difference = differenceOf(first, direct);
    QVERIFY2(difference.largest <= 1,
        qPrintable(QStringLiteral("%1 at %2 of %3 pixels")
                       .arg(difference.largest)
                       .arg(difference.pixels)
                       .arg(changed)));
    QVERIFY(difference.pixels * 5 <= changed);
    QCOMPARE(second, first);
}

void TestKeptLabelImages::changedTextIsNotServedTheOldImage_data()
{
    QTest::addColumn<QString>("newText");
    QTest::addColumn<double>("newWidth");
    QTest::addColumn<QRgb>("newColor");
    QTest::addColumn<int>("newFontSize");

    QTest::newRow("text changes") << "Commenta" << 60.0 << QRgb(0xFFFF0000) << 12;
    QTest::newRow("wrap width changes") << "Comments wrap here" << 45.0 << QRgb(0xFFFF0000) << 12;
    QTest::newRow("mark colour changes") << "Comments wrap here" << 60.0 << QRgb(0xFF00A0FF) << 12;
    QTest::newRow("label font changes") << "Comments wrap here" << 60.0 << QRgb(0xFFFF0000) << 14;
}

void TestKeptLabelImages::changedTextIsNotServedTheOldImage()
{
    QFETCH(QString, newText);
    QFETCH(double, newWidth);
    QFETCH(QRgb, newColor);
    QFETCH(int, newFontSize);
    Comment comment(QStringLiteral("Comments wrap here"), 60.0);
    const QImage before = drawn(*comment.r.textLayout(), Placement(), 0xFFFF0000, false);

    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), newFontSize));
    comment.r.setText(newText);
    comment.r.textChanged();
    comment.r.setMaxWidth(newWidth);
    comment.r.updateGeometry();
    comment.r.relayoutText();
    const QTextLayout *layout = comment.r.textLayout();
    const QImage direct = drawn(*layout, Placement(), newColor, true);
    const QImage after = drawn(*layout, Placement(), newColor, false);

    QVERIFY(differenceOf(before, direct).largest > 1);
    QCOMPARE(LabelImageCache::instance().hits(), 0);
    QCOMPARE(LabelImageCache::instance().count(), 2);
    QVERIFY(differenceOf(after, direct).largest <= 1);
}

void TestKeptLabelImages::otherPixelRatiosArePaintedDirectly()
{
    const Comment comment(QStringLiteral("Comments"), -1.0);
    for (const qreal ratio : {2.0, 1.5}) {
        QImage direct(canvasSize * ratio, QImage::Format_RGB32);
        direct.setDevicePixelRatio(ratio);
        direct.fill(Qt::white);
        QImage cached = direct;
        cached.detach();
        {
            QPainter painter(&direct);
            painter.setPen(Qt::red);
            comment.r.textLayout()->draw(&painter, QPointF(10, 10), {}, QRectF());
        }
        {
            QPainter painter(&cached);
            painter.setPen(Qt::red);
            drawLaidOutText(*comment.r.textLayout(), QPointF(10, 10), &painter);
        }
        QCOMPARE(LabelImageCache::instance().count(), 0);
        QCOMPARE(cached, direct);
    }
}

void TestKeptLabelImages::commentPaintsItsTextFromTheKeptImage()
{
    Comment comment(QStringLiteral("Padding should be 8 px"), 70.0);
    QImage image = background();
    QPainter painter(&image);
    comment.r.paint(&painter, false, false);
    comment.r.paint(&painter, false, false);
    painter.end();
    QCOMPARE(LabelImageCache::instance().count(), 2);
    QCOMPARE(LabelImageCache::instance().hits(), 2);
}

void TestKeptLabelImages::keptLeaderGivesTheSamePixels_data()
{
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QRgb>("color");

    const Placement whole;
    QTest::newRow("straight, right and down")
        << QPointF(70, 25) << false << false << whole << QRgb(0xFFFF0000);
    QTest::newRow("straight, left and up")
        << QPointF(-60, -30) << false << false << whole << QRgb(0xFFFF0000);
    QTest::newRow("level, symmetric arrowhead")
        << QPointF(50, 0) << false << false << whole << QRgb(0xFFFF0000);
    QTest::newRow("curved") << QPointF(5, 40) << false << false << whole << QRgb(0xFFFF0000);
    QTest::newRow("curved upwards, selected")
        << QPointF(-8, -45) << true << false << whole << QRgb(0xFF2ECC71);
    QTest::newRow("hovered, with the white halo")
        << QPointF(45, -30) << false << true << whole << QRgb(0xFF347DDB);
    QTest::newRow("hovered while selected, no halo")
        << QPointF(45, -30) << true << true << whole << QRgb(0xFF347DDB);
    QTest::newRow("half pixel offset")
        << QPointF(60, 20) << false << false << Placement {QTransform::fromTranslate(0.5, 0.5)}
        << QRgb(0xFFFF0000);
    QTest::newRow("zoomed out to 37 % at a fraction")
        << QPointF(5, 40) << false << false
        << Placement {QTransform::fromScale(0.37, 0.37) * QTransform::fromTranslate(3.3, 7.1)}
        << QRgb(0xFFFEE04E);
    QTest::newRow("zoomed in to 300 %")
        << QPointF(30, 12) << false << true
        << Placement {QTransform::fromScale(3, 3) * QTransform::fromTranslate(-150, -120)}
        << QRgb(0xFFFF0000);
}

// One layer per leader: where its stroke, arrowhead and halo overlap, and where a curve's short
// flattened segments meet, the layer rounds once more than painting them one after another, so
// those pixels may lie one level off; a small curved leader has many such joints.
void TestKeptLabelImages::keptLeaderGivesTheSamePixels()
{
    QFETCH(QPointF, second);
    QFETCH(bool, emphasised);
    QFETCH(bool, hovered);
    QFETCH(Placement, placement);
    QFETCH(QRgb, color);
    DLGraphicsItemRenderer::setMarkColor(color);
    StubNotifyHandle owner;
    DLGraphicsColorPickItemRenderer pick;
    const QPointF anchor(120, 70);
    pick.init(&owner, anchor, anchor + second, QString(), -1.0);

    const auto paint = [&](bool kept) {
        QImage image = background();
        QPainter painter(&image);
        painter.setTransform(placement.transform);
        painter.translate(anchor);
        if (kept)
            drawLeader(pick, &painter, emphasised, hovered);
        else
            paintLeader(pick, &painter, emphasised, hovered);
        return image;
    };
    const QImage direct = paint(false);
    const QImage first = paint(true);
    const QImage second_ = paint(true);
    QCOMPARE(LabelImageCache::instance().count(), 1);
    QCOMPARE(LabelImageCache::instance().hits(), 1);

    const int changed = differenceOf(direct, background()).pixels;
    QVERIFY(changed > 20);
    const Difference difference = differenceOf(first, direct);
    QVERIFY2(difference.largest <= 1,
        qPrintable(QStringLiteral("%1 at %2 of %3 pixels")
                       .arg(difference.largest)
                       .arg(difference.pixels)
                       .arg(changed)));
    QVERIFY2(difference.pixels * 3 <= changed,
        qPrintable(QStringLiteral("%1 of %2 pixels").arg(difference.pixels).arg(changed)));
    QCOMPARE(second_, first);
}

void TestKeptLabelImages::movedOrReshapedLeaderIsNotServedTheOldImage()
{
    StubNotifyHandle owner;
    DLGraphicsColorPickItemRenderer pick;
    pick.init(&owner, QPointF(100, 60), QPointF(150, 90), QString(), -1.0);
    const auto paint = [&](bool kept) {
        QImage image = background();
        QPainter painter(&image);
        painter.translate(pick.firstPoint());
        if (kept)
            drawLeader(pick, &painter, false, false);
        else
            paintLeader(pick, &painter, false, false);
        return image;
    };
    const QImage before = paint(true);

    // A whole-pixel move of the mark keeps its shape, so the same image serves.
    pick.setFirstPoint(QPointF(110, 65));
    pick.setSecondPoint(QPointF(160, 95));
    pick.updateGeometry();
    QVERIFY(differenceOf(paint(true), paint(false)).largest <= 1);
    QCOMPARE(LabelImageCache::instance().hits(), 1);

    pick.setSecondPoint(QPointF(160, 96));
    pick.updateGeometry();
    const QImage direct = paint(false);
    const QImage after = paint(true);
    QVERIFY(differenceOf(before, direct).largest > 1);
    QCOMPARE(LabelImageCache::instance().hits(), 1);
    QCOMPARE(LabelImageCache::instance().count(), 2);
    QVERIFY(differenceOf(after, direct).largest <= 1);
}

DIMLET_TEST_MAIN(TestKeptLabelImages)
#include "tst_keptlabelimages.moc"
