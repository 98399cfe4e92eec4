#include "testsupport.h"

#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>

namespace {
const char *const formatButtons[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};
const QString patternPath = QStringLiteral(":/DL/images/DLBackground1.png");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList storedKeys()
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return settings.allKeys();
}

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// One user action in the open dialog.
enum class Action { ClickProfile, ClickFormat, ChooseColor, ChooseBackground, ChooseOrigin };
struct Step
{
    Action action;
    int value;
};
} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(QVector<Step>)

class TestDLSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void openingKeepsStoredValues_data();
    void openingKeepsStoredValues();
    void openingWithoutFileWritesNothing();
    void defaultsWithoutFile();
    void outOfRangeValues_data();
    void outOfRangeValues();

    void changeMask_data();
    void changeMask();

    void backgroundBrush_data();
    void backgroundBrush();
    void markColorStaysInPalette_data();
    void markColorStaysInPalette();

    void colorIcon_data();
    void colorIcon();
    void backgroundIcon_data();
    void backgroundIcon();

    void markColorLabelAboveContainer();

private:
    static void store(const QVariantMap &values);
    static void perform(DLSetting &dialog, const Step &step);
};

void TestDLSetting::init()
{
    QFile::remove(preferencesFilePath());
    QVERIFY(!QFile::exists(preferencesFilePath()));
}

void TestDLSetting::store(const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        writePreference(it.key(), it.value());
}

void TestDLSetting::perform(DLSetting &dialog, const Step &step)
{
    switch (step.action) {
    case Action::ClickProfile:
        dialog.findChild<QCheckBox *>(QStringLiteral("mac_spceal"))->click();
        break;
    case Action::ClickFormat:
        dialog.findChild<QRadioButton *>(QLatin1String(formatButtons[step.value]))->click();
        break;
    case Action::ChooseColor:
        dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"))
            ->setCurrentIndex(step.value);
        break;
    case Action::ChooseBackground:
        dialog.findChild<QComboBox *>(QStringLiteral("bgListButton"))->setCurrentIndex(step.value);
        break;
    case Action::ChooseOrigin:
        dialog.findChild<QComboBox *>(QStringLiteral("originListButton"))
            ->setCurrentIndex(step.value);
        break;
    }
}

void TestDLSetting::openingKeepsStoredValues_data()
{
    QTest::addColumn<QVariantMap>("stored");

    QTest::newRow("defaults written out") << QVariantMap {
        {PrefKey::MarkColor, 0},
        {PrefKey::ColorFormat, 0},
        {PrefKey::MacProfile, false},
        {PrefKey::Background, 0},
        {PrefKey::FlipY, false},
    };
    QTest::newRow("every value away from its default") << QVariantMap {
        {PrefKey::MarkColor, 3},
        {PrefKey::ColorFormat, 5},
        {PrefKey::MacProfile, true},
        {PrefKey::Background, 2},
        {PrefKey::FlipY, true},
    };
    QTest::newRow("last entry of every list") << QVariantMap {
        {PrefKey::MarkColor, 6},
        {PrefKey::ColorFormat, 6},
        {PrefKey::MacProfile, true},
        {PrefKey::Background, 3},
        {PrefKey::FlipY, true},
    };
    QTest::newRow("only some keys, beside a language") << QVariantMap {
        {PrefKey::Background, 1},
        {PrefKey::AppLanguage, QStringLiteral("de")},
    };
}

void TestDLSetting::openingKeepsStoredValues()
{
    QFETCH(QVariantMap, stored);
    store(stored);
    const QByteArray before = fileBytes(preferencesFilePath());
    QVERIFY(!before.isEmpty());

    {
        DLSetting dialog;
        QCOMPARE(dialog.changes(), 0);
        dialog.reject();
        QCOMPARE(dialog.changes(), 0);
    }
    QCOMPARE(fileBytes(preferencesFilePath()), before);
}

void TestDLSetting::openingWithoutFileWritesNothing()
{
    {
        DLSetting dialog;
        dialog.accept();
        QCOMPARE(dialog.changes(), 0);
    }
    QVERIFY(storedKeys().isEmpty());
}

