#include "testsupport.h"

#include "capture/capturefiles.h"

#include <QTemporaryDir>

class TestCaptureFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain screen") << 1.0 << "Shot 2026-03-04 05-06-07.png";
        QTest::newRow("double density") << 2.0 << "Shot 2026-03-04 05-06-07@2x.png";
        QTest::newRow("no rule for 1.5") << 1.5 << "Shot 2026-03-04 05-06-07.png";
    }
    void fileName()
    {
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        QCOMPARE(captureFileName("Shot", QDateTime({2026, 3, 4}, {5, 6, 7}), ratio), expected);
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
};

DIMLET_TEST_MAIN(TestCaptureFiles)
#include "tst_capturefiles.moc"
