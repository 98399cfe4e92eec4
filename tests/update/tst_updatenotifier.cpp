#include "testsupport.h"

#include "deployment.h"
#include "settings/preferences.h"
#include "update/cupdatenotifier.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>

namespace {
// Marks every text looked up in the dialog's context, so tests can tell which texts
// pass through translation.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "CUpdateNotifier") != 0)
            return QString();
        return QStringLiteral("[") + QString::fromUtf8(sourceText) + QStringLiteral("]");
    }
};

QString textOf(const QWidget &dialog, const QString &name)
{
    if (const auto *label = dialog.findChild<QLabel *>(name))
        return label->text();
    if (const auto *button = dialog.findChild<QPushButton *>(name))
        return button->text();
    return QStringLiteral("<missing %1>").arg(name);
}
} // namespace

class TestUpdateNotifier : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void recordUrl(const QUrl &url) { m_openedUrls << url; }

private slots:
    void init();
    void cleanup();
    void formWidgets_data();
    void formWidgets();
    void windowProperties();
    void texts_data();
    void texts();
    void versionLine_data();
    void versionLine();
    void notesAreShownAsPlainText_data();
    void notesAreShownAsPlainText();
    void buttons_data();
    void buttons();
    void remindLaterUsesTheDefaultStore();

private:
    QList<QUrl> m_openedUrls;
};

void TestUpdateNotifier::init()
{
    m_openedUrls.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "recordUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
    QSettings().remove(QStringLiteral("_keyUpdateReject"));
}

void TestUpdateNotifier::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestUpdateNotifier::formWidgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("container") << "widget"
                               << "QWidget" << QRect(0, 0, 520, 340);
    QTest::newRow("current version") << "curVerLabel"
                                     << "QLabel" << QRect(20, 10, 480, 16);
    QTest::newRow("latest version") << "newVerLabel"
                                    << "QLabel" << QRect(20, 40, 480, 16);
    QTest::newRow("question") << "askLabel"
                              << "QLabel" << QRect(20, 304, 231, 16);
    QTest::newRow("notes") << "changedLabel"
                           << "QLabel" << QRect(20, 80, 480, 190);
    QTest::newRow("yes") << "yesButton"
                         << "QPushButton" << QRect(426, 300, 81, 32);
    QTest::newRow("later") << "laterButton"
                           << "QPushButton" << QRect(160, 300, 123, 32);
    QTest::newRow("close") << "closeButton"
                           << "QPushButton" << QRect(350, 300, 77, 32);
}

void TestUpdateNotifier::formWidgets()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);

    CUpdateNotifier dialog(nullptr);
    const QWidget *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->geometry(), geometry);
    const QString parentName = name == QLatin1String("widget") ? QStringLiteral("CUpdateNotifier")
                                                               : QStringLiteral("widget");
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
}

void TestUpdateNotifier::windowProperties()
{
    CUpdateNotifier dialog(nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("CUpdateNotifier"));
    QVERIFY(!dialog.parent());
    QCOMPARE(int(dialog.windowFlags()), 0x2001001);
    QCOMPARE(dialog.size(), QSize(520, 340));
    QCOMPARE(dialog.minimumSize(), QSize(520, 340));
    QCOMPARE(dialog.maximumSize(), QSize(520, 340));
    QCOMPARE(dialog.styleSheet(),
        QStringLiteral(".QWidget {background-color:rgb(40,43,53);}\n"
                       ".QLabel {color : white;font-size: 13px;}\n"
                       ".QPushButton {font-size: 12px;}\n"));

    const auto *notes = dialog.findChild<QLabel *>(QStringLiteral("changedLabel"));
    QVERIFY(notes);
    QCOMPARE(notes->lineWidth(), 0);
    QCOMPARE(notes->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask),
        Qt::AlignLeft | Qt::AlignTop);
}

void TestUpdateNotifier::texts_data()
{
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("expected"); // cur, ask, yes, later, close

    QTest::newRow("source texts") << false << "Update "
                                  << QStringList {"Application current version: 1.0.0",
                                         "Update application ?", "YES", "Remind Later", "Close"};
    QTest::newRow("only title and buttons are translated")
        << true << "[Update ]"
        << QStringList {"Application current version: 1.0.0", "Update application ?", "[YES]",
               "[Remind Later]", "[Close]"};
}

