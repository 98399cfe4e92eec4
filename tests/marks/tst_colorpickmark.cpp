#include "testsupport.h"

#include "marks/colortext.h"
#include "marktest.h"
#include "settings/dlsetting.h"

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

    void colorText_data()
    {
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("profile");
        QTest::addColumn<QString>("text");
        const QRgb orange = qRgba(255, 128, 0, 230);
        QTest::newRow("default, opaque: no percent") << qRgb(255, 128, 0) << 0 << false << "FF8000";
        QTest::newRow("default, alpha 230") << orange << 0 << false << "FF8000(90%)";
        QTest::newRow("default, alpha 2 rounds to 1%")
            << qRgba(0, 0, 0, 2) << 0 << false << "000000(1%)";
        QTest::newRow("default, alpha 254 is 100%")
            << qRgba(0, 0, 0, 254) << 0 << false << "000000(100%)";
        QTest::newRow("rgbHex: upper case, no alpha")
            << qRgba(10, 171, 5, 9) << 1 << false << "0AAB05";
        QTest::newRow("rgbFloat rounds") << qRgba(1, 64, 254, 9) << 2 << false << "0.00,0.25,1.00";
        QTest::newRow("rgbInt pads to two digits") << qRgb(5, 200, 0) << 3 << false << "05,200,00";
        QTest::newRow("rgbaFloat") << orange << 5 << false << "1.00,0.50,0.00(0.90)";
        QTest::newRow("rgbaInt pads alpha too")
            << qRgba(5, 200, 9, 7) << 6 << false << "05,200,09(07)";
        QTest::newRow("index 7 is the default") << orange << 7 << false << "FF8000(90%)";
        QTest::newRow("profile: 128 is 109") << qRgb(128, 128, 128) << 1 << true << "6D6D6D";
        QTest::newRow("profile: the ends of a table row")
            << qRgb(15, 16, 255) << 3 << true << "13,14,255";
        QTest::newRow("profile leaves alpha alone")
            << qRgba(255, 128, 0, 128) << 4 << true << "FF6D00(80)";
    }

    void colorText()
    {
        QFETCH(QRgb, color);
        QFETCH(int, format);
        QFETCH(bool, profile);
        QFETCH(QString, text);
        QCOMPARE(::colorText(color, format, profile), text);
    }

    // Laid out with the top-left origin and the default format; then the settings change to
    // the bottom-left origin of a 600 pixel picture and rgbaInt, with the mask given.
    void settingsChanged_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("text");
        QTest::newRow("a pick samples its anchor") << int(MarkColorPick) << 0 << "0A1E00";
        QTest::newRow("a pick re-formats for the format")
            << int(MarkColorPick) << int(ChangedColorFormat) << "10,30,00(255)";
        QTest::newRow("a pick ignores colour and origin")
            << int(MarkColorPick) << (ChangedMarkColor | ChangedOrigin) << "0A1E00";
        QTest::newRow("a rectangle relabels for any change")
            << int(MarkRect) << int(ChangedMarkColor) << "10,549(41x21)";
        QTest::newRow("a rectangle keeps its label for none")
            << int(MarkRect) << 0 << "10,30(41x21)";
    }

    void settingsChanged()
    {
        QFETCH(int, type);
        QFETCH(int, mask);
        QFETCH(QString, text);
        DLGraphicsItemRenderer::setColorAtHandler(
            [](QPointF p) { return qRgb(int(p.x()), int(p.y()), 0); });
        Driven<> d(type, {10, 30}, {50, 50});
        DLGraphicsItemRenderer::setColorFormat(RgbaIntFormat);
        DLGraphicsItemRenderer::setMapPointHandler(
            [](QPointF p, double height) { return QPointF(p.x(), 600 - p.y() - height); });
        d->settingsChanged(mask);
        QCOMPARE(d->text(), text);
    }
};

DIMLET_TEST_MAIN(TestColorPickMark)
#include "tst_colorpickmark.moc"