void TestDLSetting::defaultsWithoutFile()
{
    DLSetting dialog;
    auto *colors = dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"));
    auto *backgrounds = dialog.findChild<QComboBox *>(QStringLiteral("bgListButton"));
    auto *origins = dialog.findChild<QComboBox *>(QStringLiteral("originListButton"));
    QVERIFY(colors && backgrounds && origins);

    QCOMPARE(colors->count(), markPalette().size());
    QCOMPARE(colors->currentIndex(), 0);
    QCOMPARE(colors->currentData().toInt(), 0);
    QCOMPARE(DLSetting::markColor(), QRgb(0xFFFF0000));

    for (int i = 0; i < 7; ++i) {
        auto *button = dialog.findChild<QRadioButton *>(QLatin1String(formatButtons[i]));
        QVERIFY(button);
        QCOMPARE(button->isChecked(), i == 0);
    }
    QVERIFY(!dialog.findChild<QCheckBox *>(QStringLiteral("mac_spceal"))->isChecked());

    QCOMPARE(backgrounds->count(), 4);
    QCOMPARE(backgrounds->currentIndex(), 0);
    const QImage swatch = backgrounds->itemIcon(0).pixmap(22, 22).toImage();
    QCOMPARE(swatch.pixel(11, 11), qRgb(50, 53, 63));

    QCOMPARE(origins->count(), 2);
    QCOMPARE(origins->currentText(), QStringLiteral("top left"));
    QCOMPARE(origins->itemText(1), QStringLiteral("bottom left"));
}

void TestDLSetting::outOfRangeValues_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("shownColor");
    QTest::addColumn<int>("shownBackground");
    QTest::addColumn<int>("checkedFormat");

    QTest::newRow("colour one past the palette shows the first colour")
        << QVariantMap {{PrefKey::MarkColor, 7}} << 0 << 0 << 0;
    QTest::newRow("negative colour shows the first colour")
        << QVariantMap {{PrefKey::MarkColor, -1}} << 0 << 0 << 0;
    QTest::newRow("background 4 shows the pattern")
        << QVariantMap {{PrefKey::Background, 4}} << 0 << 3 << 0;
    QTest::newRow("negative background shows the pattern")
        << QVariantMap {{PrefKey::Background, -1}} << 0 << 3 << 0;
    QTest::newRow("format 7 checks no button")
        << QVariantMap {{PrefKey::ColorFormat, 7}} << 0 << 0 << -1;
    QTest::newRow("negative format checks no button")
        << QVariantMap {{PrefKey::ColorFormat, -1}} << 0 << 0 << -1;
}

void TestDLSetting::outOfRangeValues()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, shownColor);
    QFETCH(int, shownBackground);
    QFETCH(int, checkedFormat);
    store(stored);
    const QByteArray before = fileBytes(preferencesFilePath());

    {
        DLSetting dialog;
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("colorListButton"))->currentIndex(),
            shownColor);
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("bgListButton"))->currentIndex(),
            shownBackground);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(dialog.findChild<QRadioButton *>(QLatin1String(formatButtons[i]))->isChecked(),
                i == checkedFormat);
        QCOMPARE(dialog.changes(), 0);
    }
    QCOMPARE(fileBytes(preferencesFilePath()), before);
}

