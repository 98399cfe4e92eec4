#include "testsupport.h"

#include "capture/capturefiles.h"
#include "capture/regionselector.h"
#include "marks/marktest.h"

#include <QTemporaryDir>

class TestCapture : public QObject
{
    Q_OBJECT

private slots:
    // Device pixel ratio|file name of a capture at 2026-03-04 05:06:07.
    void fileName_data()
    {
        rows({"plain screen|1|Shot 2026-03-04 05-06-07.png",
            "double density|2|Shot 2026-03-04 05-06-07@2x.png",
            "no rule for 1.5|1.5|Shot 2026-03-04 05-06-07.png"});
    }
    void fileName()
    {
        QFETCH(QStringList, f);
        QCOMPARE(
            captureFileName("Shot", QDateTime({2026, 3, 4}, {5, 6, 7}), f[0].toDouble()), f[1]);
    }

    // Two captures within a second share a name; the first may be the open document's picture.
    void keepNeverOverwrites()
    {
        QTemporaryDir dir;
        const QString a = keepCapture(QImage(8, 6, QImage::Format_RGB32), dir.path(), "shot.png");
        const QString b = keepCapture(QImage(5, 4, QImage::Format_RGB32), dir.path(), "shot.png");
        QCOMPARE(QVariantList({a, b.section(QLatin1Char('/'), -1),
                     a != b && b.startsWith(dir.path()), QImage(a).size(), QImage(b).size()}),
            QVariantList({dir.filePath("shot.png"), "shot.png", true, QSize(8, 6), QSize(5, 4)}));
    }

    // A drag in logical pixels becomes device pixels of the frozen 400 x 200 screen. Device
    // pixel ratio|drag "x,y width,height"|region.
    void devicePixels_data()
    {
        rows({"plain screen|1|10,10 31,21|10,10 31,21", "double density|2|10,10 31,21|20,20 62,42",
            "cut at edge|2|150,80 101,51|300,160 100,40"});
    }
    void devicePixels()
    {
        QFETCH(QStringList, f);
        const QLineF drag = line(f[1]), region = line(f[2]);
        QCOMPARE(
            RegionSelector::devicePixels(QRectF(drag.p1(), QSizeF(drag.x2(), drag.y2())).toRect(),
                f[0].toDouble(), QSize(400, 200)),
            QRectF(region.p1(), QSizeF(region.x2(), region.y2())).toRect());
    }
};

DIMLET_TEST_MAIN(TestCapture)
#include "tst_capture.moc"
