#include "testsupport.h"

#include "settings/clanguagesetting.h"

#include <QComboBox>
#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {
struct Message
{
    QString context, source, comment, translation, type;
    QString key() const { return context + QChar(0) + source + QChar(0) + comment; }
};

QHash<QString, Message> readTs(const QString &path)
{
    QHash<QString, Message> messages;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages.insert(m.key(), m);
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == "message")
            m = Message {context, {}, {}, {}, {}};
        else if (name == "translation")
            m.type = xml.attributes().value(QLatin1String("type")).toString();
        QString *field = name == "name" ? &context
            : name == "source"          ? &m.source
            : name == "comment"         ? &m.comment
            : name == "translation"     ? &m.translation
                                        : nullptr;
        if (field)
            *field = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return messages;
}

// The placeholders and the blanks around a text, which a translation must keep.
QString frame(const QString &text)
{
    QStringList markers;
    auto it = QRegularExpression(QStringLiteral("%L?\\d+")).globalMatch(text);
    while (it.hasNext())
        markers << it.next().captured();
    markers.sort();
    markers.removeDuplicates();
    const auto blanks = QRegularExpression(
        QStringLiteral("^(\\s*).*?(\\s*)$"), QRegularExpression::DotMatchesEverythingOption)
                            .match(text);
    return markers.join(' ') + '|' + blanks.captured(1) + '|' + blanks.captured(2);
}

QString tsPath(const QString &code)
{
    return QStringLiteral(DIMLET_SOURCE_DIR "/translations/dimlet_%1.ts").arg(code);
}
} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT
    QHash<QString, Message> current; // every source text the code uses, found by lupdate
    QTemporaryDir work;

private slots:
    void initTestCase()
    {
        QString lupdate = QStandardPaths::findExecutable(
            QStringLiteral("lupdate"), {QLibraryInfo::location(QLibraryInfo::BinariesPath)});
        if (lupdate.isEmpty())
            lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
        if (lupdate.isEmpty())
            QSKIP("lupdate is not installed");
        QStringList arguments;
        for (const QString &dir : QStringLiteral(DIMLET_SOURCE_DIR_LIST).split(','))
            arguments << QStringLiteral(DIMLET_SOURCE_DIR "/") + dir;
        arguments << "-ts" << work.filePath("current.ts") << "-locations"
                  << "none"
                  << "-silent";
        QCOMPARE(QProcess::execute(lupdate, arguments), 0);
        current = readTs(work.filePath("current.ts"));
        QVERIFY(current.size() > 50);
    }

    void everyOfferedLanguage_data()
    {
        QTest::addColumn<QString>("code");
        CLanguageSetting dialog;
        const auto *list = dialog.findChild<QComboBox *>(QStringLiteral("langList"));
        for (int i = 0; i < list->count(); ++i)
            QTest::newRow(qPrintable(list->itemData(i).toString())) << list->itemData(i).toString();
    }

    // Every source text is finished in every language, placeholders and outer blanks kept.
    void everyOfferedLanguage()
    {
        QFETCH(QString, code);
        const QHash<QString, Message> ts = readTs(tsPath(code));
        QStringList problems;
        for (const Message &wanted : current) {
            const Message found = ts.value(wanted.key());
            if (!found.type.isEmpty() || found.translation.trimmed().isEmpty())
                problems << wanted.source + " is not translated";
            else if (wanted.source != "MoveEditFixSize"
                && frame(found.translation) != frame(wanted.source))
                problems << wanted.source + " loses a placeholder or a blank";
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

DIMLET_TEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
