#include "testsupport.h"

#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"

#include <QDir>
#include <QStandardPaths>

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    // Without the application data directory the file lives in a "Dimlet" one beside it.
    void preferencesFilePathBothBranches()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(data).removeRecursively();
        const QString beside = QDir::cleanPath(data + QStringLiteral("/../Dimlet"));
        QDir(beside).removeRecursively();
        const QString first = preferencesFilePath();
        QCOMPARE(preferencesFilePath(), first);
        QCOMPARE(first, beside + QDir::separator() + "preferences.ini");
        QVERIFY(QDir(beside).exists());
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir(data).removeRecursively());
    }

    // What the getters make of a hand-edited or damaged file: out-of-range indexes fall back
    // to the first palette colour and the pattern, and a file with what could start a
    // serialized value (Qt's decoder of those crashes on forged data) reads as absent.
    void getters_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("color");
        QTest::addColumn<QRgb>("background"); // 0: the pattern image
        QTest::addColumn<QString>("others"); // colour format, profile, origin
        const QRgb dark = 0xFF32353F;
        QTest::newRow("no file") << QByteArray() << 0 << dark << "0 0 0";
        QTest::newRow("every value set")
            << QByteArray("dl_mark_color=6\ndl_background=1\ndl_color_fmt=5\n"
                          "dl_mac_profile=true\ndl_flipY=true\n")
            << 6 << QRgb(0xFFFFFCE5) << "5 1 1";
        QTest::newRow("white") << QByteArray("dl_background=2\n") << 0 << QRgb(0xFFFFFFFF)
                               << "0 0 0";
        QTest::newRow("colour one past the palette, background 7")
            << QByteArray("dl_mark_color=7\ndl_background=7\n") << 0 << QRgb(0) << "0 0 0";
        QTest::newRow("negative colour and background")
            << QByteArray("dl_mark_color=-1\ndl_background=-1\n") << 0 << QRgb(0) << "0 0 0";
        QTest::newRow("serialized value makes the file foreign")
            << QByteArray("dl_mark_color=@Variant(\\0\\0\\0\\[Gen2x\\0\\5)\ndl_background=2\n") << 0
            << dark << "0 0 0";
        QTest::newRow("octal escape spelling @ makes the file foreign")
            << QByteArray("dl_flipY=true\ndl_mark_color=\\100ByteArray(5)\n") << 0 << dark
            << "0 0 0";
    }

    void getters()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, color);
        QFETCH(QRgb, background);
        QFETCH(QString, others);
        QFile file(preferencesFilePath());
        file.remove();
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        QCOMPARE(DLSetting::markColor(), markPalette().at(color));
        const QBrush brush = DLSetting::backgroundBrush();
        if (background)
            QCOMPARE(brush.color().rgba(), background);
        else
            QCOMPARE(brush.texture().toImage().convertToFormat(QImage::Format_ARGB32),
                QImage(":/DL/images/DLBackground1.png").convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(QString::asprintf("%d %d %d", DLSetting::colorFormat(), DLSetting::macProfile(),
                     DLSetting::flipY()),
            others);
    }

    void pointInTriangle_data()
    {
        QTest::addColumn<QPointF>("p"); // the triangle (0, 0), (10, 0), (0, 10)
        QTest::addColumn<bool>("inside");
        QTest::newRow("centroid") << QPointF(10.0 / 3, 10.0 / 3) << true;
        QTest::newRow("beyond the hypotenuse") << QPointF(6, 6) << false;
        QTest::newRow("left of the vertical leg") << QPointF(-1, 3) << false;
    }

    // Either winding gives the same answer.
    void pointInTriangle()
    {
        QFETCH(QPointF, p);
        QFETCH(bool, inside);
        QCOMPARE(::pointInTriangle(p, {0, 0}, {10, 0}, {0, 10}), inside);
        QCOMPARE(::pointInTriangle(p, {0, 0}, {0, 10}, {10, 0}), inside);
    }
};

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
