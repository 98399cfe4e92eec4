#include "testsupport.h"

#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

namespace {
void appendBlock(QByteArray &bytes, char tag, const QByteArray &data)
{
    bytes.append(tag);
    const quint32 length = quint32(data.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((length >> shift) & 0xFF));
    bytes.append(data);
}

// The translator's lookup hash of a source text with an empty comment.
quint32 sourceTextHash(const QByteArray &text)
{
    quint32 h = 0;
    for (const char c : text) {
        h = (h << 4) + uchar(c);
        const quint32 g = h & 0xF0000000;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

const char probeContext[] = "TestTranslation";
const char probeText[] = "Hello";

// A compiled translation for the language code that turns the probe text into
// "Hello <code>", so a test can tell which file the application uses.
QByteArray translationFileFor(const QString &code)
{
    static const unsigned char magic[] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95, 0xCD,
        0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
    const QString translation = QStringLiteral("%1 %2").arg(QLatin1String(probeText), code);
    QByteArray utf16;
    for (const QChar c : translation) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    QByteArray message;
    appendBlock(message, 3, utf16);
    appendBlock(message, 6, QByteArray(probeText));
    appendBlock(message, 7, QByteArray(probeContext));
    message.append(char(1));

    QByteArray bytes(reinterpret_cast<const char *>(magic), sizeof magic);
    appendBlock(bytes, char(0xA7), code.toLatin1());
    appendBlock(bytes, 0x42, bigEndian(sourceTextHash(probeText)) + bigEndian(0));
    appendBlock(bytes, 0x69, message);
    return bytes;
}

QString probeTranslation()
{
    return QCoreApplication::translate(probeContext, probeText);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the translators owned by the parent were loaded from: the code of each
// loaded file, or "broken" for one that exists but did not load.
QStringList installedCodes(const QObject &parent)
{
    QStringList codes;
    for (const QTranslator *translator : parent.findChildren<QTranslator *>()) {
        const QString path = translator->filePath();
        codes << (path.isEmpty() ? QStringLiteral("broken") : translator->language());
    }
    return codes;
}
} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void systemLanguage_data();
    void systemLanguage();
    void systemLanguageFollowsProcessLocale_data();
    void systemLanguageFollowsProcessLocale();
    void reportSystemLanguage();

    void loadTranslation_data();
    void loadTranslation();

    void startupChain_data();
    void startupChain();

private:
    QTemporaryDir languages;
};

void TestTranslation::init()
{
    QVERIFY(languages.isValid());
    QDir dir(languages.path());
    for (const QString &name : dir.entryList(QDir::Files))
        QVERIFY(dir.remove(name));
    setLanguagesDirOverride(languages.path());
    QFile::remove(preferencesFilePath());
}

void TestTranslation::cleanup()
{
    setLanguagesDirOverride(QString());
    setSystemLocaleProvider({});
}

void TestTranslation::systemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "pt";
    QTest::newRow("Japanese") << "ja_JP"
                              << "ja";
    QTest::newRow("simplified Chinese") << "zh_CN"
                                        << "zhs";
    QTest::newRow("Taiwan Chinese maps to simplified") << "zh_TW"
                                                       << "zhs";
    QTest::newRow("Hong Kong Chinese maps to simplified") << "zh_HK"
                                                          << "zhs";
    QTest::newRow("Russian has no entry but keeps its code") << "ru_RU"
                                                             << "ru";
}

void TestTranslation::systemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    setSystemLocaleProvider([locale] { return QLocale(locale); });
    QCOMPARE(::systemLanguage(), code);
}

void TestTranslation::systemLanguageFollowsProcessLocale_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("code");

    QTest::newRow("German") << "de_DE.UTF-8"
                            << "de";
    QTest::newRow("Taiwan Chinese") << "zh_TW.UTF-8"
                                    << "zhs";
    QTest::newRow("French with a modifier") << "fr_FR.UTF-8@euro"
                                            << "fr";
}

// Runs this program again in the given locale: QLocale::system() is fixed per process.
void TestTranslation::systemLanguageFollowsProcessLocale()
{
    QFETCH(QString, environment);
    QFETCH(QString, code);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), environment);
    env.insert(QStringLiteral("LANG"), environment);
    env.insert(QStringLiteral("DIMLET_EXPECTED_LANGUAGE"), code);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("reportSystemLanguage")});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    QVERIFY2(
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
    QVERIFY2(
        output.contains("PASS   : TestTranslation::reportSystemLanguage()"), output.constData());
}

