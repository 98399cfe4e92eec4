#include "testsupport.h"

#include "capture/capturefiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

class TestCaptureFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain screen")
            << "Screenshot" << 1.0 << "Screenshot 2026-03-04 05-06-07.png";
        QTest::newRow("double density opens at half size")
            << "Screenshot" << 2.0 << "Screenshot 2026-03-04 05-06-07@2x.png";
        QTest::newRow("ratio 1.5 has no rule")
            << "Pasted" << 1.5 << "Pasted 2026-03-04 05-06-07.png";
    }
    void fileName()
    {
        QFETCH(QString, stem);
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        QCOMPARE(
            captureFileName(stem, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), ratio), expected);
    }

    // Two captures within a second share a name; the first may be the open document's picture.
    void keepNeverOverwrites()
    {
        QTemporaryDir dir;
        QImage first(8, 6, QImage::Format_RGB32), second(5, 4, QImage::Format_RGB32);
        first.fill(Qt::red);
        second.fill(Qt::blue);
        const QString name = QStringLiteral("Screenshot 2026-03-04 05-06-07.png");
        const QString a = keepCapture(first, dir.path(), name);
        const QString b = keepCapture(second, dir.path(), name);
        QCOMPARE(a, dir.filePath(name));
        QCOMPARE(QFileInfo(b).fileName(), name);
        QVERIFY(a != b && b.startsWith(dir.path()));
        QCOMPARE(QImage(a), first);
        QCOMPARE(QImage(b), second);
    }
};

DIMLET_TEST_MAIN(TestCaptureFiles)
#include "tst_capturefiles.moc"
