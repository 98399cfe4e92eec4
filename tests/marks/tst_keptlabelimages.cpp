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
        QTest::addColumn<QString>("change");
        for (const char *change :
            {"none, zoomed", "text", "wrap width", "colour", "font", "leader"})
            QTest::newRow(change) << QString(change);
    }

    void keptImagesGiveTheSamePixels()
    {
        QFETCH(QString, change);
        const bool changed = change != QLatin1String("none, zoomed");
        const double zoom = changed ? 1.0 : 0.37;
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        LabelImageCache::instance().clear();
        const QString text = QStringLiteral("Padding should be 8 px on both sides");
        Driven<DLGraphicsCommentsItemRenderer> c(MarkComments, {100, 60}, {105, 100}, text, 60.0);
        const QImage before = painted(*c.r, true, zoom);

        DLGraphicsItemRenderer::setMarkColor(change == "colour" ? 0xFF00A0FF : 0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(
            QFont(QStringLiteral("Arial"), change == "font" ? 14 : 12));
        c->setText(change == "text" ? QStringLiteral("Commenta") : text);
        c->textChanged();
        c->setMaxWidth(change == "wrap width" ? 45.0 : 60.0);
        c->setSecondPoint(change == "leader" ? QPointF(105, 101) : QPointF(105, 100));
        c->updateGeometry();
        const QImage direct = painted(*c.r, false, zoom);
        QVERIFY(difference(painted(*c.r, true, zoom), direct) <= 1);
        QCOMPARE(difference(before, direct) > 1, changed);
        if (!changed)
            QVERIFY(LabelImageCache::instance().hits() > 0);
    }
};

DIMLET_TEST_MAIN(TestKeptLabelImages)
#include "tst_keptlabelimages.moc"
