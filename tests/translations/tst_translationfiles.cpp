#include "testsupport.h"

#include "settings/clanguagesetting.h"

#include <QComboBox>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
// The placeholders and the blanks at either end, which a translation must keep.
QStringList frame(const QString &text)
{
    QStringList parts;
    auto it = QRegularExpression("%L?\\d+|^\\s+|\\s+$").globalMatch(text);
    while (it.hasNext())
        parts << it.next().captured();
    parts.sort();
    parts.removeDuplicates();
    return parts;
}
} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir work;

private slots:
    // Copies of the translations brought up to date with the code: texts the code no longer
    // uses are dropped, new ones come in unfinished.
    void initTestCase()
    {
        const QString lupdate = QStandardPaths::findExecutable(
            "lupdate", {QLibraryInfo::location(QLibraryInfo::BinariesPath)});
        if (lupdate.isEmpty())
            QSKIP("lupdate is not installed");
        QStringList arguments;
        for (const QString &dir : QString(DIMLET_SOURCE_DIR_LIST).split(','))
            arguments << DIMLET_SOURCE_DIR "/" + dir;
        arguments << "-no-obsolete"
                  << "-silent"
                  << "-ts";
        const QDir sources(DIMLET_SOURCE_DIR "/translations");
        for (const QString &ts : sources.entryList({"*.ts"})) {
            QVERIFY(QFile::copy(sources.filePath(ts), work.filePath(ts)));
            arguments << work.filePath(ts);
        }
        QCOMPARE(QProcess::execute(lupdate, arguments), 0);
    }

    void everyOfferedLanguage_data()
    {
        QTest::addColumn<QString>("code");
        CLanguageSetting dialog;
        const auto *list = dialog.findChild<QComboBox *>("langList");
        for (int i = 0; i < list->count(); ++i)
            QTest::newRow(qPrintable(list->itemData(i).toString())) << list->itemData(i).toString();
    }

    // Every source text is finished in every language, placeholders and outer blanks kept.
    void everyOfferedLanguage()
    {
        QFETCH(QString, code);
        QFile file(work.filePath("dimlet_" + code + ".ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpression message("<source>(.*?)</source>\\s*<translation(.*?)>(.*?)<",
            QRegularExpression::DotMatchesEverythingOption);
        int messages = 0;
        for (auto it = message.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString source = m.captured(1), found = m.captured(3);
            ++messages;
            // An unfinished translation carries a type.
            QVERIFY2(m.captured(2).isEmpty() && !found.trimmed().isEmpty(), qPrintable(source));
            // The editor reads a number of its own from this text.
            QVERIFY2(source == "MoveEditFixSize" || frame(found) == frame(source),
                qPrintable(source + " loses a placeholder or a blank"));
        }
        QVERIFY(messages > 50);
    }
};

DIMLET_TEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