void TestUpdateNotifier::texts()
{
    QFETCH(bool, translated);
    QFETCH(QString, title);
    QFETCH(QStringList, expected);

    MarkingTranslator translator;
    if (translated)
        QVERIFY(qApp->installTranslator(&translator));
    CUpdateNotifier dialog(nullptr);
    dialog.setVersionInfo(QStringLiteral("2.0.0"), QStringLiteral("2019-01-01"));
    qApp->removeTranslator(&translator);

    QCOMPARE(dialog.windowTitle(), title);
    const QStringList names {"curVerLabel", "askLabel", "yesButton", "laterButton", "closeButton"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(textOf(dialog, names[i]), expected[i]);
    QCOMPARE(textOf(dialog, "newVerLabel"),
        QStringLiteral("Latest version: 2.0.0 , release at: 2019-01-01"));
}

void TestUpdateNotifier::versionLine_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both filled") << "1.1.0"
                                 << "2019-03-04"
                                 << "Latest version: 1.1.0 , release at: 2019-03-04";
    QTest::newRow("empty version") << ""
                                   << "2019-03-04"
                                   << "Latest version:  , release at: 2019-03-04";
    QTest::newRow("both empty") << ""
                                << ""
                                << "Latest version:  , release at: ";
    QTest::newRow("placeholder in the version is not expanded again")
        << "%2"
        << "d"
        << "Latest version: %2 , release at: d";
    QTest::newRow("placeholder in the date stays") << "v"
                                                   << "%1"
                                                   << "Latest version: v , release at: %1";
}

void TestUpdateNotifier::versionLine()
{
    QFETCH(QString, version);
    QFETCH(QString, date);
    QFETCH(QString, expected);
    CUpdateNotifier dialog(nullptr);
    QCOMPARE(textOf(dialog, "newVerLabel"), QString());
    dialog.setVersionInfo(version, date);
    QCOMPARE(textOf(dialog, "newVerLabel"), expected);
}

void TestUpdateNotifier::notesAreShownAsPlainText_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("bold tag") << "<b>bold</b> and <i>italic</i>";
    QTest::newRow("link") << "<a href=\"http://127.0.0.1/\">here</a>";
    QTest::newRow("entity") << "<p>&lt;tag&gt; &amp; more</p>";
    QTest::newRow("two lines") << "first\nsecond";
}

void TestUpdateNotifier::notesAreShownAsPlainText()
{
    QFETCH(QString, note);
    CUpdateNotifier dialog(nullptr);
    auto *notes = dialog.findChild<QLabel *>(QStringLiteral("changedLabel"));
    QVERIFY(notes);
    dialog.setNote(note);
    QCOMPARE(notes->text(), note);
    QCOMPARE(notes->textFormat(), Qt::PlainText);

    // Rendered as markup, the tags would vanish and the line would be narrower than
    // the literal text.
    notes->setWordWrap(false);
    const QFontMetrics metrics(notes->font());
    const QString firstLine = note.section(QLatin1Char('\n'), 0, 0);
    QVERIFY(notes->sizeHint().width() >= metrics.horizontalAdvance(firstLine));
}

void TestUpdateNotifier::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("opensDownloadPage");
    QTest::addColumn<bool>("storesReject");

    QTest::newRow("yes opens the download page") << "yesButton" << true << false;
    QTest::newRow("remind later stores the choice") << "laterButton" << false << true;
    QTest::newRow("close only closes") << "closeButton" << false << false;
}

void TestUpdateNotifier::buttons()
{
    QFETCH(QString, button);
    QFETCH(bool, opensDownloadPage);
    QFETCH(bool, storesReject);

    CUpdateNotifier dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *pushButton = dialog.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QTest::mouseClick(pushButton, Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_openedUrls,
        opensDownloadPage ? QList<QUrl> {QUrl(QStringLiteral(DIMLET_DOWNLOAD_URL))}
                          : QList<QUrl>());
    QCOMPARE(QSettings().value(QStringLiteral("_keyUpdateReject")).toBool(), storesReject);
}

void TestUpdateNotifier::remindLaterUsesTheDefaultStore()
{
    // Make sure preferences.ini exists, so that a stray write into it would show.
    writePreference(PrefKey::MarkColor, 3);
    const QString preferences = QFileInfo(preferencesFilePath()).absoluteFilePath();
    QVERIFY(QFileInfo::exists(preferences));

    CUpdateNotifier dialog(nullptr);
    dialog.findChild<QPushButton *>(QStringLiteral("laterButton"))->click();

    const QSettings store;
    QVERIFY(store.contains(QStringLiteral("_keyUpdateReject")));
    QCOMPARE(store.value(QStringLiteral("_keyUpdateReject")).toBool(), true);
    QVERIFY(QFileInfo::exists(store.fileName()));
    QVERIFY(QFileInfo(store.fileName()).absoluteFilePath() != preferences);

    QSettings preferenceFile(preferences, QSettings::IniFormat);
    QVERIFY(!preferenceFile.contains(QStringLiteral("_keyUpdateReject")));
    QCOMPARE(preferenceFile.value(PrefKey::MarkColor).toInt(), 3);
}

DIMLET_TEST_MAIN(TestUpdateNotifier)
#include "tst_updatenotifier.moc"
