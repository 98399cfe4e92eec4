#include "testsupport.h"

#include "canvas/dldrophint.h"
#include "canvas/dlgraphicsview.h"
#include "scenetest.h"
#include "settings/preferences.h"

#include <QGraphicsPixmapItem>
#include <QTemporaryDir>

#include <cmath>

namespace {
// Every 2 x 2 block of the written pictures has its own colour, so halving keeps one per block.
QRgb cell(int x, int y)
{
    return qRgba((x * 37) & 255, (y * 53) & 255, 7, 200);
}
} // namespace

class TestSceneFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void loadImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("fileSize");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QRectF>("sceneRect");
        const auto row = [](const char *test, const char *file, QSize size, QSize shown,
                             QRectF rect) { QTest::newRow(test) << file << size << shown << rect; };
        row("even @2x is halved", "shot@2x.png", {200, 100}, {100, 50}, {-350, -275, 800, 600});
        row("odd @2x warns and keeps its size; leftovers round toward zero", "odd@2x.png",
            {201, 100}, {201, 100}, {-299, -250, 800, 600});
        row("upper-case X is not retina", "big@2X.png", {200, 100}, {200, 100},
            {-300, -250, 800, 600});
        row("base name ends at the first dot", "ui@2x.v2.png", {64, 32}, {32, 16},
            {-384, -292, 800, 600});
        row("as large as the view gets margins", "equal.png", {800, 600}, {800, 600},
            {-100, -100, 1000, 800});
        row("missing file lays out as 0 x 0", "missing.png", {}, {0, 0}, {-400, -300, 800, 600});
    }

    void loadImage()
    {
        QFETCH(QString, name);
        QFETCH(QSize, fileSize);
        QFETCH(QSize, shown);
        QFETCH(QRectF, sceneRect);
        const QString path = dir.filePath(name);
        QImage image(fileSize.isValid() ? fileSize : QSize(1, 1), QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, cell(x / 2, y / 2));
        QVERIFY(!fileSize.isValid() || image.save(path));
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
        const bool warned = fileSize.width() % 2 == 1;
        QCOMPARE(prompts.texts().size(), int(warned));
        if (warned)
            QVERIFY(prompts.texts().first().endsWith("invalid[201x100]. App will treat it as "
                                                     "normal image."));
        const int w = shown.width(), h = shown.height();
        const int step = shown == fileSize ? 2 : 1;
        if (w)
            QCOMPARE(scene.pixelAt({w - 0.01, h - 0.01}), cell((w - 1) / step, (h - 1) / step));
        for (const QPointF p : {QPointF(-0.5, 0), QPointF(0, -0.01), QPointF(w, 0), QPointF(0, h)})
            QCOMPARE(scene.pixelAt(p), 0xFFFFFFFF);
        QCOMPARE(scene.mapToOrigin({3, 1}, 1), QPointF(3, 1));
        // A scene built after "bottom left" was stored counts y from the bottom.
        writePreference(PrefKey::FlipY, true);
        DLGraphicsScene restarted;
        writePreference(PrefKey::FlipY, false);
        SceneTestAccess::setImage(restarted, scene.image());
        QCOMPARE(restarted.mapToOrigin({3, 1}, 0.5), QPointF(3, h - 1.5));
    }

    void dropHintImage()
    {
        const QImage hint = DLDropHint::makeDropHintImage();
        QCOMPARE(hint.size(), QSize(300, 160));
        QCOMPARE(hint.format(), QImage::Format_ARGB32_Premultiplied);
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
        QTest::newRow("half rounds up") << 1 << 2.5 << 5.0 << "1 2.5 3 5 10 40 30  -1";
        QTest::newRow("negative half rounds away from zero")
            << 1 << -2.5 << 5.0 << "1 -2.5 -3 5 10 40 30  -1";
        QTest::newRow("type 4 is skipped") << 4 << 1.0 << 5.0 << "";
        QTest::newRow("order not a number is skipped") << 1 << std::nan("") << 5.0 << "";
        QTest::newRow("point at infinity is skipped") << 1 << 1.0 << double(INFINITY) << "";
    }

    // Documents come back as they were saved; the next new mark takes the z value they supply.
    void loadDocument()
    {
        QFETCH(int, type);
        QFETCH(double, idx);
        QFETCH(double, x);
        QFETCH(QString, made);
        const QString picture = dir.filePath("white.png");
        QVERIFY(QImage(200, 120, QImage::Format_RGB32).save(picture));
        MarkRecordList records {new MarkRecord {type, idx, {x, 10}, {40, 30}, {}, -1},
            new MarkRecord {MarkLength, 1, {30, 5}, {30, 90}, {}, 100},
            new MarkRecord {MarkColorPick, 5, {50, 50}, {90, 30}, {}, -1},
            new MarkRecord {MarkComments, 6, {5, 100}, {-30, 80}, "two\nlines, \u00e9", 73.5}};
        MarkScene first {ToolRect};
        QVERIFY(first.loadDocument(records, picture, 9.0));
        clearMarkRecords(records);
        const QStringList loaded = describeMarks(first);
        QCOMPARE(loaded.size(), made.isEmpty() ? 3 : 4);
        QVERIFY(made.isEmpty() || loaded.contains(made));
        QVERIFY(first.undoStack().count() == 0 && !first.isModified());
        SceneMouse(&first).drag({170, 100}, {190, 115});
        QCOMPARE(describeMarks(first).first(), QStringLiteral("1 9 9 170 100 190 115  -1"));

        records << new MarkRecord; // collecting empties the list first
        QVERIFY(first.collectMarkRecords(&records));
        QCOMPARE(records.first()->idx, 9.0); // highest z first
        DLGraphicsScene second;
        QVERIFY(second.loadDocument(records, picture, first.nextZValue()));
        clearMarkRecords(records);
        QCOMPARE(describeMarks(second), describeMarks(first));
        QCOMPARE(second.nextZValue(), 10.0);
    }
};

DIMLET_TEST_MAIN(TestSceneFiles)
#include "tst_scenefiles.moc"
