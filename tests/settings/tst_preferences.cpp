#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "marks/dlpalette.h"
#include "marks/marktest.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

const char *const formats[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};

// Language rows begin with the stored choice (empty: none) and the system's locale.
class TestPreferences : public QObject
{
    Q_OBJECT
    QTemporaryDir work;

    static void useLanguage(const QStringList &f)
    {
        QFile::remove(preferencesFilePath());
        if (!f[0].isEmpty())
            writePreference(PrefKey::AppLanguage, f[0]);
        setSystemLocaleProvider([locale = f[1]] { return QLocale(locale); });
    }

private slots:
    // Without the application data directory the file lives in a "Dimlet" one beside it.
    void preferencesFilePathBothBranches()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString beside = QDir::cleanPath(data + "/../Dimlet/preferences.ini");
        QDir(data).removeRecursively();
        QDir(QFileInfo(beside).path()).removeRecursively();
        QCOMPARE(preferencesFilePath() + preferencesFilePath(), beside + beside);
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir(data).removeRecursively());
    }

    // Rows: file content|steps|what the settings dialog shows|changes|what the program reads, both
    // as colour, format (-1: none checked), profile, background, origin. A step clicks a button or
    // sets a list to the index after "="; a choice is stored at once, only real changes count.
    // Out-of-range indexes read as the first colour and the pattern. A file with what could start
    // a serialized value (Qt crashes decoding forged ones) reads as absent; changes last the run.
    void choices_data()
    {
        rows({"no file|||0 0 0 0 0|0|0 ff32353f 0 0 0",
            "last entry of every list|dl_mark_color=6,dl_color_fmt=6,dl_mac_profile=1,"
            "dl_background=3,dl_flipY=1||6 6 1 3 1|0|6 pattern 6 1 1",
            "colour one past the palette, background -1|dl_mark_color=7,dl_color_fmt=7,"
            "dl_background=-1||0 -1 0 3 0|0|0 pattern 7 0 0",
            "colour -1, background one past the list|dl_mark_color=-1,dl_background=4||0 0 0 3 "
            "0|0|0 pattern 0 0 0",
            "profile clicked once||mac_spceal||4|0 ff32353f 0 1 0",
            "profile clicked twice||mac_spceal mac_spceal||0|0 ff32353f 0 0 0",
            "bottom left on light||originListButton=1 bgListButton=1||24|0 fffffce5 0 0 1",
            "colour on white||colorListButton=6 bgListButton=2||9|6 ffffffff 0 0 0",
            "serialized value|x=@Variant(\\0\\0\\0\\[Gen2x\\0\\5),dl_flipY=1|||0|0 ff32353f 0 0 0",
            "octal escape spelling @|dl_flipY=1,x=\\100ByteArray(5)|||0|0 ff32353f 0 0 0",
            "change to a foreign file|dl_flipY=1,x=@Variant(\\0\\x7f)|colorListButton=5||1|5 "
            "ff32353f 0 0 0"});
        for (int i = 0; i < 7; ++i)
            QTest::newRow(formats[i]) << QString("|%1||%2|0 ff32353f %3 0 0")
                                             .arg(formats[i], i ? "2" : "0", QString::number(i))
                                             .split('|');
    }

    void choices()
    {
        QFETCH(QStringList, f);
        const QByteArray content = f[0].toUtf8().replace(',', '\n');
        QFile::remove(preferencesFilePath());
        QVERIFY(f[0].isEmpty() || writeFile(preferencesFilePath(), content));
        DLSetting dialog;
        int format = -1;
        for (int i = 0; i < 7; ++i)
            format = dialog.findChild<QRadioButton *>(formats[i])->isChecked() ? i : format;
        const auto index
            = [&](const char *name) { return dialog.findChild<QComboBox *>(name)->currentIndex(); };
        if (!f[2].isEmpty()) // the defaults show in every other row
            QCOMPARE(QString::asprintf("%d %d %d %d %d", index("colorListButton"), format,
                         dialog.findChild<QCheckBox *>("mac_spceal")->isChecked(),
                         index("bgListButton"), index("originListButton")),
                f[2]);
        for (const QString &step : f[1].split(' ', Qt::SkipEmptyParts)) {
            QWidget *control = dialog.findChild<QWidget *>(step.section('=', 0, 0));
            if (auto *list = qobject_cast<QComboBox *>(control))
                list->setCurrentIndex(step.section('=', 1).toInt());
            else
                qobject_cast<QAbstractButton *>(control)->click();
        }
        dialog.accept();
        QCOMPARE(dialog.changes(), f[3].toInt());
        const QBrush brush = DLSetting::backgroundBrush();
        const QString background = brush.style() == Qt::TexturePattern
            ? "pattern"
            : QString::number(brush.color().rgba(), 16);
        QCOMPARE(QString::asprintf("%d %s %d %d %d", markPalette().indexOf(DLSetting::markColor()),
                     qPrintable(background), DLSetting::colorFormat(), DLSetting::macProfile(),
                     DLSetting::flipY()),
            f[4]);
        if (!f[0].isEmpty() && (f[1].isEmpty() || f[0].contains('@')))
            QCOMPARE(fileBytes(preferencesFilePath()), content); // opening writes nothing
    }

    // The triangle (0, 0), (10, 0), (0, 10), in either winding.
    void pointInTriangle()
    {
        for (const auto &[p, inside] :
            {std::pair<QPointF, int> {{3, 3}, 2}, {{6, 6}, 0}, {{-1, 3}, 0}})
            QCOMPARE(::pointInTriangle(p, {0, 0}, {10, 0}, {0, 10})
                    + ::pointInTriangle(p, {0, 0}, {0, 10}, {10, 0}),
                inside);
    }

    void cleanup()
    {
        setLanguagesDirOverride(QString());
        setSystemLocaleProvider({});
    }

    // Then the files in the languages directory ("!": there but no translation), the
    // translations installed, a text of ours and Qt's own Yes, No and Save as now shown.
    void startupChain_data()
    {
        rows({"stored missing, system's taken|fr|de_DE|de,en|de,Verschieben,&Ja,&Nein,Speichern",
            "system missing falls to English||ru_RU|de,en|en,Move,&Yes,&No,Save",
            "zh_TW system: simplified||zh_TW|zhs,zht|zhs,移动,是(&Y),否(&N),保存",
            "Portuguese is Brazil's|pt|ja_JP|pt|pt,Mover,&Sim,&Não,Salvar",
            "broken stored file|fr|ja_JP|fr!,ja,en|broken,Move,&Oui,&Non,Enregistrer"});
    }

    void startupChain()
    {
        QFETCH(QStringList, f);
        QTemporaryDir languages;
        useLanguage(f);
        for (const QString &code : f[2].split(',')) {
            const QString target
                = languages.filePath("dimlet_" + code.chopped(code.endsWith('!')) + ".qm");
            QVERIFY(code.endsWith('!')
                    ? writeFile(target, "not a translation")
                    : QFile::copy(DIMLET_BUILD_DIR "/languages/dimlet_" + code + ".qm", target));
        }
        setLanguagesDirOverride(languages.path());
        QObject owner;
        installStartupTranslation(&owner);
        QStringList loaded;
        for (const QTranslator *translator : owner.findChildren<QTranslator *>()) {
            const QString name = QFileInfo(translator->filePath()).completeBaseName();
            if (!name.startsWith("qtbase_"))
                loaded << (name.isEmpty() ? "broken" : name.mid(7));
        }
        loaded << QCoreApplication::translate("DLEditor", "Move");
        for (const char *text : {"&Yes", "&No", "Save"}) // as the standard buttons read them
            loaded << QCoreApplication::translate("QPlatformTheme", text);
        QCOMPARE(loaded.join(','), f[3]);
    }

    // Then the entry the dialog opens on, the entries chosen and whether the notice shows: it
    // does while the choice differs from the language running. Only a chosen entry is stored.
    void chooseLanguage_data()
    {
        rows({"stored choice over the system's|zht|de_DE|繁體中文||0",
            "Italian while running German||de_DE|Deutsch|Italiano|1",
            "Italian, then German again||de_DE|Deutsch|Italiano,Deutsch|0",
            "German while running built-in English||ru_RU|English|Deutsch|1"});
    }

    void chooseLanguage()
    {
        QFETCH(QStringList, f);
        useLanguage(f);
        CLanguageSetting dialog;
        auto *list = dialog.findChild<QComboBox *>("langList");
        QCOMPARE(list->currentText(), f[2]);
        for (const QString &choice : f[3].split(',', Qt::SkipEmptyParts))
            list->setCurrentIndex(list->findText(choice));
        QCOMPARE(dialog.findChild<QLabel *>("notifyLabel")->isHidden(), f[4] == "0");
        dialog.reject();
        QCOMPARE(readStringPreference(PrefKey::AppLanguage),
            f[3].isEmpty() ? f[0] : list->currentData().toString());
    }

    // Copies of the translations updated from the code: unused texts dropped, new ones unfinished.
    void everyOfferedLanguage_data()
    {
        const QString lupdate = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate";
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

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
