#include "testsupport.h"

#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>

namespace {
QByteArray fileBytes()
{
    QFile file(preferencesFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("no file");
}

void store(const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        writePreference(it.key(), it.value());
}

} // namespace

class TestDLSetting : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(preferencesFilePath()); }

    void openingLeavesStoredValues_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::newRow("no file at all") << QVariantMap();
        QTest::newRow("last entry of every list")
            << QVariantMap {{PrefKey::MarkColor, 6}, {PrefKey::ColorFormat, 6},
                   {PrefKey::MacProfile, true}, {PrefKey::Background, 3}, {PrefKey::FlipY, true}};
        QTest::newRow("values out of range") << QVariantMap {
            {PrefKey::MarkColor, 9}, {PrefKey::ColorFormat, 7}, {PrefKey::Background, -1}};
    }

    void openingLeavesStoredValues()
    {
        QFETCH(QVariantMap, stored);
        store(stored);
        const QByteArray before = fileBytes();
        {
            DLSetting dialog;
            dialog.accept();
            QCOMPARE(dialog.changes(), 0);
        }
        QCOMPARE(fileBytes(), before);
    }

    // Steps name a control: a button is clicked, a list is set to the index after "=".
    void changeMask_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("profile clicked once")
            << QStringList {"mac_spceal"} << int(ChangedMacProfile) << PrefKey::MacProfile << 1;
        QTest::newRow("profile clicked twice")
            << QStringList {"mac_spceal", "mac_spceal"} << 0 << PrefKey::MacProfile << 0;
        QTest::newRow("background changed and changed back")
            << QStringList {"bgListButton=1", "bgListButton=0"} << 0 << PrefKey::Background << 0;
        QTest::newRow("top left to bottom left gives 16")
            << QStringList {"originListButton=1"} << 16 << PrefKey::FlipY << 1;
        QTest::newRow("every control") << QStringList {"colorListButton=6", "rgbInt", "mac_spceal",
            "bgListButton=2", "originListButton=1"}
                                       << (ChangedMarkColor | ChangedColorFormat | ChangedMacProfile
                                              | ChangedBackground | ChangedOrigin)
                                       << PrefKey::MarkColor << 6;
    }

    void changeMask()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, mask);
        QFETCH(QString, key);
        QFETCH(int, value);
        DLSetting dialog;
        for (const QString &step : steps) {
            QWidget *control = dialog.findChild<QWidget *>(step.section('=', 0, 0));
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setCurrentIndex(step.section('=', 1).toInt());
            else
                qobject_cast<QAbstractButton *>(control)->click();
        }
        QCOMPARE(readIntPreference(key), value); // stored while the dialog is still open
        QCOMPARE(dialog.changes(), mask);
    }

    void backgroundBrush_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QRgb>("color"); // 0: the pattern image
        QTest::newRow("no key: dark") << QVariant() << QRgb(0xFF32353F);
        QTest::newRow("2 white") << QVariant(2) << QRgb(0xFFFFFFFF);
        QTest::newRow("7 pattern") << QVariant(7) << QRgb(0);
    }

    void backgroundBrush()
    {
        QFETCH(QVariant, stored);
        QFETCH(QRgb, color);
        if (stored.isValid())
            writePreference(PrefKey::Background, stored);
        const QBrush brush = DLSetting::backgroundBrush();
        if (color == 0) {
            const QImage pattern(QStringLiteral(":/DL/images/DLBackground1.png"));
            QCOMPARE(brush.texture().toImage().convertToFormat(QImage::Format_ARGB32),
                pattern.convertToFormat(QImage::Format_ARGB32));
        } else {
            QCOMPARE(brush.style(), Qt::SolidPattern);
            QCOMPARE(brush.color().rgba(), color);
        }
    }
};

DIMLET_TEST_MAIN(TestDLSetting)
#include "tst_dlsetting.moc"
