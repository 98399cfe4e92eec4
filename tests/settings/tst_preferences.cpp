#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "marks/dlpalette.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"

#include <QComboBox>
#include <QStandardPaths>

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    // Without the application data directory the file lives in a "Dimlet" one beside it.
    void preferencesFilePathBothBranches()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString beside = QDir::cleanPath(data + "/../Dimlet") + QDir::separator();
        QDir(data).removeRecursively();
        QDir(beside).removeRecursively();
        QCOMPARE(preferencesFilePath() + preferencesFilePath(),
            beside + "preferences.ini" + beside + "preferences.ini");
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir(data).removeRecursively());
    }

    // Read as colour index, background, format, profile, origin. Out-of-range indexes fall
    // back to the first palette colour and the pattern, and a file with what could start a
    // serialized value (Qt's decoder of those crashes on forged data) reads as absent.
    void getters_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const char *content, const char *read) {
            QTest::newRow(name) << QByteArray(content) << QString(read);
        };
        row("no file", nullptr, "0 ff32353f 0 0 0");
        row("every value set",
            "dl_mark_color=6\ndl_background=1\ndl_color_fmt=5\ndl_mac_profile=true\ndl_flipY=true",
            "6 fffffce5 5 1 1");
        row("white", "dl_background=2\n", "0 ffffffff 0 0 0");
        row("colour one past the palette, background 7", "dl_mark_color=7\ndl_background=7\n",
            "0 pattern 0 0 0");
        row("negative colour and background", "dl_mark_color=-1\ndl_background=-1\n",
            "0 pattern 0 0 0");
        row("serialized value makes the file foreign",
            "dl_mark_color=@Variant(\\0\\0\\0\\[Gen2x\\0\\5)\ndl_background=2\n",
            "0 ff32353f 0 0 0");
        row("octal escape spelling @ makes the file foreign",
            "dl_flipY=true\ndl_mark_color=\\100ByteArray(5)\n", "0 ff32353f 0 0 0");
    }

    void getters()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        QFile::remove(preferencesFilePath());
        QVERIFY(content.isNull() || writeFile(preferencesFilePath(), content));
        const QBrush brush = DLSetting::backgroundBrush();
        const auto argb = [](const QImage &i) { return i.convertToFormat(QImage::Format_ARGB32); };
        const QString background = brush.style() != Qt::TexturePattern
            ? QString::number(brush.color().rgba(), 16)
            : argb(brush.texture().toImage()) == argb(QImage(":/DL/images/DLBackground1.png"))
            ? "pattern"
            : "other";
        QCOMPARE(QString::asprintf("%d %s %d %d %d", markPalette().indexOf(DLSetting::markColor()),
                     qPrintable(background), DLSetting::colorFormat(), DLSetting::macProfile(),
                     DLSetting::flipY()),
            read);
    }

    // A file that is not read is not rewritten either: a change lasts for the run only.
    void changeLeavesForeignFileAsItWas_data()
    {
        QTest::addColumn<QString>("language"); // empty: the mark colour is changed
        QTest::newRow("mark colour") << QString();
        QTest::newRow("language through its dialog") << "it";
    }

    void changeLeavesForeignFileAsItWas()
    {
        QFETCH(QString, language);
        const QByteArray content("[General]\ndl_flipY=true\ndl_mark_color=@Variant(\\0\\0\\x7f)\n");
        QVERIFY(writeFile(preferencesFilePath(), content));
        if (!language.isEmpty()) {
            CLanguageSetting dialog(nullptr);
            auto *languages = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
            languages->setCurrentIndex(languages->findData(language));
            QCOMPARE(readStringPreference(PrefKey::AppLanguage), language);
        } else {
            writePreference(PrefKey::MarkColor, 5);
            QCOMPARE(DLSetting::markColor(), markPalette().at(5));
            writePreference(PrefKey::MarkColor, 0);
        }
        QCOMPARE(fileBytes(preferencesFilePath()), content);
    }

    // The triangle (0, 0), (10, 0), (0, 10), in either winding.
    void pointInTriangle()
    {
        for (const auto &[p, inside] :
            {std::pair<QPointF, int> {{3, 3}, 2}, {{6, 6}, 0}, {{-1, 3}, 0}})
            QCOMPARE(::pointInTriangle(p, {0, 0}, {10, 0}, {0, 10})
                    + ::pointInTriangle(p, {0, 0}, {0, 10}, {10, 0}),
                inside);
    }
};

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
