#include "testsupport.h"

#include "marks/dlpalette.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>

// A damaged or hand-written preferences file: every getter answers with a default or an
// in-range value, and the settings dialog opens on choices it can show, changing nothing.
class TestHostilePreferences : public QObject
{
    Q_OBJECT
private slots:
    void gettersStayInRange_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("colorIndex"); // -1: any palette entry
        QTest::addColumn<QRgb>("background"); // 0: the pattern, 1: any
        QTest::addColumn<bool>("flipY");
        QByteArray garbage;
        QRandomGenerator random(2);
        while (garbage.size() < 4096)
            garbage.append(char(random.bounded(256)));
        QTest::newRow("binary garbage") << garbage << -1 << QRgb(1) << false;
        QTest::newRow("garbage line before the keys keeps the keys")
            << QByteArray("\x01\xff\xfe \x7f\n[General]\ndl_mark_color=4\ndl_flipY=true\n") << 4
            << QRgb(0xFF32353F) << true;
        QTest::newRow("colour one past the palette")
            << QByteArray("[General]\ndl_mark_color=7\n") << 0 << QRgb(0xFF32353F) << false;
        QTest::newRow("last palette entry is kept")
            << QByteArray("[General]\ndl_mark_color=6\n") << 6 << QRgb(0xFF32353F) << false;
        QTest::newRow("numbers beyond int")
            << QByteArray("[General]\ndl_mark_color=99999999999999999999\ndl_background=-3\n") << 0
            << QRgb(0) << false;
        // Qt's decoder of serialized values crashes on some forged data, and an escape can
        // spell the '@' that starts one, so a file with either is not read at all.
        QTest::newRow("serialized picture value is not decoded") << QByteArray(
            "[General]\ndl_mark_color=@Variant(\\0\\0\\0\\[Gen2x\\0\\5)\n"
            "dl_background=2\n") << 0 << QRgb(0xFF32353F) << false;
        QTest::newRow("octal escape spelling @ makes the file foreign")
            << QByteArray("[General]\ndl_flipY=true\ndl_mark_color=\\100ByteArray(5)\n") << 0
            << QRgb(0xFF32353F) << false;
    }

    void gettersStayInRange()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, colorIndex);
        QFETCH(QRgb, background);
        QFETCH(bool, flipY);
        QFile file(preferencesFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), qint64(content.size()));
        file.close();

        const QRgb color = DLSetting::markColor();
        QVERIFY(markPalette().contains(color));
        if (colorIndex >= 0)
            QCOMPARE(color, markPalette().at(colorIndex));
        const QBrush brush = DLSetting::backgroundBrush();
        if (background == 0)
            QCOMPARE(brush.style(), Qt::TexturePattern);
        else if (background != 1)
            QCOMPARE(brush.color().rgba(), background);
        QCOMPARE(DLSetting::flipY(), flipY);

        DLSetting dialog;
        const auto *colors = dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"));
        QCOMPARE(markPalette().value(colors->currentIndex()), color);
        const int shownBackground
            = dialog.findChild<QComboBox *>(QStringLiteral("bgListButton"))->currentIndex();
        QVERIFY(shownBackground >= 0 && shownBackground < 4);
        dialog.reject();
        QCOMPARE(dialog.changes(), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    // A file that is not read is not rewritten either: a change lasts for the run only.
    void changeLeavesFileAsItWas_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language"); // empty: the mark colour is changed
        const QByteArray serialized("[General]\ndl_flipY=true\n"
                                    "dl_mark_color=@Variant(\\0\\0\\0\\x7f\\0\\0)\n");
        QTest::newRow("mark colour over a serialized value") << serialized << QString();
        QTest::newRow("language over a serialized value") << serialized << "it";
        QTest::newRow("language over an escaped @")
            << QByteArray("[General]\napp_language=\\100de\n") << "fr";
    }

    void changeLeavesFileAsItWas()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFile file(preferencesFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), qint64(content.size()));
        file.close();

        if (!language.isEmpty()) {
            CLanguageSetting dialog(nullptr);
            auto *languages = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
            languages->setCurrentIndex(languages->findData(language));
            QCOMPARE(readStringPreference(PrefKey::AppLanguage), language);
        } else {
            DLSetting dialog;
            dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"))->setCurrentIndex(5);
            QCOMPARE(DLSetting::markColor(), markPalette().at(5));
            writePreference(PrefKey::MarkColor, 0);
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
};

DIMLET_TEST_MAIN(TestHostilePreferences)
#include "tst_hostilepreferences.moc"
