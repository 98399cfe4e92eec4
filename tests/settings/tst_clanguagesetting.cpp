#include "testsupport.h"

#include "settings/clanguagesetting.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSettings>

namespace {
QComboBox *languageList(CLanguageSetting &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("langList"));
}

QLabel *notice(CLanguageSetting &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("notifyLabel"));
}

void choose(CLanguageSetting &dialog, const QString &name)
{
    QComboBox *list = languageList(dialog);
    const int index = list->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    list->setCurrentIndex(index);
}
} // namespace

class TestCLanguageSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listEntries();
    void opensOnCurrentLanguage_data();
    void opensOnCurrentLanguage();
    void choosingShowsNotice_data();
    void choosingShowsNotice();
};

void TestCLanguageSetting::init()
{
    QFile::remove(preferencesFilePath());
}

void TestCLanguageSetting::cleanup()
{
    setSystemLocaleProvider({});
}

void TestCLanguageSetting::listEntries()
{
    setSystemLocaleProvider([] { return QLocale(QStringLiteral("en_US")); });
    CLanguageSetting dialog;
    QComboBox *list = languageList(dialog);
    QVERIFY(list);
    const QStringList codes {"en", "de", "ja", "zhs", "zht", "ko", "fr", "it", "es", "pt"};
    const QStringList names {"English", "Deutsch", "日本語", "简体中文", "繁體中文", "한국어",
        "Français", "Italiano", "Español", "Português"};
    QCOMPARE(list->count(), codes.size());
    for (int i = 0; i < codes.size(); ++i) {
        QCOMPARE(list->itemData(i, Qt::UserRole).toString(), codes.at(i));
        QCOMPARE(list->itemText(i), names.at(i));
    }
}

void TestCLanguageSetting::opensOnCurrentLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");

    QTest::newRow("German system, no preference") << QString() << "de_DE"
                                                  << "Deutsch";
    QTest::newRow("Taiwan system opens on simplified Chinese") << QString() << "zh_TW"
                                                               << "简体中文";
    QTest::newRow("stored choice over the system's") << "fr"
                                                     << "de_DE"
                                                     << "Français";
    QTest::newRow("stored traditional Chinese") << "zht"
                                                << "zh_CN"
                                                << "繁體中文";
    QTest::newRow("last entry") << "pt"
                                << "en_US"
                                << "Português";
    QTest::newRow("system without an entry opens on English") << QString() << "ru_RU"
                                                              << "English";
    QTest::newRow("stored code without an entry opens on English") << "xx"
                                                                   << "de_DE"
                                                                   << "English";
}

void TestCLanguageSetting::opensOnCurrentLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    if (!stored.isNull())
        writePreference(PrefKey::AppLanguage, stored);
    setSystemLocaleProvider([locale] { return QLocale(locale); });

    {
        CLanguageSetting dialog;
        QCOMPARE(languageList(dialog)->currentText(), shown);
        QVERIFY(notice(dialog)->isHidden());
        dialog.accept();
    }
    // Opening and closing is not a choice.
    QCOMPARE(hasPreference(PrefKey::AppLanguage), !stored.isNull());
    QCOMPARE(readStringPreference(PrefKey::AppLanguage), stored);
}

void TestCLanguageSetting::choosingShowsNotice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("noticeShown");

    QTest::newRow("Italian while running German")
        << QString() << "de_DE" << QStringList {"Italiano"} << "it" << true;
    QTest::newRow("Italian then German again")
        << QString() << "de_DE" << QStringList {"Italiano", "Deutsch"} << "de" << false;
    QTest::newRow("stored Japanese to Korean") << "ja"
                                               << "en_US" << QStringList {"한국어"} << "ko" << true;
    QTest::newRow("away from a stored choice and back")
        << "es"
        << "en_US" << QStringList {"English", "Español"} << "es" << false;
    QTest::newRow("German while running built-in English")
        << QString() << "ru_RU" << QStringList {"Deutsch"} << "de" << true;
    QTest::newRow("English again while running built-in English")
        << QString() << "ru_RU" << QStringList {"Deutsch", "English"} << "en" << false;
}

void TestCLanguageSetting::choosingShowsNotice()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QStringList, choices);
    QFETCH(QString, code);
    QFETCH(bool, noticeShown);
    if (!stored.isNull())
        writePreference(PrefKey::AppLanguage, stored);
    setSystemLocaleProvider([locale] { return QLocale(locale); });

    CLanguageSetting dialog;
    for (const QString &choice : choices)
        choose(dialog, choice);
    QCOMPARE(!notice(dialog)->isHidden(), noticeShown);
    QCOMPARE(readStringPreference(PrefKey::AppLanguage), code);
    dialog.reject();
    QCOMPARE(readStringPreference(PrefKey::AppLanguage), code);
}

DIMLET_TEST_MAIN(TestCLanguageSetting)
#include "tst_clanguagesetting.moc"
