#include "testsupport.h"

#include "canvas/dlgraphicsview.h"
#include "scenetest.h"
#include "settings/preferences.h"

#include <QGraphicsPixmapItem>
#include <QTemporaryDir>

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
    // File|its size, none when missing|size shown|scene rect in a view of 800 x 600.
    void loadImage_data()
    {
        rows({"even @2x is halved|shot@2x.png|200,100|100,50|-350,-275 800,600",
            "odd @2x warns and keeps its size; leftovers round toward zero|odd@2x.png|201,100|201,"
            "100|-299,-250 800,600",
            "upper-case X is not retina|big@2X.png|200,100|200,100|-300,-250 800,600",
            "base name ends at the first dot|ui@2x.v2.png|64,32|32,16|-384,-292 800,600",
            "as large as the view gets margins|equal.png|800,600|800,600|-100,-100 1000,800",
            "missing file lays out as 0 x 0|missing.png||0,0|-400,-300 800,600"});
    }

    void loadImage()
    {
        QFETCH(QStringList, f);
        const QSize fileSize
            = f[1].isEmpty() ? QSize() : QSizeF(point(f[1]).x(), point(f[1]).y()).toSize();
        const QSize shown = QSizeF(point(f[2]).x(), point(f[2]).y()).toSize();
        const QLineF rect = line(f[3]);
        const QString path = dir.filePath(f[0]);
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
        QCOMPARE(scene.sceneRect(), QRectF(rect.p1(), QSizeF(rect.x2(), rect.y2())));
        const bool warned = fileSize.width() % 2 == 1;
        QCOMPARE(prompts.texts().size(), int(warned));
        if (warned)
            QVERIFY(prompts.texts().first().endsWith("invalid[201x100]. App will treat it as "
                                                     "normal image."));
        const int w = shown.width(), h = shown.height(), step = shown == fileSize ? 2 : 1;
        if (w)
            QCOMPARE(scene.pixelAt({w - 0.01, h - 0.01}), cell((w - 1) / step, (h - 1) / step));
        // A scene built after "bottom left" was stored counts y from the bottom.
        QCOMPARE(scene.mapToOrigin({3, 1}, 1), QPointF(3, 1));
        writePreference(PrefKey::FlipY, true);
        DLGraphicsScene restarted;
        writePreference(PrefKey::FlipY, false);
        SceneTestAccess::setImage(restarted, scene.image());
        QCOMPARE(restarted.mapToOrigin({3, 1}, 0.5), QPointF(3, h - 1.5));
    }

    // Kind|order|first x of the record among others|the mark it makes, none when skipped.
    // Documents come back as they were saved; the next new mark takes their z value.
    void loadDocument_data()
    {
        rows({"order: a negative half rounds away from zero|1|-2.5|5|1 -2.5 -3 5,10 40,30  -1",
            "type 4 is skipped|4|1|5|", "order not a number is skipped|1|nan|5|",
            "point at infinity is skipped|1|1|inf|"});
    }

    void loadDocument()
    {
        QFETCH(QStringList, f);
        const QString made = f[3];
        const QString picture = dir.filePath("white.png");
        QVERIFY(QImage(200, 120, QImage::Format_RGB32).save(picture));
        MarkRecordList records {
            new MarkRecord {f[0].toInt(), f[1].toDouble(), {f[2].toDouble(), 10}, {40, 30}, {}, -1},
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
        drag(&first, {170, 100}, {190, 115});
        QCOMPARE(describeMarks(first).first(), QStringLiteral("1 9 9 170,100 190,115  -1"));

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
