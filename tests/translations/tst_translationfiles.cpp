#include "testsupport.h"

#include "editor/dleditor.h"
#include "settings/clanguagesetting.h"
#include "settings/dlsetting.h"
#include "update/cupdatenotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type;
    bool numerus = false;

    bool finished() const { return type.isEmpty(); }
    QString key() const { return context + QChar(0) + source + QChar(0) + comment; }
    QString name() const { return QStringLiteral("%1 \"%2\"").arg(context, source); }
};

struct TsFile
{
    QString language;
    QVector<TsMessage> messages;
    QString error;
};

TsMessage readMessage(QXmlStreamReader &xml, const QString &context)
{
    TsMessage message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                QStringList forms;
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
                message.translation = forms.join(QChar(0x9c));
            } else {
                message.translation = xml.readElementText();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

TsFile readTsFile(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        ts.error = QStringLiteral("not a translation source file");
        return ts;
    }
    ts.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                ts.messages << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

QList<int> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2})"));
    QList<int> numbers;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        numbers << it.next().captured(1).toInt();
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

QString leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

QString sourcePath(const QString &relative)
{
    return QDir(QStringLiteral(DIMLET_SOURCE_DIR)).filePath(relative);
}

QString compiledPath(const QString &code)
{
    return QDir(QStringLiteral(DIMLET_BUILD_DIR))
        .filePath(QStringLiteral("languages/dimlet_%1.qm").arg(code));
}

QString findLupdate()
{
    const QString beside = QDir(QLibraryInfo::location(QLibraryInfo::BinariesPath))
                               .filePath(QStringLiteral("lupdate"));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("lupdate"));
}

// The codes the language dialog offers, read from the dialog itself.
QStringList offeredLanguageCodes()
{
    CLanguageSetting dialog;
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
    QStringList codes;
    for (int i = 0; list && i < list->count(); ++i)
        codes << list->itemData(i).toString();
    return codes;
}

// Texts of a fixed-geometry form that do not fit the widget showing them.
QStringList overflowingTexts(QWidget *form)
{
    form->ensurePolished();
    QStringList problems;
    const auto report = [&](QWidget *widget, const QString &text) {
        problems << QStringLiteral("%1::%2 \"%3\"")
                        .arg(QLatin1String(form->metaObject()->className()), widget->objectName(),
                            text);
    };
    for (QLabel *label : form->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : label->sizeHint().width() > label->width())
            report(label, label->text());
    }
    for (QPushButton *button : form->findChildren<QPushButton *>()) {
        // A push button's size hint has a floor of its own; only the text and its margins count.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin > button->width())
            report(button, button->text());
    }
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        if ((qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button))
            && button->sizeHint().width() > button->width())
            report(button, button->text());
    }
    for (QComboBox *list : form->findChildren<QComboBox *>()) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        if (texts.join(QString()).isEmpty())
            continue;
        if (list->sizeHint().width() > list->width())
            report(list, texts.join(QLatin1String(" | ")));
    }
    return problems;
}

void addRowPerSourceFile()
{
    QTest::addColumn<QString>("code");
    const QStringList files = QDir(sourcePath(QStringLiteral("translations")))
                                  .entryList({QStringLiteral("dimlet_*.ts")}, QDir::Files);
    for (const QString &file : files) {
        const QString code = file.mid(7, file.size() - 10);
        QTest::newRow(qPrintable(code)) << code;
    }
}
} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyOfferedLanguageHasFiles_data();
    void everyOfferedLanguageHasFiles();
    void currentSourceTextsAreTranslated_data() { addRowPerSourceFile(); }
    void currentSourceTextsAreTranslated();
    void placeholdersAndBlanksKept_data() { addRowPerSourceFile(); }
    void placeholdersAndBlanksKept();
    void compiledFileMatchesSource_data();
    void compiledFileMatchesSource();
    void moveButtonHoldsItsWord_data();
    void moveButtonHoldsItsWord();
    void dialogsHoldTheirTexts_data() { compiledFileMatchesSource_data(); }
    void dialogsHoldTheirTexts();

private:
    QString lupdateProgram;
    QString lupdateFailure;
    QVector<TsMessage> currentTexts;
    QTemporaryDir workDir;
};

void TestTranslationFiles::initTestCase()
{
    QVERIFY(workDir.isValid());
    lupdateProgram = findLupdate();
    if (lupdateProgram.isEmpty())
        return;

    const QString target = workDir.filePath(QStringLiteral("current.ts"));
    QStringList arguments;
    for (const QString &dir : QStringLiteral(DIMLET_SOURCE_DIR_LIST).split(QLatin1Char(',')))
        arguments << sourcePath(dir);
    arguments << QStringLiteral("-ts") << target << QStringLiteral("-no-obsolete")
              << QStringLiteral("-locations") << QStringLiteral("none")
              << QStringLiteral("-silent");
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(lupdateProgram, arguments);
    if (!lupdate.waitForFinished(300000) || lupdate.exitStatus() != QProcess::NormalExit
        || lupdate.exitCode() != 0) {
        lupdateFailure
            = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAll());
        return;
    }
    const TsFile current = readTsFile(target);
    if (!current.error.isEmpty())
        lupdateFailure = QStringLiteral("lupdate output unreadable: ") + current.error;
    else if (current.messages.isEmpty())
        lupdateFailure = QStringLiteral("lupdate found no source text in the code");
    currentTexts = current.messages;
}

void TestTranslationFiles::everyOfferedLanguageHasFiles_data()
{
    QTest::addColumn<QString>("code");
    const QStringList codes = offeredLanguageCodes();
    QVERIFY(!codes.isEmpty());
    for (const QString &code : codes)
        QTest::newRow(qPrintable(code)) << code;
}

