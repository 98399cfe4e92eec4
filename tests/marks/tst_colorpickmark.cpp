#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/scenetest.h"
#include "marks/colortext.h"
#include "marks/dlgraphicsitem.h"
#include "marks/dlgraphicsitemrenderer.h"
#include "settings/dlsetting.h"

class TestColorPickMark : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setMacProfile(false);
    }

    void colorText_data()
    {
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        const QRgb orange = qRgba(255, 128, 0, 230);
        QTest::newRow("default, opaque: no percent") << qRgb(255, 128, 0) << 0 << "FF8000";
        QTest::newRow("default, alpha 230") << orange << 0 << "FF8000(90%)";
        QTest::newRow("default, alpha 128") << qRgba(255, 128, 0, 128) << 0 << "FF8000(50%)";
        QTest::newRow("default, alpha 0") << qRgba(255, 128, 0, 0) << 0 << "FF8000(0%)";
        QTest::newRow("default, alpha 1 shows 0%") << qRgba(255, 128, 0, 1) << 0 << "FF8000(0%)";
        QTest::newRow("default, alpha 2 rounds to 1%") << qRgba(0, 0, 0, 2) << 0 << "000000(1%)";
        QTest::newRow("default, alpha 254 is 100%") << qRgba(0, 0, 0, 254) << 0 << "000000(100%)";
        QTest::newRow("rgbHex: upper case, no alpha") << qRgba(10, 171, 5, 9) << 1 << "0AAB05";
        QTest::newRow("rgbFloat rounds, no alpha") << qRgba(1, 64, 254, 9) << 2 << "0.00,0.25,1.00";
        QTest::newRow("rgbInt pads to two digits") << qRgb(5, 200, 0) << 3 << "05,200,00";
        QTest::newRow("rgbaHex") << orange << 4 << "FF8000(E6)";
        QTest::newRow("rgbaFloat") << orange << 5 << "1.00,0.50,0.00(0.90)";
        QTest::newRow("rgbaInt pads alpha too") << qRgba(5, 200, 9, 7) << 6 << "05,200,09(07)";
        QTest::newRow("index 7 is the default") << orange << 7 << "FF8000(90%)";
        QTest::newRow("index -1 is the default") << orange << -1 << "FF8000(90%)";
    }

    void colorText()
    {
        QFETCH(QRgb, color);
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(::colorText(color, format, false), text);
    }

    void profileTable_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("output");
        QTest::newRow("0 stays") << 0 << 0;
        QTest::newRow("last of a row") << 15 << 13;
        QTest::newRow("first of the next row") << 16 << 14;
        QTest::newRow("128") << 128 << 109;
        QTest::newRow("255 stays") << 255 << 255;
    }

    void profileTable()
    {
        QFETCH(int, input);
        QFETCH(int, output);
        QCOMPARE(profiledChannel(input), output);
        for (int v = 1; v < 256; ++v)
            QVERIFY(profiledChannel(v) >= profiledChannel(v - 1));
    }

    // Picks placed on a picture, then the settings change to rgbaInt with the mask given.
    void sampled_data()
    {
        QTest::addColumn<QPointF>("anchor");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("profile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("changed");
        const int m = ChangedMarkColor | ChangedOrigin;
        QTest::newRow("opaque pixel") << QPointF(10, 10) << 0 << false << "FF8000" << m << "FF8000";
        QTest::newRow("inside the pixel")
            << QPointF(10.8, 10.6) << 0 << false << "FF8000" << 0 << "FF8000";
        QTest::newRow("alpha 0 keeps its colour") << QPointF(40, 10) << 0 << false << "FF8000(0%)"
                                                  << int(ChangedColorFormat) << "255,128,00(00)";
        QTest::newRow("last column is inside") << QPointF(99, 10) << 3 << false << "01,02,03"
                                               << int(ChangedMacProfile) << "01,02,03(255)";
        QTest::newRow("right of the picture is white")
            << QPointF(100, 10) << 0 << false << "FFFFFF" << int(ChangedColorFormat)
            << "255,255,255(255)";
        QTest::newRow("profile: grey 128") << QPointF(50, 10) << 1 << true << "6D6D6D"
                                           << (m | ChangedColorFormat) << "109,109,109(255)";
        QTest::newRow("profile leaves alpha alone")
            << QPointF(30, 10) << 4 << true << "FF6D00(80)" << 0 << "FF6D00(80)";
    }

    void sampled()
    {
        QFETCH(QPointF, anchor);
        QFETCH(int, format);
        QFETCH(bool, profile);
        QFETCH(QString, text);
        QFETCH(int, mask);
        QFETCH(QString, changed);
        DLGraphicsScene scene;
        QImage picture(100, 50, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        int x = 10;
        for (int alpha : {255, 230, 128, 0}) {
            picture.setPixel(x, 10, qRgba(255, 128, 0, alpha));
            x += 10;
        }
        picture.setPixel(50, 10, qRgb(128, 128, 128));
        picture.setPixel(99, 10, qRgb(1, 2, 3));
        SceneTestAccess::setImage(scene, picture);
        scene.setMode(ModeMark);
        scene.setToolType(ToolColorPick);
        DLGraphicsItemRenderer::setColorFormat(format);
        DLGraphicsItemRenderer::setMacProfile(profile);
        SceneMouse(&scene).drag(anchor, anchor + QPointF(40, 20));
        QCOMPARE(scene.marks().size(), 1);
        DLGraphicsItem *mark = scene.marks().first();
        QCOMPARE(mark->markType(), int(MarkColorPick));
        QCOMPARE(mark->text(), text);

        const QLineF points = pointsOf(mark);
        DLGraphicsItemRenderer::setColorFormat(6);
        mark->settingsChanged(mask);
        QCOMPARE(mark->text(), changed);
        QCOMPARE(pointsOf(mark), points);
    }
};

DIMLET_TEST_MAIN(TestColorPickMark)
#include "tst_colorpickmark.moc"
