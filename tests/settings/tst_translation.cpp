#include "testsupport.h"

#include "settings/clanguagesetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>

class TestTranslation : public QObject
{
    Q_OBJECT
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
        QTest::newRow("stored missing falls to the system's")
            << "fr"
            << "ja_JP" << QStringList {"ja", "en"} << "ja";
        QTest::newRow("system missing falls to English")
            << QString() << "ru_RU" << QStringList {"de", "en"} << "en";
        QTest::newRow("Chinese (Taiwan) loads simplified")
            << QString() << "zh_TW" << QStringList {"zhs", "zht"} << "zhs";
        QTest::newRow("a broken stored file stops the chain")
            << "fr"
            << "ja_JP" << QStringList {"fr!", "ja", "en"} << "broken";
    }

    void startupChain()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QStringList, files);
        QFETCH(QString, installed);
        QTemporaryDir languages;
        for (QString code : files) {
            const QString target = languages.filePath(QStringLiteral("dimlet_%1.qm").arg(code));
            if (code.endsWith('!')) {
                QFile broken(target.chopped(4) + ".qm");
                QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a translation"));
            } else {
                const QString built(DIMLET_BUILD_DIR "/languages/dimlet_%1.qm");
                QVERIFY(QFile::copy(built.arg(code), target));
            }
        }
        setLanguagesDirOverride(languages.path());
        QFile::remove(preferencesFilePath());
        if (!stored.isNull())
            writePreference(PrefKey::AppLanguage, stored);
        setSystemLocaleProvider([locale] { return QLocale(locale); });
        {
            QObject owner;
            installStartupTranslation(&owner);
            QStringList loaded;
            for (const QTranslator *translator : owner.findChildren<QTranslator *>()) {
                const QString name = QFileInfo(translator->filePath()).completeBaseName();
                loaded << (name.isEmpty() ? QStringLiteral("broken") : name.mid(7));
                const QString own = translator->translate("DLEditor", "Move");
                if (!own.isEmpty())
                    QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), own);
            }
            QCOMPARE(loaded.join(','), installed);
        }
        QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), QStringLiteral("Move"));
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
