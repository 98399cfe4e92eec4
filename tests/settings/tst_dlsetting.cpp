#include "testsupport.h"

#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>

namespace {
const char *const formats[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};

QByteArray fileBytes()
{
    QFile file(preferencesFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("no file");
}

// Colour, format, profile, background and origin as "0 0 0 0 0".
QString storedValues()
{
    return QString::asprintf("%d %d %d %d %d", readIntPreference(PrefKey::MarkColor),
        readIntPreference(PrefKey::ColorFormat), readBoolPreference(PrefKey::MacProfile),
        readIntPreference(PrefKey::Background), readBoolPreference(PrefKey::FlipY));
}
} // namespace

class TestDLSetting : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(preferencesFilePath()); }

    // Opening shows the stored choices (-1: no format checked) and changes nothing.
    void opening_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no file at all") << QByteArray() << "0 0 0 0 0";
        QTest::newRow("last entry of every list") << QByteArray(
            "dl_mark_color=6\ndl_color_fmt=6\ndl_mac_profile=true\n"
            "dl_background=3\ndl_flipY=true\n") << "6 6 1 3 1";
        QTest::newRow("values out of range")
            << QByteArray("dl_mark_color=9\ndl_color_fmt=7\ndl_background=-1\n") << "0 -1 0 3 0";
    }

    void opening()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        QFile file(preferencesFilePath());
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        const QByteArray before = fileBytes();
        DLSetting dialog;
        int format = -1;
        for (int i = 0; i < 7; ++i)
            format = dialog.findChild<QRadioButton *>(formats[i])->isChecked() ? i : format;
        const auto index
            = [&](const char *list) { return dialog.findChild<QComboBox *>(list)->currentIndex(); };
        QCOMPARE(QString::asprintf("%d %d %d %d %d", index("colorListButton"), format,
                     dialog.findChild<QCheckBox *>("mac_spceal")->isChecked(),
                     index("bgListButton"), index("originListButton")),
            shown);
        dialog.accept();
        QCOMPARE(dialog.changes(), 0);
        QCOMPARE(fileBytes(), before);
    }

    // Steps name a control: a button is clicked, a list is set to the index after "=".
    // Every choice is stored at once, while the dialog is still open.
    void changeMask_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("stored");
        QTest::newRow("profile clicked once")
            << QStringList {"mac_spceal"} << int(ChangedMacProfile) << "0 0 1 0 0";
        QTest::newRow("profile clicked twice")
            << QStringList {"mac_spceal", "mac_spceal"} << 0 << "0 0 0 0 0";
        QTest::newRow("background changed and changed back")
            << QStringList {"bgListButton=1", "bgListButton=0"} << 0 << "0 0 0 0 0";
        QTest::newRow("top left to bottom left gives 16")
            << QStringList {"originListButton=1"} << 16 << "0 0 0 0 1";
        QTest::newRow("colour and background")
            << QStringList {"colorListButton=6", "bgListButton=2"}
            << (ChangedMarkColor | ChangedBackground) << "6 0 0 2 0";
        for (int i = 0; i < 7; ++i)
            QTest::addRow("format %s", formats[i])
                << QStringList {formats[i]} << (i ? int(ChangedColorFormat) : 0)
                << QString("0 %1 0 0 0").arg(i);
    }

    void changeMask()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, mask);
        QFETCH(QString, stored);
        DLSetting dialog;
        for (const QString &step : steps) {
            QWidget *control = dialog.findChild<QWidget *>(step.section('=', 0, 0));
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setCurrentIndex(step.section('=', 1).toInt());
            else
                qobject_cast<QAbstractButton *>(control)->click();
        }
        QCOMPARE(storedValues(), stored);
        QCOMPARE(dialog.changes(), mask);
    }
};

DIMLET_TEST_MAIN(TestDLSetting)
#include "tst_dlsetting.moc"
