#include "testsupport.h"

#include "settings/clanguagesetting.h"

#include <QComboBox>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestTranslationFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir work;

private slots:
    // Copies brought up to date with the code: unused texts dropped, new ones come unfinished.
    void initTestCase()
    {
        const QString lupdate = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate";
        if (!QFile::exists(lupdate))
            QSKIP("lupdate is not installed");
        QStringList arguments = QString(DIMLET_SOURCE_DIR_LIST).split(',');
        arguments.replaceInStrings(QRegularExpression("^"), DIMLET_SOURCE_DIR "/");
        arguments += {"-no-obsolete", "-silent", "-ts"};
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

    // Every text finished (unfinished ones carry a type), keeping placeholders and outer blanks.
    void everyOfferedLanguage()
    {
        QFETCH(QString, code);
        QFile file(work.filePath("dimlet_" + code + ".ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
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
        for (auto it = message.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString source = m.captured(1), found = m.captured(3);
            QVERIFY2(m.captured(2).isEmpty() && !found.trimmed().isEmpty()
                    && (frame(found) == frame(source) || source == "MoveEditFixSize"),
                qPrintable(source)); // the editor reads a number of its own from that text
            ++messages;
        }
        QVERIFY(messages > 50);
    }
};

DIMLET_TEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
