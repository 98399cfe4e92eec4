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

#include <memory>

namespace {
// A busy background, so text placed one pixel off, clipped, or blended differently shows.
QImage background()
{
    QImage image(360, 150, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 360, 150);
    fill.setColorAt(0, QColor(20, 90, 200));
    fill.setColorAt(0.5, QColor(250, 240, 120));
    fill.setColorAt(1, QColor(30, 30, 30));
    painter.fillRect(image.rect(), fill);
    for (int x = 0; x < image.width(); x += 5)
        painter.fillRect(x, 0, 2, image.height(), QColor(255, 255, 255, 90));
    return image;
}

// The largest difference of any channel, and how many pixels differ at all.
QPair<int, int> differenceOf(const QImage &a, const QImage &b)
{
    QPair<int, int> difference(0, 0);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb l = a.pixel(x, y), r = b.pixel(x, y);
            difference.second += l != r;
            for (int shift : {0, 8, 16, 24})
                difference.first = qMax(
                    difference.first, qAbs(int((l >> shift) & 0xFF) - int((r >> shift) & 0xFF)));
        }
    }
    return difference;
}

QImage text(const QTextLayout &layout, QRgb color, bool kept, const QTransform &transform = {})
{
    QImage image = background();
    QPainter painter(&image);
    painter.setTransform(transform);
    painter.setPen(QColor(color));
    if (kept)
        drawLaidOutText(layout, QPointF(24, 30), &painter);
    else
        layout.draw(&painter, QPointF(24, 30), {}, QRectF());
    return image;
}

QImage leader(const DLGraphicsColorPickItemRenderer &pick, bool kept)
{
    QImage image = background();
    QPainter painter(&image);
    painter.translate(pick.firstPoint());
    if (kept)
        drawLeader(pick, &painter, false, false);
    else
        paintLeader(pick, &painter, false, false);
    return image;
}

// A kept image is one layer: pixels that direct painting blends twice may lie one level off.
void verifySamePixels(const QImage &kept, const QImage &direct)
{
    const int changed = differenceOf(direct, background()).second;
    QVERIFY(changed > 20);
    QVERIFY(differenceOf(kept, direct).first <= 1);
    QVERIFY(differenceOf(kept, direct).second * 3 <= changed);
}
} // namespace

class TestKeptLabelImages : public QObject
{
    Q_OBJECT
    StubNotifyHandle owner;
    std::unique_ptr<DLGraphicsCommentsItemRenderer> comment;
    std::unique_ptr<DLGraphicsColorPickItemRenderer> pick;

private slots:
    void init()
    {
        DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        LabelImageCache::instance().clear();
        comment = std::make_unique<DLGraphicsCommentsItemRenderer>();
        comment->init(&owner, QPointF(20, 60), QPointF(60, 40),
            QStringLiteral("Padding should be 8 px on both sides"), 60.0);
        pick = std::make_unique<DLGraphicsColorPickItemRenderer>();
        pick->init(&owner, QPointF(100, 60), QPointF(105, 100), QString(), -1.0);
    }

    void keptCommentTextGivesTheSamePixels()
    {
        const QTransform zoom
            = QTransform::fromScale(0.37, 0.37) * QTransform::fromTranslate(3.3, 7.1);
        const QImage first = text(*comment->textLayout(), 0xFFFF0000, true, zoom);
        verifySamePixels(first, text(*comment->textLayout(), 0xFFFF0000, false, zoom));
        QCOMPARE(text(*comment->textLayout(), 0xFFFF0000, true, zoom), first);
        QCOMPARE(LabelImageCache::instance().hits(), 1);
    }

    void keptCurvedLeaderGivesTheSamePixels()
    {
        verifySamePixels(leader(*pick, true), leader(*pick, false));
    }

    void changeIsNotServedTheOldImage_data()
    {
        QTest::addColumn<QString>("newText");
        QTest::addColumn<double>("newWidth");
        QTest::addColumn<QRgb>("newColor");
        QTest::addColumn<int>("newFontSize");
        QTest::addColumn<QPointF>("newSecond");
        const QString same = QStringLiteral("Padding should be 8 px on both sides");
        QTest::newRow("text") << "Commenta" << 60.0 << QRgb(0xFFFF0000) << 12 << QPointF(105, 100);
        QTest::newRow("wrap width") << same << 45.0 << QRgb(0xFFFF0000) << 12 << QPointF(105, 100);
        QTest::newRow("mark colour") << same << 60.0 << QRgb(0xFF00A0FF) << 12 << QPointF(105, 100);
        QTest::newRow("label font") << same << 60.0 << QRgb(0xFFFF0000) << 14 << QPointF(105, 100);
        QTest::newRow("leader reshaped")
            << same << 60.0 << QRgb(0xFFFF0000) << 12 << QPointF(105, 101);
    }

    // Whatever looks different now must be painted anew, not taken from the kept image.
    void changeIsNotServedTheOldImage()
    {
        QFETCH(QString, newText);
        QFETCH(double, newWidth);
        QFETCH(QRgb, newColor);
        QFETCH(int, newFontSize);
        QFETCH(QPointF, newSecond);
        const QImage textBefore = text(*comment->textLayout(), 0xFFFF0000, true);
        const QImage leaderBefore = leader(*pick, true);

        DLGraphicsItemRenderer::setMarkColor(newColor);
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), newFontSize));
        comment->setText(newText);
        comment->textChanged();
        comment->setMaxWidth(newWidth);
        comment->updateGeometry();
        comment->relayoutText();
        pick->setSecondPoint(newSecond);
        pick->updateGeometry();

        const QImage textDirect = text(*comment->textLayout(), newColor, false);
        const QImage leaderDirect = leader(*pick, false);
        QVERIFY(differenceOf(textBefore, textDirect).first > 1
            || differenceOf(leaderBefore, leaderDirect).first > 1);
        QVERIFY(differenceOf(text(*comment->textLayout(), newColor, true), textDirect).first <= 1);
        QVERIFY(differenceOf(leader(*pick, true), leaderDirect).first <= 1);
    }
};

DIMLET_TEST_MAIN(TestKeptLabelImages)
#include "tst_keptlabelimages.moc"
