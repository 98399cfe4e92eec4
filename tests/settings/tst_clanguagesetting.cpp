#include "testsupport.h"

#include "settings/clanguagesetting.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>

class TestCLanguageSetting : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setSystemLocaleProvider({}); }

    // Opening and closing the dialog is no choice: only a chosen entry is stored.
    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // the entry the dialog opens on
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("notice");
        QTest::newRow("Chinese (Taiwan) system") << QString() << "zh_TW"
                                                 << "简体中文" << QStringList() << false;
        QTest::newRow("stored choice over the system's") << "zht"
                                                         << "de_DE"
                                                         << "繁體中文" << QStringList() << false;
        QTest::newRow("Italian while running German")
            << QString() << "de_DE"
            << "Deutsch" << QStringList {"Italiano"} << true;
        QTest::newRow("Italian, then German again")
            << QString() << "de_DE"
            << "Deutsch" << QStringList {"Italiano", "Deutsch"} << false;
        QTest::newRow("German while running built-in English")
            << QString() << "ru_RU"
            << "English" << QStringList {"Deutsch"} << true;
    }

    void chooseLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QFETCH(QStringList, choices);
        QFETCH(bool, notice);
        QFile::remove(preferencesFilePath());
        if (!stored.isNull())
            writePreference(PrefKey::AppLanguage, stored);
        setSystemLocaleProvider([locale] { return QLocale(locale); });
        CLanguageSetting dialog;
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
        QCOMPARE(list->count(), 10);
        QCOMPARE(list->currentText(), shown);
        for (const QString &choice : choices)
            list->setCurrentIndex(list->findText(choice));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("notifyLabel"))->isHidden(), !notice);
        dialog.reject();
        const QString code = list->currentData().toString();
        QCOMPARE(readStringPreference(PrefKey::AppLanguage), choices.isEmpty() ? stored : code);
    }
};

DIMLET_TEST_MAIN(TestCLanguageSetting)
#include "tst_clanguagesetting.moc"