void TestDLSetting::changeMask_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QVector<Step>>("steps");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("colour profile clicked once")
        << QVariantMap() << QVector<Step> {{Action::ClickProfile, 0}} << int(ChangedMacProfile)
        << QVariantMap {{PrefKey::MacProfile, true}};
    QTest::newRow("colour profile clicked twice")
        << QVariantMap() << QVector<Step> {{Action::ClickProfile, 0}, {Action::ClickProfile, 0}}
        << 0 << QVariantMap {{PrefKey::MacProfile, false}};
    QTest::newRow("colour profile switched off")
        << QVariantMap {{PrefKey::MacProfile, true}} << QVector<Step> {{Action::ClickProfile, 0}}
        << int(ChangedMacProfile) << QVariantMap {{PrefKey::MacProfile, false}};
    QTest::newRow("second background then the first again")
        << QVariantMap()
        << QVector<Step> {{Action::ChooseBackground, 1}, {Action::ChooseBackground, 0}} << 0
        << QVariantMap {{PrefKey::Background, 0}};
    QTest::newRow("pattern background")
        << QVariantMap() << QVector<Step> {{Action::ChooseBackground, 3}} << int(ChangedBackground)
        << QVariantMap {{PrefKey::Background, 3}};
    QTest::newRow("top left to bottom left")
        << QVariantMap() << QVector<Step> {{Action::ChooseOrigin, 1}} << int(ChangedOrigin)
        << QVariantMap {{PrefKey::FlipY, true}};
    QTest::newRow("bottom left to top left")
        << QVariantMap {{PrefKey::FlipY, true}} << QVector<Step> {{Action::ChooseOrigin, 0}}
        << int(ChangedOrigin) << QVariantMap {{PrefKey::FlipY, false}};
    QTest::newRow("last mark colour")
        << QVariantMap() << QVector<Step> {{Action::ChooseColor, 6}} << int(ChangedMarkColor)
        << QVariantMap {{PrefKey::MarkColor, 6}};
    QTest::newRow("out-of-range colour replaced by a choice")
        << QVariantMap {{PrefKey::MarkColor, 9}} << QVector<Step> {{Action::ChooseColor, 2}}
        << int(ChangedMarkColor) << QVariantMap {{PrefKey::MarkColor, 2}};
    QTest::newRow("last colour format")
        << QVariantMap() << QVector<Step> {{Action::ClickFormat, 6}} << int(ChangedColorFormat)
        << QVariantMap {{PrefKey::ColorFormat, 6}};
    QTest::newRow("colour format away and back")
        << QVariantMap {{PrefKey::ColorFormat, 2}}
        << QVector<Step> {{Action::ClickFormat, 4}, {Action::ClickFormat, 2}} << 0
        << QVariantMap {{PrefKey::ColorFormat, 2}};
    QTest::newRow("first colour format from an unknown one")
        << QVariantMap {{PrefKey::ColorFormat, 9}} << QVector<Step> {{Action::ClickFormat, 0}}
        << int(ChangedColorFormat) << QVariantMap {{PrefKey::ColorFormat, 0}};
    QTest::newRow("every control changed")
        << QVariantMap()
        << QVector<Step> {{Action::ChooseColor, 1}, {Action::ClickFormat, 3},
               {Action::ClickProfile, 0}, {Action::ChooseBackground, 2}, {Action::ChooseOrigin, 1}}
        << (ChangedMarkColor | ChangedColorFormat | ChangedMacProfile | ChangedBackground
               | ChangedOrigin)
        << QVariantMap {{PrefKey::MarkColor, 1}, {PrefKey::ColorFormat, 3},
               {PrefKey::MacProfile, true}, {PrefKey::Background, 2}, {PrefKey::FlipY, true}};
}

void TestDLSetting::changeMask()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QVector<Step>, steps);
    QFETCH(int, mask);
    QFETCH(QVariantMap, expected);
    store(stored);

    DLSetting dialog;
    for (const Step &step : steps)
        perform(dialog, step);
    QCOMPARE(dialog.changes(), mask);

    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (it.value().type() == QVariant::Bool)
            QCOMPARE(readBoolPreference(it.key()), it.value().toBool());
        else
            QCOMPARE(readIntPreference(it.key()), it.value().toInt());
    }
    const int format = readIntPreference(PrefKey::ColorFormat);
    if (format >= 0 && format < 7) {
        for (int i = 0; i < 7; ++i)
            QCOMPARE(dialog.findChild<QRadioButton *>(QLatin1String(formatButtons[i]))->isChecked(),
                i == format);
    }
    QCOMPARE(dialog.findChild<QCheckBox *>(QStringLiteral("mac_spceal"))->isChecked(),
        DLSetting::macProfile());
    QCOMPARE(dialog.changes(), mask);
}

