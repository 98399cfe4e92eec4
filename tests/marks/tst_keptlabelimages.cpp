#include "testsupport.h"

#include "marks/dlgraphicscommentsitemrenderer.h"
#include "marks/labeldrawing.h"
#include "marks/labelimagecache.h"
#include "marktest.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextLayout>

namespace {
// A comment's text and a curved leader on a busy background, so that anything placed one pixel
// off, clipped or blended differently shows; from the kept images or painted directly.
QImage painted(const DLGraphicsCommentsItemRenderer &c, bool kept, double zoom)
{
    QImage image(360, 150, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 360, 150);
    fill.setColorAt(0, QColor(20, 90, 200));
    fill.setColorAt(1, QColor(250, 240, 120));
    painter.fillRect(image.rect(), fill);
    painter.setTransform(QTransform::fromScale(zoom, zoom) * QTransform::fromTranslate(3.3, 7.1));
    painter.setPen(QColor(DLGraphicsItemRenderer::markColor()));
    if (kept) {
        drawLaidOutText(*c.textLayout(), QPointF(24, 30), &painter);
        drawLeader(c, &painter, false, false);
    } else {
        c.textLayout()->draw(&painter, QPointF(24, 30), {}, QRectF());
        paintLeader(c, &painter, false, false);
    }
    return image;
}

// The largest difference of any channel.
int difference(const QImage &a, const QImage &b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (int shift : {0, 8, 16})
                most = qMax(most,
                    qAbs(int((a.pixel(x, y) >> shift) & 0xFF)
                        - int((b.pixel(x, y) >> shift) & 0xFF)));
        }
    }
    return most;
}
} // namespace

class TestKeptLabelImages : public QObject
{
    Q_OBJECT
private slots:
    // A kept image is one layer: pixels that direct painting blends twice may lie one level off.
    // After a change, what looks different must be painted anew, not taken from a kept image.
    void keptImagesGiveTheSamePixels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<int>("size");
        QTest::addColumn<QPointF>("end");
        const QString same = QStringLiteral("Padding should be 8 px on both sides");
        const QRgb red = 0xFFFF0000;
        QTest::newRow("no change, zoomed") << 0.37 << same << 60.0 << red << 12 << QPointF(5, 40);
        QTest::newRow("text") << 1.0 << "Commenta" << 60.0 << red << 12 << QPointF(5, 40);
        QTest::newRow("wrap width") << 1.0 << same << 45.0 << red << 12 << QPointF(5, 40);
        QTest::newRow("mark colour")
            << 1.0 << same << 60.0 << QRgb(0xFF00A0FF) << 12 << QPointF(5, 40);
        QTest::newRow("label font") << 1.0 << same << 60.0 << red << 14 << QPointF(5, 40);
        QTest::newRow("leader reshaped") << 1.0 << same << 60.0 << red << 12 << QPointF(5, 41);
    }

    void keptImagesGiveTheSamePixels()
    {
        QFETCH(double, zoom);
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QRgb, color);
        QFETCH(int, size);
        QFETCH(QPointF, end);
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        LabelImageCache::instance().clear();
        Driven<DLGraphicsCommentsItemRenderer> c(MarkComments, {100, 60}, {105, 100},
            QStringLiteral("Padding should be 8 px on both sides"), 60.0);
        const QImage before = painted(*c.r, true, zoom);

        DLGraphicsItemRenderer::setMarkColor(color);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), size));
        c->setText(text);
        c->textChanged();
        c->setMaxWidth(width);
        c->setSecondPoint(QPointF(100, 60) + end);
        c->updateGeometry();
        const QImage direct = painted(*c.r, false, zoom);
        QVERIFY(difference(painted(*c.r, true, zoom), direct) <= 1);
        const bool changed = QTest::currentDataTag() != QLatin1String("no change, zoomed");
        QCOMPARE(difference(before, direct) > 1, changed);
        if (!changed)
            QVERIFY(LabelImageCache::instance().hits() > 0);
    }
};

DIMLET_TEST_MAIN(TestKeptLabelImages)
#include "tst_keptlabelimages.moc"
