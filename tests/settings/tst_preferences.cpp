#include "testsupport.h"

#include "editor/documentfixtures.h"
#include "marks/dlpalette.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

namespace {
const char *const formats[]
    = {"defaultFmt", "rgbHex", "rgbFloat", "rgbInt", "rgbaHex", "rgbaFloat", "rgbaInt"};
}

// Language rows read "stored-choice system-locale ...", "-" for no stored choice.
class TestPreferences : public QObject
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
    // Without the application data directory the file lives in a "Dimlet" one beside it.
    void preferencesFilePathBothBranches()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString beside = QDir::cleanPath(data + "/../Dimlet") + QDir::separator();
        QDir(data).removeRecursively();
        QDir(beside).removeRecursively();
        QCOMPARE(preferencesFilePath() + preferencesFilePath(),
            beside + "preferences.ini" + beside + "preferences.ini");
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir(data).removeRecursively());
    }

    // What the settings dialog opens on and what the program reads are colour, format (-1: none
    // checked), profile, background, origin. A step clicks a button or sets a list to the index
    // after "="; each choice is stored at once and only real changes count. Out-of-range indexes
    // read as the first colour and the pattern; a file with what could start a serialized value
    // (Qt's decoder crashes on forged ones) reads as absent and changes to it last for the run.
    void choices_data()
    {
        QTest::addColumn<QString>("row"); // file content | steps | shown | mask | read
        const auto row = [](const QString &name, const QString &row) {
            QTest::newRow(qPrintable(name)) << row;
        };
        row("no file", "||0 0 0 0 0|0|0 ff32353f 0 0 0");
        row("last entry of every list",
            "dl_mark_color=6,dl_color_fmt=6,dl_mac_profile=1,dl_background=3,dl_flipY=1||6 6 1 3 "
            "1|0|6 pattern 6 1 1");
        row("colour one past the palette, background -1",
            "dl_mark_color=7,dl_color_fmt=7,dl_background=-1||0 -1 0 3 0|0|0 pattern 7 0 0");
        row("colour -1, background one past the list",
            "dl_mark_color=-1,dl_background=4||0 0 0 3 0|0|0 pattern 0 0 0");
        row("profile clicked once", "|mac_spceal||4|0 ff32353f 0 1 0");
        row("profile clicked twice", "|mac_spceal mac_spceal||0|0 ff32353f 0 0 0");
        row("background changed and back", "|bgListButton=1 bgListButton=0||0|0 ff32353f 0 0 0");
        row("bottom left on light", "|originListButton=1 bgListButton=1||24|0 fffffce5 0 0 1");
        row("colour on white", "|colorListButton=6 bgListButton=2||9|6 ffffffff 0 0 0");
        for (int i = 0; i < 7; ++i)
            row(QString("format ") + formats[i],
                QString("|%1||%2|0 ff32353f %3 0 0").arg(formats[i]).arg(i ? 2 : 0).arg(i));
        row("serialized value",
            "x=@Variant(\\0\\0\\0\\[Gen2x\\0\\5),dl_background=2|||0|0 ff32353f 0 0 0");
        row("octal escape spelling @", "dl_flipY=1,x=\\100ByteArray(5)|||0|0 ff32353f 0 0 0");
        row("change to a foreign file",
            "dl_flipY=1,x=@Variant(\\0\\x7f)|colorListButton=5||1|5 ff32353f 0 0 0");
    }

    void choices()
    {
        QFETCH(QString, row);
        const QStringList f = row.split('|');
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
    // translations installed and Qt's own Yes, No and Save, from the system's Qt translations.
    void startupChain_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("stored missing, system's taken") << "fr de_DE de,en de &Ja,&Nein,Speichern";
        QTest::newRow("system missing falls to English") << "- ru_RU de,en en &Yes,&No,Save";
        QTest::newRow("zh_TW system: simplified") << "- zh_TW zhs,zht zhs 是(&Y),否(&N),保存";
        QTest::newRow("traditional Chinese") << "zht en_US zhs,zht zht 是(&Y),否(&N),儲存";
        QTest::newRow("Portuguese is Brazil's") << "pt ja_JP pt pt &Sim,&Não,Salvar";
        QTest::newRow("broken stored file") << "fr ja_JP fr!,ja,en broken &Oui,&Non,Enregistrer";
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
        QObject owner;
        installStartupTranslation(&owner);
        QStringList loaded;
        for (const QTranslator *translator : owner.findChildren<QTranslator *>()) {
            const QString name = QFileInfo(translator->filePath()).completeBaseName();
            if (!name.startsWith("qtbase_"))
                loaded << (name.isEmpty() ? "broken" : name.mid(7));
        }
        const QTranslator *first = owner.findChild<QTranslator *>();
        const QString own = first ? first->translate("DLEditor", "Move") : QString();
        QCOMPARE(QCoreApplication::translate("DLEditor", "Move"), own.isEmpty() ? "Move" : own);
        QMessageBox box(QMessageBox::Question, QString(), QString(),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Save);
        for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Save})
            loaded << box.button(b)->text();
        QCOMPARE(loaded.join(','), fields[3] + "," + fields[4]);
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

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
