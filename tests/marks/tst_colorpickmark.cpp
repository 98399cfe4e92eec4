#include "testsupport.h"

#include "marks/colortext.h"
#include "marktest.h"

class TestColorPickMark : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setColorAtHandler(nullptr);
        DLGraphicsItemRenderer::setMapPointHandler(nullptr);
    }

    // ARGB|format, + 10 with the colour profile|text.
    void colorText_data()
    {
        rows({"default, opaque: no percent|FFFF8000|0|FF8000",
            "default, alpha 230|E6FF8000|0|FF8000(90%)",
            "default, alpha 2 rounds to 1%|02000000|0|000000(1%)",
            "default, alpha 254 is 100%|FE000000|0|000000(100%)",
            "rgbHex: upper case, no alpha|090AAB05|1|0AAB05",
            "rgbFloat rounds|090140FE|2|0.00,0.25,1.00",
            "rgbInt pads to two digits|FF05C800|3|05,200,00",
            "rgbaFloat|E6FF8000|5|1.00,0.50,0.00(0.90)",
            "rgbaInt pads alpha too|0705C809|6|05,200,09(07)",
            "index 7 is the default|E6FF8000|7|FF8000(90%)",
            "profile: 128 is 109|FF808080|11|6D6D6D",
            "profile: the ends of a table row|FF0F10FF|13|13,14,255",
            "profile leaves alpha alone|80FF8000|14|FF6D00(80)"});
    }

    void colorText()
    {
        QFETCH(QStringList, f);
        const int format = f[1].toInt();
        QCOMPARE(::colorText(f[0].toUInt(nullptr, 16), format % 10, format >= 10), f[2]);
    }

    // Kind|points|mask|text: laid out with the top-left origin and the default format; then the
    // settings change to the bottom-left origin of a 600 pixel picture and rgbaInt.
    void settingsChanged_data()
    {
        rows({"a pick samples its anchor|2|10,30 50,50|0|0A1E00",
            "a pick re-formats for the format|2|10,30 50,50|2|10,30,00(255)",
            "a pick ignores colour and origin|2|10,30 50,50|17|0A1E00",
            "a rectangle relabels for any change|1|10,30 50,50|1|10,549(41x21)",
            "a rectangle keeps its label for none|1|10,30 50,50|0|10,30(41x21)",
            "a point maps with no height|1|120,48 120,48|16|x:120,y:552",
            "touching the bottom edge|1|0,580 9,599|16|0,0(10x20)"});
    }

    void settingsChanged()
    {
        QFETCH(QStringList, f);
        DLGraphicsItemRenderer::setColorAtHandler(
            [](QPointF p) { return qRgb(int(p.x()), int(p.y()), 0); });
        Driven<> d(f[0].toInt(), line(f[1]).p1(), line(f[1]).p2());
        DLGraphicsItemRenderer::setColorFormat(RgbaIntFormat);
        DLGraphicsItemRenderer::setMapPointHandler(
            [](QPointF p, double height) { return QPointF(p.x(), 600 - p.y() - height); });
        d->settingsChanged(f[2].toInt());
        QCOMPARE(d->text(), f[3]);
    }
};

DIMLET_TEST_MAIN(TestColorPickMark)
#include "tst_colorpickmark.moc"
