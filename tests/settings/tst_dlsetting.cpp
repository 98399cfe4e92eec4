#include "testsupport.h"

#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>

namespace {
const char *const formatButtons[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};

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

QComboBox *list(DLSetting &dialog, const char *name)
{
    return dialog.findChild<QComboBox *>(QLatin1String(name));
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
        QTest::newRow("defaults written out")
            << QVariantMap {{PrefKey::MarkColor, 0}, {PrefKey::ColorFormat, 0},
                   {PrefKey::MacProfile, false}, {PrefKey::Background, 0}, {PrefKey::FlipY, false}};
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

    // Steps: "p" clicks the profile box, "f<n>" a format, "c<n>", "b<n>", "o<n>" choose in the
    // colour, background and origin lists. Each choice is stored at once.
    void changeMask_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("profile clicked once")
            << QStringList {"p"} << int(ChangedMacProfile) << PrefKey::MacProfile << 1;
        QTest::newRow("profile clicked twice")
            << QStringList {"p", "p"} << 0 << PrefKey::MacProfile << 0;
        QTest::newRow("background changed and changed back")
            << QStringList {"b1", "b0"} << 0 << PrefKey::Background << 0;
        QTest::newRow("top left to bottom left gives 16")
            << QStringList {"o1"} << 16 << PrefKey::FlipY << 1;
        QTest::newRow("format away and back")
            << QStringList {"f4", "f0"} << 0 << PrefKey::ColorFormat << 0;
        QTest::newRow("every control") << QStringList {"c6", "f3", "p", "b2", "o1"}
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
            const int n = step.mid(1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'p':
                dialog.findChild<QCheckBox *>(QStringLiteral("mac_spceal"))->click();
                break;
            case 'f':
                dialog.findChild<QRadioButton *>(QLatin1String(formatButtons[n]))->click();
                break;
            default:
                const char *names[] = {"colorListButton", "bgListButton", "originListButton"};
                list(dialog, names[QStringLiteral("cbo").indexOf(step.at(0))])->setCurrentIndex(n);
            }
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
        QTest::newRow("-1 pattern") << QVariant(-1) << QRgb(0);
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
