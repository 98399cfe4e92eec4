#include "testsupport.h"

#include "marks/dlgraphicsitemrenderer.h"
#include "marks/dlpalette.h"

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void paletteAndPatterns()
    {
        QCOMPARE(markPalette().size(), 7);
        QCOMPARE(markPalette().first(), 0xFFFF0000u);
        QCOMPARE(markPalette().last(), 0xFFFEE04Eu);
        QCOMPARE(rectDashPattern(), QVector<qreal>({10, 5, 10, 5}));
        QCOMPARE(guideDashPattern(), QVector<qreal>({3, 3, 3, 3}));
        initMarkPalette(); // a second start-up call must not append again
        QCOMPARE(markPalette().size(), 7);
    }

    void darkShade_data()
    {
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<QRgb>("dark");
        QTest::newRow("red") << QRgb(0xFFFF0000) << QRgb(0xFFF00000);
        QTest::newRow("midnight") << QRgb(0xFF2C3E50) << QRgb(0xFF1D2F41);
        QTest::newRow("channels below 15 floor at 0") << QRgb(0xFF0E0F10) << QRgb(0xFF000001);
        QTest::newRow("alpha is dropped") << QRgb(0x80FFFFFF) << QRgb(0xFFF0F0F0);
    }

    void darkShade()
    {
        QFETCH(QRgb, color);
        QFETCH(QRgb, dark);
        QCOMPARE(darkShadeOf(color), dark);
        DLGraphicsItemRenderer::setMarkColor(color);
        QCOMPARE(DLGraphicsItemRenderer::darkColor(), dark);
        QCOMPARE(DLGraphicsItemRenderer::darkMarkPen().color().rgba(), dark);
        QCOMPARE(DLGraphicsItemRenderer::darkMarkBrush().color().rgba(), dark);
    }

    void pensFollowTheMarkColor()
    {
        DLGraphicsItemRenderer::setMarkColor(0xFF347DDB);
        QCOMPARE(DLGraphicsItemRenderer::markPen().color().rgba(), 0xFF347DDBu);
        QCOMPARE(DLGraphicsItemRenderer::markPen().width(), 1);
        QCOMPARE(DLGraphicsItemRenderer::markPen().joinStyle(), Qt::MiterJoin);
        QCOMPARE(DLGraphicsItemRenderer::markBrush().style(), Qt::SolidPattern);
        QCOMPARE(DLGraphicsItemRenderer::hitPen().widthF(), 6.0);
        QCOMPARE(DLGraphicsItemRenderer::hitPen().color().rgba(), 0xFF347DDBu);
        QCOMPARE(DLGraphicsItemRenderer::labelOutlinePen().color(), QColor(Qt::white));
        QCOMPARE(DLGraphicsItemRenderer::labelOutlinePen().width(), 4);
        QCOMPARE(DLGraphicsItemRenderer::labelOutlinePen().capStyle(), Qt::RoundCap);
        QCOMPARE(DLGraphicsItemRenderer::whiteHaloPen().joinStyle(), Qt::RoundJoin);
        QCOMPARE(
            DLGraphicsItemRenderer::labelBackgroundBrush().color(), QColor(255, 255, 255, 180));
    }

    void labelFontMetricsFollowTheFont()
    {
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
        const QFontMetrics *metrics = DLGraphicsItemRenderer::labelFontMetrics();
        QVERIFY(metrics);
        QCOMPARE(metrics->height(), QFontMetrics(QFont(QStringLiteral("Arial"), 12)).height());
        const int smallHeight = metrics->height();
        DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 30));
        QVERIFY(DLGraphicsItemRenderer::labelFontMetrics()->height() > smallHeight);
        QCOMPARE(DLGraphicsItemRenderer::labelFontMetrics()->height(),
            QFontMetrics(QFont(QStringLiteral("Arial"), 30)).height());
    }
};

DIMLET_TEST_MAIN(TestPalette)
#include "tst_palette.moc"
