#include "testsupport.h"

#include "canvas/dlgraphicsscene.h"
#include "canvas/scenemouse.h"
#include "marks/dlgraphicscolorpickitemrenderer.h"
#include "marks/dlgraphicsitem.h"
#include "settings/dlsetting.h"

#include <QPainter>

namespace {
constexpr QRgb orange = 0xFFFF8000;

// A 100 x 50 picture with a few known pixels in row 10, and the colour pick tool.
struct PickScene
{
    PickScene()
    {
        scene.image = QImage(100, 50, QImage::Format_ARGB32);
        scene.image.fill(QColor(0, 0, 255));
        scene.image.setPixel(10, 10, orange);
        scene.image.setPixel(20, 10, qRgba(255, 128, 0, 230));
        scene.image.setPixel(30, 10, qRgba(255, 128, 0, 128));
        scene.image.setPixel(40, 10, qRgba(255, 128, 0, 0));
        scene.image.setPixel(50, 10, qRgba(128, 128, 128, 255));
        scene.image.setPixel(99, 10, qRgba(1, 2, 3, 255));
        scene.setMode(ModeMark);
        scene.setToolType(ToolColorPick);
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setMacProfile(false);
    }
    ~PickScene()
    {
        DLGraphicsItemRenderer::setColorFormat(0);
        DLGraphicsItemRenderer::setMacProfile(false);
    }

    DLGraphicsItem *place(QPointF anchor, QPointF end)
    {
        mouse.drag(anchor, end);
        const QList<QGraphicsItem *> all = scene.items();
        for (QGraphicsItem *item : all) {
            if (item->type() == markItemType(MarkColorPick))
                return static_cast<DLGraphicsItem *>(item);
        }
        return nullptr;
    }

    DLGraphicsScene scene;
    SceneMouse mouse {&scene};
};

const DLGraphicsColorPickItemRenderer *pickOf(const DLGraphicsItem *mark)
{
    return static_cast<const DLGraphicsColorPickItemRenderer *>(mark->renderer());
}
} // namespace

class TestColorPickMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sampledText_data();
    void sampledText();
    void settingsChange_data();
    void settingsChange();
    void arrowheadDragSamples();
    void wholeMoveSamples();
    void swatchAndAnchorPixel();
};

void TestColorPickMark::initTestCase()
{
    DLGraphicsItemRenderer::setMarkColor(0xFFFF0000);
    DLGraphicsItemRenderer::setLabelFont(QFont(QStringLiteral("Arial"), 12));
}

void TestColorPickMark::sampledText_data()
{
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("opaque pixel") << QPointF(10, 10) << 0 << false << uint(orange) << "FF8000";
    QTest::newRow("inside the pixel, not on its corner")
        << QPointF(10.8, 10.6) << 0 << false << uint(orange) << "FF8000";
    QTest::newRow("alpha 230") << QPointF(20, 10) << 0 << false << uint(qRgba(255, 128, 0, 230))
                               << "FF8000(90%)";
    QTest::newRow("alpha 128") << QPointF(30, 10) << 0 << false << uint(qRgba(255, 128, 0, 128))
                               << "FF8000(50%)";
    QTest::newRow("alpha 0") << QPointF(40, 10) << 0 << false << uint(qRgba(255, 128, 0, 0))
                             << "FF8000(0%)";
    QTest::newRow("alpha 230 in rgbaFloat")
        << QPointF(20, 10) << 5 << false << uint(qRgba(255, 128, 0, 230)) << "1.00,0.50,0.00(0.90)";
    QTest::newRow("last column is inside")
        << QPointF(99, 10) << 3 << false << uint(qRgba(1, 2, 3, 255)) << "01,02,03";
    QTest::newRow("right of the picture is white")
        << QPointF(100, 10) << 0 << false << 0xFFFFFFFFu << "FFFFFF";
    QTest::newRow("outside in rgbaInt")
        << QPointF(150, 10) << 6 << false << 0xFFFFFFFFu << "255,255,255(255)";
    QTest::newRow("above the picture is white")
        << QPointF(10, -1) << 0 << false << 0xFFFFFFFFu << "FFFFFF";
    QTest::newRow("grey through the profile")
        << QPointF(50, 10) << 1 << true << uint(qRgba(128, 128, 128, 255)) << "6D6D6D";
    QTest::newRow("profile leaves the alpha alone")
        << QPointF(30, 10) << 4 << true << uint(qRgba(255, 128, 0, 128)) << "FF6D00(80)";
}

