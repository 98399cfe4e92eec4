#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStandardPaths>

namespace {
const char *const formats[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};
}

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

    // The settings dialog opens on the stored choices, read as colour, format (-1: none
    // checked), profile, background and origin. Steps name a control: a button is clicked, a
    // list set to the index after "="; each choice is stored at once and only a real change
    // counts in the mask. Then what the program reads: colour index, background, format,
    // profile, origin. Out-of-range indexes read as the first colour and the pattern; a file
    // with what could start a serialized value (Qt's decoder of those crashes on forged data)
    // reads as absent, and a change then lasts for the run only, leaving the file as it was.
    void choices_data()
    {
        QTest::addColumn<QString>("row"); // file content | steps | shown | mask | read
        const auto row = [](const QString &name, const QString &row) {
            QTest::newRow(qPrintable(name)) << row;
        };
        row("no file", "||0 0 0 0 0|0|0 ff32353f 0 0 0");
        row("last entry of every list",
            "dl_mark_color=6,dl_color_fmt=6,dl_mac_profile=1,dl_background=3,dl_flipY=1||6 6 1 3 "
            "1|0|6 pattern 6 1 1");
        row("colour one past the palette, background -1",
            "dl_mark_color=7,dl_color_fmt=7,dl_background=-1||0 -1 0 3 0|0|0 pattern 7 0 0");
        row("colour -1, background one past the list",
            "dl_mark_color=-1,dl_background=4||0 0 0 3 0|0|0 pattern 0 0 0");
        row("profile clicked once", "|mac_spceal||4|0 ff32353f 0 1 0");
        row("profile clicked twice", "|mac_spceal mac_spceal||0|0 ff32353f 0 0 0");
        row("background changed and back", "|bgListButton=1 bgListButton=0||0|0 ff32353f 0 0 0");
        row("bottom left on light", "|originListButton=1 bgListButton=1||24|0 fffffce5 0 0 1");
        row("colour on white", "|colorListButton=6 bgListButton=2||9|6 ffffffff 0 0 0");
        for (int i = 0; i < 7; ++i)
            row(QString("format ") + formats[i],
                QString("|%1||%2|0 ff32353f %3 0 0").arg(formats[i]).arg(i ? 2 : 0).arg(i));
        row("serialized value",
            "x=@Variant(\\0\\0\\0\\[Gen2x\\0\\5),dl_background=2|||0|0 ff32353f 0 0 0");
        row("octal escape spelling @", "dl_flipY=1,x=\\100ByteArray(5)|||0|0 ff32353f 0 0 0");
        row("change to a foreign file",
            "dl_flipY=1,x=@Variant(\\0\\x7f)|colorListButton=5||1|5 ff32353f 0 0 0");
    }

    void choices()
    {
        QFETCH(QString, row);
        const QStringList f = row.split('|');
        const QByteArray content = f[0].toUtf8().replace(',', '\n');
        QFile::remove(preferencesFilePath());
        QVERIFY(f[0].isEmpty() || writeFile(preferencesFilePath(), content));
        DLSetting dialog;
        int format = -1;
        for (int i = 0; i < 7; ++i)
            format = dialog.findChild<QRadioButton *>(formats[i])->isChecked() ? i : format;
        const auto index
            = [&](const char *name) { return dialog.findChild<QComboBox *>(name)->currentIndex(); };
        if (!f[2].isEmpty()) // the defaults show in every other row
            QCOMPARE(QString::asprintf("%d %d %d %d %d", index("colorListButton"), format,
                         dialog.findChild<QCheckBox *>("mac_spceal")->isChecked(),
                         index("bgListButton"), index("originListButton")),
                f[2]);
        for (const QString &step : f[1].split(' ', Qt::SkipEmptyParts)) {
            QWidget *control = dialog.findChild<QWidget *>(step.section('=', 0, 0));
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setCurrentIndex(step.section('=', 1).toInt());
            else
                qobject_cast<QAbstractButton *>(control)->click();
        }
        dialog.accept();
        QCOMPARE(dialog.changes(), f[3].toInt());
        const QBrush brush = DLSetting::backgroundBrush();
        const QString background = brush.style() == Qt::TexturePattern
            ? "pattern"
            : QString::number(brush.color().rgba(), 16);
        QCOMPARE(QString::asprintf("%d %s %d %d %d", markPalette().indexOf(DLSetting::markColor()),
                     qPrintable(background), DLSetting::colorFormat(), DLSetting::macProfile(),
                     DLSetting::flipY()),
            f[4]);
        if (!f[0].isEmpty() && (f[1].isEmpty() || f[0].contains('@')))
            QCOMPARE(fileBytes(preferencesFilePath()), content); // opening writes nothing
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
