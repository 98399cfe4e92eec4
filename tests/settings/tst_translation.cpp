#include "testsupport.h"

#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QAbstractButton>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
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

    void systemLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("Austrian German") << "de_AT"
                                         << "de";
        QTest::newRow("Chinese (Taiwan) gives zhs") << "zh_TW"
                                                    << "zhs";
    }

    void systemLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        setSystemLocaleProvider([locale] { return QLocale(locale); });
        QCOMPARE(::systemLanguage(), code);
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
};

DIMLET_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
