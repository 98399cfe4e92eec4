#include "testsupport.h"

#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    QString dataDir() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

    void removePreferences()
    {
        QDir(dataDir()).removeRecursively();
        const QString beside = QDir::cleanPath(dataDir() + QStringLiteral("/../Dimlet"));
        QDir(beside).removeRecursively();
    }

    void writeRawPreferences(const QByteArray &content)
    {
        // QSettings keeps a cache keyed on size and time; a comment of growing length
        // makes every rewrite within the same second look new.
        static int rewrites = 0;
        QFile file(preferencesFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.write("\n;" + QByteArray(++rewrites, 'x') + "\n");
    }

private slots:
    void init() { removePreferences(); }

    void fileLivesBesideTheDataDirectory()
    {
        QVERIFY(!QDir(dataDir()).exists());
        const QString first = preferencesFilePath();
        const QString second = preferencesFilePath();
        QCOMPARE(first, second);
        QVERIFY(QDir::isAbsolutePath(first));
        QVERIFY(first.endsWith(QStringLiteral("Dimlet") + QDir::separator() + "preferences.ini"));
        QCOMPARE(QFileInfo(first).absolutePath(),
            QDir::cleanPath(dataDir() + QStringLiteral("/../Dimlet")));
        QVERIFY(QDir(QFileInfo(first).absolutePath()).exists());
    }

    void existingDataDirectoryGivesTheRelativePath()
    {
        QVERIFY(QDir().mkpath(dataDir()));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir().mkpath(dataDir() + QStringLiteral("/Dimlet")));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
    }

    void defaultsWithoutAFile()
    {
        QCOMPARE(readIntPreference(PrefKey::MarkColor), 0);
        QCOMPARE(readIntPreference(PrefKey::ColorFormat), 0);
        QCOMPARE(readBoolPreference(PrefKey::MacProfile), false);
        QCOMPARE(readIntPreference(PrefKey::Background), 0);
        QCOMPARE(readBoolPreference(PrefKey::FlipY), false);
        QVERIFY(!hasPreference(PrefKey::AppLanguage));
        QCOMPARE(DLSetting::markColor(), 0xFFFF0000u);
        QCOMPARE(DLSetting::backgroundBrush().color(), QColor(0xFF32353F));
        QVERIFY(!QFile::exists(preferencesFilePath()));
    }

    void writtenValuesAreSeenByTheNextRead()
    {
        writePreference(PrefKey::MarkColor, 5);
        writePreference(PrefKey::FlipY, true);
        writePreference(PrefKey::AppLanguage, QStringLiteral("de"));
        QCOMPARE(DLSetting::markColor(), markPalette().at(5));
        QVERIFY(DLSetting::flipY());
        QCOMPARE(readStringPreference(PrefKey::AppLanguage), QStringLiteral("de"));
        QSettings raw(preferencesFilePath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("dl_mark_color")).toInt(), 5);
    }

    void hostileMarkColorStaysInThePalette_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("last entry")
            << QByteArray("[General]\ndl_mark_color=6\n") << QRgb(0xFFFEE04E);
        QTest::newRow("one past the end")
            << QByteArray("[General]\ndl_mark_color=7\n") << QRgb(0xFFFF0000);
        QTest::newRow("negative") << QByteArray("[General]\ndl_mark_color=-1\n")
                                  << QRgb(0xFFFF0000);
        QTest::newRow("huge") << QByteArray("[General]\ndl_mark_color=99999999999\n")
                              << QRgb(0xFFFF0000);
        QTest::newRow("text") << QByteArray("[General]\ndl_mark_color=red\n") << QRgb(0xFFFF0000);
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xff\xfe[\x01=\x02\n\x7f", 10) << QRgb(0xFFFF0000);
    }

    void hostileMarkColorStaysInThePalette()
    {
        QFETCH(QByteArray, content);
        QFETCH(QRgb, expected);
        writeRawPreferences(content);
        QCOMPARE(DLSetting::markColor(), expected);
    }

    void backgroundBrush_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("textured");
        QTest::addColumn<QColor>("color");
        QTest::newRow("dark") << 0 << false << QColor(50, 53, 63);
        QTest::newRow("light") << 1 << false << QColor(255, 252, 229);
        QTest::newRow("white") << 2 << false << QColor(Qt::white);
        QTest::newRow("pattern") << 3 << true << QColor();
        QTest::newRow("out of range is the pattern") << 7 << true << QColor();
        QTest::newRow("negative is the pattern") << -2 << true << QColor();
    }

    void backgroundBrush()
    {
        QFETCH(int, stored);
        QFETCH(bool, textured);
        QFETCH(QColor, color);
        writePreference(PrefKey::Background, stored);
        const QBrush brush = DLSetting::backgroundBrush();
        if (textured) {
            QCOMPARE(brush.style(), Qt::TexturePattern);
            QVERIFY(!brush.texture().isNull());
        } else {
            QCOMPARE(brush.style(), Qt::SolidPattern);
            QCOMPARE(brush.color(), color);
        }
    }

    void joinPath_data()
    {
        const QString s = QDir::separator();
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain pieces") << "dir"
                                      << "file"
                                      << "dir" + s + "file";
        QTest::newRow("trailing and leading separators fold") << "dir" + s + s << s + "file"
                                                              << "dir" + s + "file";
        QTest::newRow("root stays absolute") << s << "tmp" << s + "tmp";
        QTest::newRow("other separator is kept") << "dir\\"
                                                 << "file"
                                                 << "dir\\" + s + "file";
        QTest::newRow("inner separators untouched") << "a" + s + "b"
                                                    << "c" + s + "d"
                                                    << "a" + s + "b" + s + "c" + s + "d";
    }

    void joinPath()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        QCOMPARE(::joinPath(a, b), expected);
    }

    void pointInTriangle_data()
    {
        QTest::addColumn<QPointF>("p");
        QTest::addColumn<bool>("inside");
        QTest::newRow("centroid") << QPointF(10.0 / 3, 10.0 / 3) << true;
        QTest::newRow("beyond the hypotenuse") << QPointF(6, 6) << false;
        QTest::newRow("left of the vertical leg") << QPointF(-1, 3) << false;
        QTest::newRow("below the horizontal leg") << QPointF(3, -1) << false;
        QTest::newRow("far away") << QPointF(100, -50) << false;
        QTest::newRow("near a corner inside") << QPointF(0.1, 0.1) << true;
    }

    void pointInTriangle()
    {
        QFETCH(QPointF, p);
        QFETCH(bool, inside);
        const QPointF a(0, 0), b(10, 0), c(0, 10);
        QCOMPARE(::pointInTriangle(p, a, b, c), inside);
        QCOMPARE(::pointInTriangle(p, a, c, b), inside); // the other winding
        QCOMPARE(::pointInTriangle(p, b, c, a), inside);
    }

    void pathHelpers()
    {
        QCOMPARE(fileNameOf(QStringLiteral("/x/y/shot@2x.final.png")),
            QStringLiteral("shot@2x.final.png"));
        QCOMPARE(baseNameOf(QStringLiteral("/x/y/shot@2x.final.png")), QStringLiteral("shot@2x"));
        QCOMPARE(homeDirPath(), qEnvironmentVariable("HOME"));
        QCOMPARE(QDir::cleanPath(tempDirPath()), QDir::cleanPath(qEnvironmentVariable("TMPDIR")));
        QCOMPARE(productName(), QStringLiteral("Dimlet"));
        QCOMPARE(buildDateText(), QStringLiteral("2018-06-14"));
        QVERIFY(languagesDirPath().endsWith(QDir::separator() + QStringLiteral("languages")));
        QVERIFY(readTextFile(QStringLiteral("/nonexistent/file")).isEmpty());
    }

    void screenSizeCanBeReplaced()
    {
        setScreenSizeProvider([] { return QSize(1920, 1080); });
        QCOMPARE(screenSize(), QSize(1920, 1080));
        setScreenSizeProvider(nullptr);
        QVERIFY(screenSize().width() > 0);
    }
};

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