void TestTranslationFiles::everyOfferedLanguageHasFiles()
{
    QFETCH(QString, code);

    const QString source = sourcePath(QStringLiteral("translations/dimlet_%1.ts").arg(code));
    QVERIFY2(QFileInfo::exists(source), qPrintable(source));
    const TsFile ts = readTsFile(source);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QVERIFY(!ts.messages.isEmpty());

    // The file's declared language is the one its code names, down to the Chinese script.
    const QLocale declared(ts.language);
    if (code == QLatin1String("zhs") || code == QLatin1String("zht")) {
        QCOMPARE(declared.language(), QLocale::Chinese);
        QCOMPARE(declared.script(),
            code == QLatin1String("zhs") ? QLocale::SimplifiedHanScript
                                         : QLocale::TraditionalHanScript);
    } else {
        QCOMPARE(declared.language(), QLocale(code).language());
    }

    QVERIFY2(QFileInfo::exists(compiledPath(code)), qPrintable(compiledPath(code)));
}

void TestTranslationFiles::currentSourceTextsAreTranslated()
{
    QFETCH(QString, code);
    if (lupdateProgram.isEmpty())
        QSKIP("lupdate is not installed");
    QVERIFY2(lupdateFailure.isEmpty(), qPrintable(lupdateFailure));

    const TsFile ts = readTsFile(sourcePath(QStringLiteral("translations/dimlet_%1.ts").arg(code)));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QHash<QString, TsMessage> byKey;
    for (const TsMessage &message : ts.messages)
        byKey.insert(message.key(), message);

    QStringList problems;
    for (const TsMessage &wanted : currentTexts) {
        const auto found = byKey.constFind(wanted.key());
        if (found == byKey.constEnd())
            problems << wanted.name() + QStringLiteral(" is missing");
        else if (!found->finished())
            problems << wanted.name() + QStringLiteral(" is marked ") + found->type;
        else if (found->translation.trimmed().isEmpty())
            problems << wanted.name() + QStringLiteral(" has no translation");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

void TestTranslationFiles::placeholdersAndBlanksKept()
{
    QFETCH(QString, code);

    const TsFile ts = readTsFile(sourcePath(QStringLiteral("translations/dimlet_%1.ts").arg(code)));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList problems;
    for (const TsMessage &message : ts.messages) {
        if (!message.finished())
            continue;
        if (message.source == QLatin1String("MoveEditFixSize")) {
            bool isNumber = false;
            message.translation.toInt(&isNumber, 10);
            if (!isNumber)
                problems << message.name() + QStringLiteral(" is not a whole number");
            continue;
        }
        if (placeholders(message.translation) != placeholders(message.source))
            problems << message.name() + QStringLiteral(" changes the placeholders");
        if (leadingBlanks(message.translation) != leadingBlanks(message.source)
            || trailingBlanks(message.translation) != trailingBlanks(message.source))
            problems << message.name() + QStringLiteral(" changes the surrounding blanks");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

void TestTranslationFiles::compiledFileMatchesSource_data()
{
    QTest::addColumn<QString>("code");
    const QDir languages(
        QDir(QStringLiteral(DIMLET_BUILD_DIR)).filePath(QStringLiteral("languages")));
    const QStringList files = languages.entryList({QStringLiteral("*.qm")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(languages.path()));
    for (const QString &file : files) {
        QVERIFY(file.startsWith(QLatin1String("dimlet_")));
        const QString code = file.mid(7, file.size() - 10);
        QTest::newRow(qPrintable(code)) << code;
    }
}

void TestTranslationFiles::compiledFileMatchesSource()
{
    QFETCH(QString, code);

    QTranslator translator;
    QVERIFY(translator.load(compiledPath(code)));
    QVERIFY(!translator.isEmpty());

    const QString source = sourcePath(QStringLiteral("translations/dimlet_%1.ts").arg(code));
    QVERIFY2(QFileInfo::exists(source), "a compiled translation without its source");
    const TsFile ts = readTsFile(source);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(translator.language(), ts.language);
    QStringList stale;
    for (const TsMessage &message : ts.messages) {
        if (!message.finished() || message.numerus)
            continue;
        const QString compiled
            = translator.translate(qPrintable(message.context), message.source.toUtf8().constData(),
                message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
        if (compiled != message.translation)
            stale << message.name();
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1String("; "))));
}

void TestTranslationFiles::moveButtonHoldsItsWord_data()
{
    compiledFileMatchesSource_data();
}

void TestTranslationFiles::moveButtonHoldsItsWord()
{
    QFETCH(QString, code);

    QTranslator translator;
    QVERIFY(translator.load(compiledPath(code)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto editor = std::make_unique<DLEditor>();
    QCoreApplication::removeTranslator(&translator);

    auto *move = editor->findChild<QToolButton *>(QStringLiteral("move_btn"));
    QVERIFY(move);
    QCOMPARE(move->text(), translator.translate("DLEditor", "Move"));
    QVERIFY2(move->sizeHint().width() <= move->maximumWidth(),
        qPrintable(QStringLiteral("\"%1\" needs %2 pixels, the button has %3")
                       .arg(move->text())
                       .arg(move->sizeHint().width())
                       .arg(move->maximumWidth())));
}

void TestTranslationFiles::dialogsHoldTheirTexts()
{
    QFETCH(QString, code);

    QTranslator translator;
    QVERIFY(translator.load(compiledPath(code)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QStringList problems;
    {
        DLSetting settings;
        problems << overflowingTexts(&settings);
        CLanguageSetting language;
        problems << overflowingTexts(&language);
        CUpdateNotifier notifier;
        problems << overflowingTexts(&notifier);
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

DIMLET_TEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
