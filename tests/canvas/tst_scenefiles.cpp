#include "testsupport.h"

#include "canvas/dldrophint.h"
#include "canvas/dlgraphicsview.h"
#include "scenetest.h"

#include <QGraphicsPixmapItem>
#include <QTemporaryDir>

#include <cmath>

namespace {
// Every 2 x 2 block of the written pictures has its own colour, so halving keeps one per block.
QRgb cell(int x, int y)
{
    return qRgba((x * 37) & 255, (y * 53) & 255, 7, 200);
}

MarkRecord *record(int type, double idx, QPointF p1, QPointF p2, const QString &text, double maxw)
{
    return new MarkRecord {type, idx, p1, p2, text, maxw};
}
} // namespace

class TestSceneFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString picture;

private slots:
    void initTestCase()
    {
        picture = dir.filePath(QStringLiteral("white.png"));
        QImage image(200, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(picture));
    }

    void loadImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("fileSize");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QRectF>("sceneRect");
        QTest::addColumn<bool>("warned");
        const auto row = [](const char *test, const char *file, QSize size, QSize shown,
                             QRectF rect, bool warned) {
            QTest::newRow(test) << QString(file) << size << shown << rect << warned;
        };
        row("even @2x is halved", "shot@2x.png", {200, 100}, {100, 50}, {-350, -275, 800, 600}, 0);
        row("odd width keeps full size, odd leftover rounds toward zero", "odd@2x.png", {201, 100},
            {201, 100}, {-299, -250, 800, 600}, 1);
        row("upper-case X is not retina", "big@2X.png", {200, 100}, {200, 100},
            {-300, -250, 800, 600}, 0);
        row("base name ends at the first dot", "ui@2x.v2.png", {64, 32}, {32, 16},
            {-384, -292, 800, 600}, 0);
        row("as large as the view gets margins", "equal.png", {800, 600}, {800, 600},
            {-100, -100, 1000, 800}, 0);
        row("missing file lays out as 0 x 0", "missing.png", {}, {0, 0}, {-400, -300, 800, 600}, 0);
    }

    void loadImage()
    {
        QFETCH(QString, name);
        QFETCH(QSize, fileSize);
        QFETCH(QSize, shown);
        QFETCH(QRectF, sceneRect);
        QFETCH(bool, warned);

        const QString path = dir.filePath(name);
        if (fileSize.isValid()) {
            QImage image(fileSize, QImage::Format_ARGB32);
            for (int y = 0; y < fileSize.height(); ++y)
                for (int x = 0; x < fileSize.width(); ++x)
                    image.setPixel(x, y, cell(x / 2, y / 2));
            QVERIFY(image.save(path));
        }
        PromptRecorder prompts;
        DLGraphicsScene scene;
        DLGraphicsView view;
        view.setScene(&scene);
        view.setGeometry(0, 0, 800, 600);
        scene.loadImage(path);
        QCOMPARE(scene.image().size(), shown);
        // One canvas unit per picture pixel, whatever ratio the reader guessed from the name.
        QCOMPARE(scene.imageItem()->boundingRect().size(), QSizeF(shown));
        QCOMPARE(scene.imageItem()->zValue(), -100.0);
        QCOMPARE(scene.sceneRect(), sceneRect);
        QCOMPARE(prompts.texts(),
            warned
                ? QStringList {QStringLiteral("Detected retina image, but the size maybe "
                                              "invalid[%1x%2]. App will treat it as normal image.")
                                   .arg(fileSize.width())
                                   .arg(fileSize.height())}
                : QStringList());

        const int w = shown.width(), h = shown.height();
        const bool halved = shown != fileSize;
        const auto pixel
            = [halved](int x, int y) { return halved ? cell(x, y) : cell(x / 2, y / 2); };
        const QRgb outside = 0xFFFFFFFF;
        QCOMPARE(scene.pixelAt(QPointF(0, 0)), w ? pixel(0, 0) : outside);
        QCOMPARE(scene.pixelAt(QPointF(w - 0.01, h - 0.01)), w ? pixel(w - 1, h - 1) : outside);
        QCOMPARE(scene.pixelAt(QPointF(w - 1, 0.5)), w ? pixel(w - 1, 0) : outside);
        for (const QPointF p : {QPointF(-0.5, 0), QPointF(0, -0.01), QPointF(w, 0), QPointF(0, h)})
            QCOMPARE(scene.pixelAt(p), outside);
        QCOMPARE(scene.mapToOrigin({3, 1}, 1), QPointF(3, 1));
        SceneTestAccess::setFlipY(scene, true);
        QCOMPARE(scene.mapToOrigin({3, h - 1.0}, 1), QPointF(3, 0));
        QCOMPARE(scene.mapToOrigin({3, 1}, 0), QPointF(3, h - 1));
    }

    void dropHintImage()
    {
        const QImage hint = DLDropHint::makeDropHintImage();
        QCOMPARE(hint.size(), QSize(300, 160));
        QCOMPARE(hint.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(qAlpha(hint.pixel(0, 0)), 0);
        // The arrow's shaft runs down x = 150, stroked 12 wide in half-transparent white; the
        // rounded square's left side lies at x = 100.
        QVERIFY(qAbs(qAlpha(hint.pixel(150, 60)) - 128) <= 2);
        QCOMPARE(qAlpha(hint.pixel(150 + 7, 45)), 0);
        QVERIFY(qAlpha(hint.pixel(100, 60)) > 100);
        QCOMPARE(qAlpha(hint.pixel(112, 25)), 0);
    }

    void loadDocument_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("idx");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("made"); // empty when the record is skipped
        const double nan = std::nan(""), inf = INFINITY;
        QTest::newRow("half rounds up") << 1 << 2.5 << 5.0 << "1 z2.5 #3 (5,10)-(40,30) '' w-1";
        QTest::newRow("negative half rounds away from zero")
            << 1 << -2.5 << 5.0 << "1 z-2.5 #-3 (5,10)-(40,30) '' w-1";
        QTest::newRow("type 4 is skipped") << 4 << 1.0 << 5.0 << "";
        QTest::newRow("order not a number is skipped") << 1 << nan << 5.0 << "";
        QTest::newRow("point at infinity is skipped") << 1 << 1.0 << inf << "";
    }

    void loadDocument()
    {
        QFETCH(int, type);
        QFETCH(double, idx);
        QFETCH(double, x);
        QFETCH(QString, made);
        DLGraphicsScene scene;
        MarkRecordList records {record(type, idx, {x, 10}, {40, 30}, QString(), -1)};
        QVERIFY(scene.loadDocument(records, picture, 9.0));
        clearMarkRecords(records);
        QCOMPARE(scene.image().size(), QSize(200, 120));
        QCOMPARE(describeMarks(scene), made.isEmpty() ? QStringList() : QStringList {made});
        QCOMPARE(scene.nextZValue(), 9.0);
        QCOMPARE(scene.undoStack().count(), 0);
        QVERIFY(!scene.isModified());
        records << record(MarkRect, 1, {}, {}, QString(), -1); // collecting empties the list first
        QVERIFY(scene.collectMarkRecords(&records));
        QCOMPARE(records.size(), made.isEmpty() ? 0 : 1);
        clearMarkRecords(records);
    }

    void roundTrip()
    {
        DLGraphicsScene first;
        MarkRecordList records {record(MarkLength, 0, {10, 20}, {70, 20}, QString(), -1),
            record(MarkLength, 1, {30, 5}, {30, 90}, QString(), 100),
            record(MarkRect, 2, {15, 25}, {60, 80}, QString(), -1),
            record(MarkColorPick, 5, {50, 50}, {90, 30}, QString(), -1),
            record(
                MarkComments, 6, {5, 100}, {-30, 80}, QStringLiteral("two\nlines, \u00e9"), 73.5)};
        QVERIFY(first.loadDocument(records, picture, 7.0));
        clearMarkRecords(records);
        // The next new mark takes the z value the document supplied.
        first.setMode(ModeMark);
        first.setToolType(ToolRect);
        SceneMouse(&first).drag({170, 100}, {190, 115});
        QCOMPARE(
            describeMarks(first).first(), QStringLiteral("1 z7 #7 (170,100)-(190,115) '' w-1"));

        QVERIFY(first.collectMarkRecords(&records));
        QCOMPARE(records.size(), 6);
        QCOMPARE(records.first()->idx, 7.0); // highest z first
        DLGraphicsScene second;
        QVERIFY(second.loadDocument(records, picture, first.nextZValue()));
        clearMarkRecords(records);
        QCOMPARE(describeMarks(second), describeMarks(first));
        QCOMPARE(second.nextZValue(), 8.0);
    }
};

DIMLET_TEST_MAIN(TestSceneFiles)
#include "tst_scenefiles.moc"