void TestDLSetting::backgroundBrush_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QRgb>("color");

    QTest::newRow("no key: dark") << QVariant() << false << QRgb(0xFF32353F);
    QTest::newRow("0 dark") << QVariant(0) << false << QRgb(0xFF32353F);
    QTest::newRow("1 light") << QVariant(1) << false << QRgb(0xFFFFFCE5);
    QTest::newRow("2 white") << QVariant(2) << false << QRgb(0xFFFFFFFF);
    QTest::newRow("3 pattern") << QVariant(3) << true << QRgb(0);
    QTest::newRow("7 pattern") << QVariant(7) << true << QRgb(0);
    QTest::newRow("-1 pattern") << QVariant(-1) << true << QRgb(0);
}

void TestDLSetting::backgroundBrush()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, pattern);
    QFETCH(QRgb, color);
    if (stored.isValid())
        writePreference(PrefKey::Background, stored);

    const QBrush brush = DLSetting::backgroundBrush();
    if (pattern) {
        QCOMPARE(brush.style(), Qt::TexturePattern);
        const QImage expected(patternPath);
        QVERIFY(!expected.isNull());
        QCOMPARE(argb(brush.texture().toImage()), argb(expected));
    } else {
        QCOMPARE(brush.style(), Qt::SolidPattern);
        QCOMPARE(brush.color().rgba(), color);
    }
}

void TestDLSetting::markColorStaysInPalette_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("paletteIndex");

    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 6 << 6;
    QTest::newRow("one past the end") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestDLSetting::markColorStaysInPalette()
{
    QFETCH(int, stored);
    QFETCH(int, paletteIndex);
    writePreference(PrefKey::MarkColor, stored);
    QCOMPARE(DLSetting::markColor(), markPalette().at(paletteIndex));
}

void TestDLSetting::colorIcon_data()
{
    QTest::addColumn<QRgb>("color");
    QTest::newRow("palette red") << QRgb(0xFFFF0000);
    QTest::newRow("white") << QRgb(0xFFFFFFFF);
    QTest::newRow("nearly black") << QRgb(0xFF010203);
}

void TestDLSetting::colorIcon()
{
    QFETCH(QRgb, color);
    const QIcon icon = DLSetting::colorIcon(color);
    QVERIFY(icon.availableSizes().contains(QSize(22, 22)));
    const QImage image = argb(icon.pixmap(22, 22).toImage());
    QCOMPARE(image.size(), QSize(22, 22));

    for (int i = 0; i < 22; ++i) {
        QCOMPARE(image.pixel(i, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(i, 21), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(0, i), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(21, i), qRgb(0, 0, 0));
    }
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x)
            QCOMPARE(image.pixel(x, y), color);
}

void TestDLSetting::backgroundIcon_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QRgb>("color");

    QTest::newRow("0 dark swatch") << 0 << false << QRgb(0xFF32353F);
    QTest::newRow("1 light swatch") << 1 << false << QRgb(0xFFFFFCE5);
    QTest::newRow("2 white swatch") << 2 << false << QRgb(0xFFFFFFFF);
    QTest::newRow("3 pattern image") << 3 << true << QRgb(0);
    QTest::newRow("9 pattern image") << 9 << true << QRgb(0);
}

void TestDLSetting::backgroundIcon()
{
    QFETCH(int, index);
    QFETCH(bool, pattern);
    QFETCH(QRgb, color);
    const QIcon icon = DLSetting::backgroundIcon(index);
    QVERIFY(!icon.isNull());
    if (pattern) {
        const QImage expected(patternPath);
        const QImage shown = icon.pixmap(expected.size()).toImage();
        QCOMPARE(argb(shown), argb(expected));
    } else {
        const QImage shown = argb(icon.pixmap(22, 22).toImage());
        QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(11, 11), color);
    }
}

void TestDLSetting::markColorLabelAboveContainer()
{
    DLSetting dialog;
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("markColorLabel"));
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), &dialog);
    QCOMPARE(dialog.childAt(label->geometry().center()), label);
}

DIMLET_TEST_MAIN(TestDLSetting)
#include "tst_dlsetting.moc"
