#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "settings/clanguagesetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

// Rows read "stored-choice system-locale ...", "-" for no stored choice.
class TestTranslation : public QObject
{
    Q_OBJECT
    QTemporaryDir work;

    static QStringList useLanguage(const QString &given)
    {
        const QStringList fields = given.split(' ');
        QFile::remove(preferencesFilePath());
        if (fields[0] != "-")
            writePreference(PrefKey::AppLanguage, fields[0]);
        setSystemLocaleProvider([locale = fields[1]] { return QLocale(locale); });
        return fields;
    }

private slots:
    void cleanup()
    {
        setLanguagesDirOverride(QString());
        setSystemLocaleProvider({});
    }

    // Then the files in the languages directory ("!": there but no translation), the
    // translations installed and Qt's own Yes, No and Save, from the system's Qt translations.
    void startupChain_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("stored missing falls to the system's")
            << "fr de_DE de,en de &Ja,&Nein,Speichern";
        QTest::newRow("system missing falls to English") << "- ru_RU de,en en &Yes,&No,Save";
        QTest::newRow("Chinese (Taiwan) loads simplified")
            << "- zh_TW zhs,zht zhs 是(&Y),否(&N),保存";
        QTest::newRow("traditional Chinese") << "zht en_US zhs,zht zht 是(&Y),否(&N),儲存";
        QTest::newRow("Portuguese is Brazil's") << "pt ja_JP pt pt &Sim,&Não,Salvar";
        QTest::newRow("a broken stored file stops the chain")
            << "fr ja_JP fr!,ja,en broken &Oui,&Non,Enregistrer";
    }

    void startupChain()
    {
        QFETCH(QString, given);
        QTemporaryDir languages;
        const QStringList fields = useLanguage(given);
        for (const QString &code : fields[2].split(',')) {
            const QString target
                = languages.filePath("dimlet_" + code.chopped(code.endsWith('!')) + ".qm");
            QVERIFY(code.endsWith('!')
                    ? writeFile(target, "not a translation")
                    : QFile::copy(DIMLET_BUILD_DIR "/languages/dimlet_" + code + ".qm", target));
        }
        setLanguagesDirOverride(languages.path());
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
            QMessageBox box(QMessageBox::Question, QString(), QString(),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Save);
            for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Save})
                loaded << box.button(b)->text();
            QCOMPARE(loaded.join(','), fields[3] + "," + fields[4]);
        }
        QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), QStringLiteral("Move"));
    }

    // Then the entry the dialog opens on, the entries chosen ("|" apart) and whether the
    // notice shows. Only a chosen entry is stored; the notice shows while the choice differs
    // from the language running.
    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("stored choice over the system's") << "zht de_DE 繁體中文 - 0";
        QTest::newRow("Italian while running German") << "- de_DE Deutsch Italiano 1";
        QTest::newRow("Italian, then German again") << "- de_DE Deutsch Italiano|Deutsch 0";
        QTest::newRow("German while running built-in English") << "- ru_RU English Deutsch 1";
    }

    void chooseLanguage()
    {
        QFETCH(QString, given);
        const QStringList fields = useLanguage(given);
        CLanguageSetting dialog;
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
        QCOMPARE(list->currentText(), fields[2]);
        for (const QString &choice : fields[3].split('|'))
            if (choice != "-")
                list->setCurrentIndex(list->findText(choice));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("notifyLabel"))->isHidden(),
            fields[4] == "0");
        dialog.reject();
        QCOMPARE(readStringPreference(PrefKey::AppLanguage),
            fields[3] == "-" ? fields[0] : list->currentData().toString());
    }

    // Copies of the translations brought up to date with the code: unused texts dropped, new
    // ones come unfinished.
    void everyOfferedLanguage_data()
    {
        const QString lupdate = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate";
        if (!QFile::exists(lupdate))
            QSKIP("lupdate is not installed");
        QStringList arguments = QString(DIMLET_SOURCE_DIR_LIST).split(',');
        arguments.replaceInStrings(QRegularExpression("^"), DIMLET_SOURCE_DIR "/");
        arguments += {"-no-obsolete", "-silent", "-ts"};
        QTest::addColumn<QString>("code");
        CLanguageSetting dialog;
        const auto *list = dialog.findChild<QComboBox *>("langList");
        for (int i = 0; i < list->count(); ++i) {
            const QString code = list->itemData(i).toString(), ts = "/dimlet_" + code + ".ts";
            QVERIFY(QFile::copy(DIMLET_SOURCE_DIR "/translations" + ts, work.path() + ts));
            arguments << work.path() + ts;
            QTest::newRow(qPrintable(code)) << code;
        }
        QCOMPARE(QProcess::execute(lupdate, arguments), 0);
    }

    // Every text finished (unfinished ones carry a type), keeping placeholders and outer blanks.
    void everyOfferedLanguage()
    {
        QFETCH(QString, code);
        const auto frame = [](const QString &text) {
            QSet<QString> parts;
            for (auto it = QRegularExpression("%L?\\d+|^\\s+|\\s+$").globalMatch(text);
                 it.hasNext();)
                parts << it.next().captured();
            return parts;
        };
        const QRegularExpression message("<source>(.*?)</source>\\s*<translation(.*?)>(.*?)<",
            QRegularExpression::DotMatchesEverythingOption);
        int messages = 0;
        const QString ts = QString::fromUtf8(fileBytes(work.filePath("dimlet_" + code + ".ts")));
        for (auto it = message.globalMatch(ts); it.hasNext(); ++messages) {
            const QRegularExpressionMatch m = it.next();
            const QString source = m.captured(1), found = m.captured(3);
            QVERIFY2(m.captured(2).isEmpty() && !found.trimmed().isEmpty()
                    && (frame(found) == frame(source) || source == "MoveEditFixSize"),
                qPrintable(source)); // the editor reads a number of its own from that text
        }
        QVERIFY(messages > 50);
    }
};

DIMLET_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
