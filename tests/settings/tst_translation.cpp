#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "settings/clanguagesetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>

class TestTranslation : public QObject
{
    Q_OBJECT

    // A null stored choice leaves the preferences file without one.
    static void useLanguage(const QString &stored, const QString &locale)
    {
        QFile::remove(preferencesFilePath());
        if (!stored.isNull())
            writePreference(PrefKey::AppLanguage, stored);
        setSystemLocaleProvider([locale] { return QLocale(locale); });
    }

private slots:
    void cleanup()
    {
        setLanguagesDirOverride(QString());
        setSystemLocaleProvider({});
    }

    // Files in the languages directory; "!" marks one that is there but no translation.
    void startupChain_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("installed");
        const auto row = [](const char *name, const char *stored, const char *locale,
                             const QStringList &files, const char *installed) {
            QTest::newRow(name) << QString(stored) << locale << files << installed;
        };
        row("stored missing falls to the system's", "fr", "ja_JP", {"ja", "en"}, "ja");
        row("system missing falls to English", nullptr, "ru_RU", {"de", "en"}, "en");
        row("Chinese (Taiwan) loads simplified", nullptr, "zh_TW", {"zhs", "zht"}, "zhs");
        row("a broken stored file stops the chain", "fr", "ja_JP", {"fr!", "ja", "en"}, "broken");
    }

    void startupChain()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QStringList, files);
        QFETCH(QString, installed);
        QTemporaryDir languages;
        for (const QString &code : files) {
            const QString target
                = languages.filePath("dimlet_" + code.chopped(code.endsWith('!')) + ".qm");
            QVERIFY(code.endsWith('!')
                    ? writeFile(target, "not a translation")
                    : QFile::copy(DIMLET_BUILD_DIR "/languages/dimlet_" + code + ".qm", target));
        }
        setLanguagesDirOverride(languages.path());
        useLanguage(stored, locale);
        {
            QObject owner;
            installStartupTranslation(&owner);
            QStringList loaded;
            for (const QTranslator *translator : owner.findChildren<QTranslator *>()) {
                const QString name = QFileInfo(translator->filePath()).completeBaseName();
                if (name.startsWith(QLatin1String("qtbase_")))
                    continue;
                loaded << (name.isEmpty() ? QStringLiteral("broken") : name.mid(7));
                const QString own = translator->translate("DLEditor", "Move");
                if (!own.isEmpty())
                    QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), own);
            }
            QCOMPARE(loaded.join(','), installed);
        }
        QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), QStringLiteral("Move"));
    }

    // Qt's own buttons follow the chosen language, from the system's Qt translations.
    void toolkitTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("buttons"); // Yes, No, Save
        QTest::newRow("German") << "de" << QStringList {"&Ja", "&Nein", "Speichern"};
        QTest::newRow("Portuguese is Brazil's") << "pt" << QStringList {"&Sim", "&Não", "Salvar"};
        QTest::newRow("simplified Chinese") << "zhs" << QStringList {"是(&Y)", "否(&N)", "保存"};
        QTest::newRow("traditional Chinese") << "zht" << QStringList {"是(&Y)", "否(&N)", "儲存"};
    }

    void toolkitTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, buttons);
        QVERIFY2(
            QFile::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"),
            "Qt's translations are missing (scripts/deps.sh installs them)");
        setLanguagesDirOverride(DIMLET_BUILD_DIR "/languages");
        writePreference(PrefKey::AppLanguage, stored);
        QObject owner;
        installStartupTranslation(&owner);
        QMessageBox box(QMessageBox::Question, QString(), QString(),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Save);
        QCOMPARE(QStringList({box.button(QMessageBox::Yes)->text(),
                     box.button(QMessageBox::No)->text(), box.button(QMessageBox::Save)->text()}),
            buttons);
    }

    // Opening and closing the dialog is no choice: only a chosen entry is stored. The notice
    // shows while the choice differs from the language running.
    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown"); // the entry the dialog opens on
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<bool>("notice");
        const auto row = [](const char *name, const char *stored, const char *locale,
                             const char *shown, const QStringList &choices, bool notice) {
            QTest::newRow(name) << QString(stored) << locale << QString(shown) << choices << notice;
        };
        row("stored choice over the system's", "zht", "de_DE", "繁體中文", {}, false);
        row("Italian while running German", nullptr, "de_DE", "Deutsch", {"Italiano"}, true);
        row("Italian, then German again", nullptr, "de_DE", "Deutsch", {"Italiano", "Deutsch"},
            false);
        row("German while running built-in English", nullptr, "ru_RU", "English", {"Deutsch"},
            true);
    }

    void chooseLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QFETCH(QStringList, choices);
        QFETCH(bool, notice);
        useLanguage(stored, locale);
        CLanguageSetting dialog;
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
        QCOMPARE(list->currentText(), shown);
        for (const QString &choice : choices)
            list->setCurrentIndex(list->findText(choice));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("notifyLabel"))->isHidden(), !notice);
        dialog.reject();
        const QString code = list->currentData().toString();
        QCOMPARE(readStringPreference(PrefKey::AppLanguage), choices.isEmpty() ? stored : code);
    }
};

DIMLET_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
