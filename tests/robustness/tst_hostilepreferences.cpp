#include "testsupport.h"

#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>

// A preferences file that is damaged or written by hand: every getter must still answer with
// a default or an in-range value, and the settings dialog must open on valid choices.
class TestHostilePreferences : public QObject
{
    Q_OBJECT

private:
    enum class Background { Dark, Light, White, Pattern };

    static void writePreferencesFile(const QByteArray &bytes)
    {
        QFile file(preferencesFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    static QByteArray garbage(int size, quint32 seed, bool withAssignments)
    {
        QRandomGenerator random(seed);
        QByteArray bytes;
        while (bytes.size() < size) {
            const char c = char(random.bounded(256));
            if (withAssignments || c != '=')
                bytes.append(c);
        }
        return bytes;
    }

    static Background backgroundOf(const QBrush &brush)
    {
        if (brush.style() == Qt::TexturePattern && !brush.textureImage().isNull())
            return Background::Pattern;
        if (brush.style() != Qt::SolidPattern)
            return Background(-1);
        switch (brush.color().rgba()) {
        case 0xFF32353F:
            return Background::Dark;
        case 0xFFFFFCE5:
            return Background::Light;
        case 0xFFFFFFFF:
            return Background::White;
        }
        return Background(-1);
    }

private slots:
    // A foreign file's values cannot be merged; a write starts a file of our own instead.
    void writeReplacesForeignFile()
    {
        writePreferencesFile("[General]\ndl_background=@Variant(\\0\\0\\0\\x41\\0)\n");
        writePreference(PrefKey::MarkColor, 5);
        QCOMPARE(DLSetting::markColor(), markPalette().at(5));
        QCOMPARE(backgroundOf(DLSetting::backgroundBrush()), Background::Dark);
        QFile file(preferencesFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains('@'));
    }

    // Rows without an expected colour or background only need in-range answers.
    void gettersStayInRange_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("colorIndex");
        QTest::addColumn<int>("background");
        QTest::addColumn<bool>("flipY");

        const int any = -1;
        QTest::newRow("binary garbage without any assignment reads as defaults")
            << garbage(4096, 1, false) << 0 << int(Background::Dark) << false;
        QTest::newRow("NUL bytes only read as defaults")
            << QByteArray(2048, '\0') << 0 << int(Background::Dark) << false;
        QTest::newRow("binary garbage with assignments stays in range")
            << garbage(4096, 2, true) << any << any << false;
        QTest::newRow("garbage line before the keys keeps the keys") << QByteArray(
            "\x01\xff\xfe garbage \x7f\n[General]\ndl_mark_color=4\ndl_background=1\n"
            "dl_flipY=true\n") << 4 << int(Background::Light) << true;
        QTest::newRow("colour index one past the palette falls back to the first colour")
            << QByteArray("[General]\ndl_mark_color=7\n") << 0 << int(Background::Dark) << false;
        QTest::newRow("negative colour index falls back to the first colour")
            << QByteArray("[General]\ndl_mark_color=-1\n") << 0 << int(Background::Dark) << false;
        QTest::newRow("last palette entry is kept")
            << QByteArray("[General]\ndl_mark_color=6\n") << 6 << int(Background::Dark) << false;
        QTest::newRow("number beyond int reads as the default")
            << QByteArray("[General]\ndl_mark_color=99999999999999999999\ndl_background=-3\n") << 0
            << int(Background::Pattern) << false;
        QTest::newRow("binary variant of another type reads as the default")
            << QByteArray("[General]\ndl_mark_color=@Variant(\\xff\\xff\\xff\\xff)\n"
                          "dl_background=@Rect(1 2 3 4)\ndl_flipY=@Size(1 1)\n")
            << 0 << int(Background::Dark) << false;
        // Qt's own decoder of serialized values crashes on some forged data, and an escape can
        // spell the '@' that starts one, so a file with either is not read at all.
        QTest::newRow("serialized value of a picture type is not decoded") << QByteArray(
            "[General]\ndl_mark_color=@Variant(\\0\\0\\0\\[Gen2x\\0\\5)\n"
            "dl_background=2\n") << 0 << int(Background::Dark) << false;
        QTest::newRow("octal escape spelling @ makes the whole file foreign")
            << QByteArray("[General]\ndl_flipY=true\ndl_mark_color=\\100ByteArray(5)\n") << 0
            << int(Background::Dark) << false;
        QTest::newRow("background past the choices shows the pattern")
            << QByteArray("[General]\ndl_background=4\n") << 0 << int(Background::Pattern) << false;
    }

    void gettersStayInRange()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, colorIndex);
        QFETCH(int, background);
        QFETCH(bool, flipY);

        writePreferencesFile(content);
        const QVector<QRgb> &palette = markPalette();
        QCOMPARE(palette.size(), 7);
        const QRgb color = DLSetting::markColor();
        QVERIFY(palette.contains(color));
        if (colorIndex >= 0)
            QCOMPARE(color, palette.at(colorIndex));
        const Background shown = backgroundOf(DLSetting::backgroundBrush());
        QVERIFY(int(shown) >= 0);
        if (background >= 0)
            QCOMPARE(int(shown), background);
        QCOMPARE(DLSetting::flipY(), flipY);
        DLSetting::macProfile();

        // The dialog opens on choices it can show, whatever the file holds.
        DLSetting dialog;
        const auto *colors = dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"));
        const auto *backgrounds = dialog.findChild<QComboBox *>(QStringLiteral("bgListButton"));
        const auto *origins = dialog.findChild<QComboBox *>(QStringLiteral("originListButton"));
        QVERIFY(colors && backgrounds && origins);
        QVERIFY(colors->currentIndex() >= 0 && colors->currentIndex() < palette.size());
        QCOMPARE(palette.at(colors->currentIndex()), color);
        QVERIFY(backgrounds->currentIndex() >= 0 && backgrounds->currentIndex() < 4);
        QCOMPARE(origins->currentIndex(), flipY ? 1 : 0);
        QCOMPARE(dialog.changes(), 0);
    }
};

DIMLET_TEST_MAIN(TestHostilePreferences)
#include "tst_hostilepreferences.moc"
