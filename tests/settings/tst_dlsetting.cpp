#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {
const char *const formats[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};
}

// Choices read as colour, format, profile, background and origin: "0 0 0 0 0".
class TestDLSetting : public QObject
{
    Q_OBJECT
private slots:
    // The dialog opens on the stored choices (-1: no format checked). Steps name a control:
    // a button is clicked, a list is set to the index after "="; each choice is stored at
    // once, while the dialog is still open, and only a real change counts.
    void changeMask_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected"); // shown | mask | stored
        const auto row = [](const QString &name, const char *content, const QString &steps,
                             const QString &expected) {
            QTest::newRow(qPrintable(name)) << QByteArray(content) << steps << expected;
        };
        row("last entry of every list",
            "dl_mark_color=6\ndl_color_fmt=6\ndl_mac_profile=true\ndl_background=3\ndl_flipY=true",
            "", "6 6 1 3 1 | 0 | 6 6 1 3 1");
        row("values out of range", "dl_mark_color=9\ndl_color_fmt=7\ndl_background=-1\n", "",
            "0 -1 0 3 0 | 0 | 9 7 0 -1 0");
        row("profile clicked once", nullptr, "mac_spceal", "0 0 0 0 0 | 4 | 0 0 1 0 0");
        row("profile clicked twice", nullptr, "mac_spceal mac_spceal", "0 0 0 0 0 | 0 | 0 0 0 0 0");
        row("background changed and changed back", nullptr, "bgListButton=1 bgListButton=0",
            "0 0 0 0 0 | 0 | 0 0 0 0 0");
        row("top left to bottom left", nullptr, "originListButton=1", "0 0 0 0 0 | 16 | 0 0 0 0 1");
        row("colour and background", nullptr, "colorListButton=6 bgListButton=2",
            "0 0 0 0 0 | 9 | 6 0 0 2 0");
        for (int i = 0; i < 7; ++i)
            row(QString("format ") + formats[i], nullptr, formats[i],
                QString("0 0 0 0 0 | %1 | 0 %2 0 0 0").arg(i ? 2 : 0).arg(i));
    }

    void changeMask()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFile::remove(preferencesFilePath());
        QVERIFY(content.isNull() || writeFile(preferencesFilePath(), content));
        DLSetting dialog;
        int format = -1;
        for (int i = 0; i < 7; ++i)
            format = dialog.findChild<QRadioButton *>(formats[i])->isChecked() ? i : format;
        const auto index
            = [&](const char *name) { return dialog.findChild<QComboBox *>(name)->currentIndex(); };
        const QString shown = QString::asprintf("%d %d %d %d %d", index("colorListButton"), format,
            dialog.findChild<QCheckBox *>("mac_spceal")->isChecked(), index("bgListButton"),
            index("originListButton"));
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            QWidget *control = dialog.findChild<QWidget *>(step.section('=', 0, 0));
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setCurrentIndex(step.section('=', 1).toInt());
            else
                qobject_cast<QAbstractButton *>(control)->click();
        }
        dialog.accept();
        const QString stored
            = QString::asprintf("%d %d %d %d %d", readIntPreference(PrefKey::MarkColor),
                readIntPreference(PrefKey::ColorFormat), readBoolPreference(PrefKey::MacProfile),
                readIntPreference(PrefKey::Background), readBoolPreference(PrefKey::FlipY));
        dialog.accept();
        QCOMPARE(shown + " | " + QString::number(dialog.changes()) + " | " + stored, expected);
    }
};

DIMLET_TEST_MAIN(TestDLSetting)
#include "tst_dlsetting.moc"