void TestColorPickMark::sampledText()
{
    QFETCH(QPointF, anchor);
    QFETCH(int, format);
    QFETCH(bool, profile);
    QFETCH(uint, color);
    QFETCH(QString, text);

    PickScene s;
    DLGraphicsItemRenderer::setColorFormat(format);
    DLGraphicsItemRenderer::setMacProfile(profile);
    DLGraphicsItem *mark = s.place(anchor, anchor + QPointF(40, 20));
    QVERIFY(mark);
    QCOMPARE(pickOf(mark)->color(), QRgb(color));
    QCOMPARE(mark->text(), text);
    // The label box holds the text.
    const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(text);
    QCOMPARE(pickOf(mark)->labelRect().size(), QSizeF(tb.width() + 2, tb.height()));
}

void TestColorPickMark::settingsChange_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("text");

    QTest::newRow("mark colour alone changes nothing") << int(ChangedMarkColor) << "FF8000";
    QTest::newRow("origin alone changes nothing") << int(ChangedOrigin) << "FF8000";
    QTest::newRow("format change re-formats") << int(ChangedColorFormat) << "255,128,00(255)";
    QTest::newRow("profile change re-formats") << int(ChangedMacProfile) << "255,128,00(255)";
    QTest::newRow("format among other changes")
        << int(ChangedMarkColor | ChangedColorFormat | ChangedBackground) << "255,128,00(255)";
}

void TestColorPickMark::settingsChange()
{
    QFETCH(int, mask);
    QFETCH(QString, text);

    PickScene s;
    DLGraphicsItem *mark = s.place(QPointF(10, 10), QPointF(50, 30));
    QVERIFY(mark);
    QCOMPARE(mark->text(), QStringLiteral("FF8000"));
    QPointF before1;
    QPointF before2;
    mark->points(&before1, &before2);

    DLGraphicsItemRenderer::setColorFormat(6);
    mark->settingsChanged(mask);
    QCOMPARE(mark->text(), text);
    QPointF after1;
    QPointF after2;
    mark->points(&after1, &after2);
    QCOMPARE(after1, before1);
    QCOMPARE(after2, before2);
    QCOMPARE(mark->pos(), before1);
}

void TestColorPickMark::arrowheadDragSamples()
{
    PickScene s;
    DLGraphicsItem *mark = s.place(QPointF(10, 10), QPointF(50, 30));
    QVERIFY(mark);
    // Inside the arrowhead, which points at the anchor from the lower right.
    const QPointF grab(14, 12);
    QCOMPARE(mark->hitTest(grab), 1);

    s.mouse.press(grab);
    s.mouse.move(grab + QPointF(10, 0));
    QCOMPARE(mark->text(), QStringLiteral("FF8000(90%)"));
    s.mouse.move(grab + QPointF(20, 0));
    QCOMPARE(mark->text(), QStringLiteral("FF8000(50%)"));
    s.mouse.move(grab + QPointF(200, 0));
    QCOMPARE(mark->text(), QStringLiteral("FFFFFF"));
    s.mouse.move(grab + QPointF(40, 0));
    s.mouse.release(grab + QPointF(40, 0));
    QCOMPARE(mark->text(), QStringLiteral("808080"));
    QPointF first;
    QPointF second;
    mark->points(&first, &second);
    QCOMPARE(first, QPointF(50, 10));
    QCOMPARE(second, QPointF(50, 30));
}

void TestColorPickMark::wholeMoveSamples()
{
    PickScene s;
    DLGraphicsItem *mark = s.place(QPointF(10, 10), QPointF(50, 30));
    QVERIFY(mark);
    const QPointF grab = mark->labelSceneRect().center();
    QCOMPARE(mark->hitTest(grab), 9);
    s.mouse.press(grab);
    s.mouse.move(grab + QPointF(10, 0));
    QCOMPARE(mark->text(), QStringLiteral("FF8000(90%)"));
    QCOMPARE(mark->pos(), QPointF(20, 10));
    const QRect tb = QFontMetrics(DLGraphicsItemRenderer::labelFont()).boundingRect(mark->text());
    QCOMPARE(mark->labelSceneRect().size(), QSizeF(tb.width() + 2, tb.height()));
    s.mouse.release(grab + QPointF(10, 0));
}

void TestColorPickMark::swatchAndAnchorPixel()
{
    PickScene s;
    DLGraphicsItem *mark = s.place(QPointF(10, 10), QPointF(50, 30));
    QVERIFY(mark);
    QImage canvas(120, 60, QImage::Format_ARGB32);
    canvas.fill(QColor(0, 0, 255));
    QPainter painter(&canvas);
    painter.translate(mark->pos());
    mark->paintPlain(&painter);
    painter.end();

    // The swatch at the label end shows the colour; the sampled pixel keeps its own colour
    // inside a frame of the mark colour.
    QCOMPARE(canvas.pixel(50, 30), orange);
    QCOMPARE(canvas.pixel(10, 10), orange);
    QCOMPARE(canvas.pixel(9, 9), QRgb(0xFFFF0000));
    QCOMPARE(canvas.pixel(47, 27), QRgb(0xFFFF0000));
}

DIMLET_TEST_MAIN(TestColorPickMark)
#include "tst_colorpickmark.moc"