void TestTranslation::reportSystemLanguage()
{
    const QString expected = qEnvironmentVariable("DIMLET_EXPECTED_LANGUAGE");
    if (expected.isEmpty())
        QSKIP("runs in the child processes of systemLanguageFollowsProcessLocale");
    QCOMPARE(::systemLanguage(), expected);
}

void TestTranslation::loadTranslation_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("installed");

    QTest::newRow("present file is installed")
        << QStringList {"de", "ja"} << "de" << true << QStringList {"de"};
    QTest::newRow("missing file installs nothing")
        << QStringList {"de"} << "fr" << false << QStringList();
    QTest::newRow("broken file still counts as found")
        << QStringList {"fr!"} << "fr" << true << QStringList {"broken"};
    QTest::newRow("code naming a path outside the directory")
        << QStringList {"de"} << "../languages/dimlet_de" << false << QStringList();
    QTest::newRow("empty code") << QStringList {"de"} << "" << false << QStringList();
}

void TestTranslation::loadTranslation()
{
    QFETCH(QStringList, files);
    QFETCH(QString, code);
    QFETCH(bool, found);
    QFETCH(QStringList, installed);

    for (QString file : files) {
        const bool broken = file.endsWith(QLatin1Char('!'));
        file.remove(QLatin1Char('!'));
        QVERIFY(writeFile(languages.filePath(QStringLiteral("dimlet_%1.qm").arg(file)),
            broken ? QByteArray("not a translation") : translationFileFor(file)));
    }

    {
        QObject owner;
        QCOMPARE(::loadTranslation(code, &owner), found);
        QCOMPARE(installedCodes(owner), installed);
        const bool translated = !installed.isEmpty() && installed.first() != "broken";
        QCOMPARE(probeTranslation(),
            translated ? QStringLiteral("Hello %1").arg(installed.first()) : "Hello");
    }
    // The owner takes its translators with it.
    QCOMPARE(probeTranslation(), QStringLiteral("Hello"));
}

void TestTranslation::startupChain_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("installed");

    QTest::newRow("German system, no preference")
        << QString() << "de_DE" << QStringList {"de", "en"} << QStringList {"de"};
    QTest::newRow("stored language wins over the system's")
        << "it"
        << "de_DE" << QStringList {"de", "it", "en"} << QStringList {"it"};
    QTest::newRow("stored language missing falls to the system's")
        << "fr"
        << "ja_JP" << QStringList {"ja", "en"} << QStringList {"ja"};
    QTest::newRow("system language missing falls to English")
        << QString() << "ru_RU" << QStringList {"de", "en"} << QStringList {"en"};
    QTest::newRow("stored and system missing fall to English")
        << "fr"
        << "ru_RU" << QStringList {"en"} << QStringList {"en"};
    QTest::newRow("nothing present keeps the built-in texts")
        << "fr"
        << "ru_RU" << QStringList() << QStringList();
    QTest::newRow("Taiwan Chinese loads simplified")
        << QString() << "zh_TW" << QStringList {"zhs", "zht"} << QStringList {"zhs"};
    QTest::newRow("broken stored file stops the chain")
        << "fr"
        << "ja_JP" << QStringList {"fr!", "ja", "en"} << QStringList {"broken"};
    QTest::newRow("empty stored value counts as present")
        << ""
        << "de_DE" << QStringList {"de"} << QStringList {"de"};
}

void TestTranslation::startupChain()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QStringList, files);
    QFETCH(QStringList, installed);

    for (QString file : files) {
        const bool broken = file.endsWith(QLatin1Char('!'));
        file.remove(QLatin1Char('!'));
        QVERIFY(writeFile(languages.filePath(QStringLiteral("dimlet_%1.qm").arg(file)),
            broken ? QByteArray("not a translation") : translationFileFor(file)));
    }
    if (!stored.isNull())
        writePreference(PrefKey::AppLanguage, stored);
    setSystemLocaleProvider([locale] { return QLocale(locale); });

    QObject owner;
    installStartupTranslation(&owner);
    QCOMPARE(installedCodes(owner), installed);
    const bool translated = !installed.isEmpty() && installed.first() != "broken";
    QCOMPARE(probeTranslation(),
        translated ? QStringLiteral("Hello %1").arg(installed.first()) : "Hello");
}

DIMLET_TEST_MAIN(TestTranslation)
#include "tst_translation.moc"
