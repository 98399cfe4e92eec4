#include "testsupport.h"

#include "deployment.h"
#include "settings/caboutdialog.h"
#include "settings/helpers.h"

#include <QDate>
#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrlQuery>

namespace {
QTextBrowser *page(CAboutDialog &dialog)
{
    return dialog.findChild<QTextBrowser *>(QStringLiteral("aboutContents"));
}

QString thisYear()
{
    return QString::number(QDate::currentDate().year());
}
} // namespace

class TestCAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placeholders_data();
    void placeholders();
    void pageTemplate();
    void toolkitLink();
    void appInfo();
    void linkButtons_data();
    void linkButtons();

private:
    QList<QUrl> opened;
};

void TestCAboutDialog::init()
{
    opened.clear();
    setUrlOpener([this](const QUrl &url) { opened << url; });
}

void TestCAboutDialog::cleanup()
{
    setUrlOpener({});
}

void TestCAboutDialog::placeholders_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("shown");

    // {year} in the expected text stands for the current year.
    QTest::newRow("each placeholder") << "1.0.0"
                                      << "#VERSION_NUMBER#|#NOW_YEARS#|#BUILD_DATE#|#FONT_SIZE#"
                                      << "1.0.0|{year}|2018-06-14|9";
    QTest::newRow("year twice") << "1.0.0"
                                << "2014-#NOW_YEARS#, (C) #NOW_YEARS#"
                                << "2014-{year}, (C) {year}";
    QTest::newRow("every placeholder repeated")
        << "2.3.4"
        << "#VERSION_NUMBER##VERSION_NUMBER# #BUILD_DATE##BUILD_DATE# #FONT_SIZE##FONT_SIZE#"
        << "2.3.42.3.4 2018-06-142018-06-14 99";
    QTest::newRow("placeholders are case-sensitive") << "1.0.0"
                                                     << "#now_years# #Version_Number# #font_size#"
                                                     << "#now_years# #Version_Number# #font_size#";
    QTest::newRow("half a placeholder stays") << "1.0.0"
                                              << "#NOW_YEARS #BUILD_DATE"
                                              << "#NOW_YEARS #BUILD_DATE";
    QTest::newRow("no placeholders") << "1.0.0"
                                     << "Plain text: 100% of #1, no hash tags."
                                     << "Plain text: 100% of #1, no hash tags.";
    QTest::newRow("version before setAppInfo is empty") << QString() << "Version: #VERSION_NUMBER#."
                                                        << "Version: .";
}

void TestCAboutDialog::placeholders()
{
    QFETCH(QString, version);
    QFETCH(QString, html);
    QFETCH(QString, shown);

    CAboutDialog dialog;
    if (!version.isNull())
        dialog.setAppInfo(QStringLiteral("Dimlet"), version);
    dialog.setContents(QStringLiteral("<p>%1</p>").arg(html));
    QCOMPARE(page(dialog)->toPlainText(), shown.replace(QLatin1String("{year}"), thisYear()));
}

void TestCAboutDialog::pageTemplate()
{
    const QString html = readTextFile(QStringLiteral(":/DL/res/about_contents.html"));
    QVERIFY(html.contains(QLatin1String("<meta name=\"qrichtext\" content=\"1\" />")));
    QCOMPARE(html.count(QLatin1String("#NOW_YEARS#")), 2);

    CAboutDialog dialog;
    dialog.setAppInfo(QStringLiteral("Dimlet"), QStringLiteral("1.0.0"));
    dialog.setContents(html);
    const QString text = page(dialog)->toPlainText();
    QVERIFY2(!text.contains(QLatin1Char('#')), qPrintable(text));

    const QStringList lines
        = text.split(QChar(QChar::LineSeparator)).join(QLatin1Char('\n')).split(QLatin1Char('\n'));
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines.at(0), QStringLiteral("Version: 1.0.0"));
    QCOMPARE(lines.at(1), QStringLiteral("Build Date: 2018-06-14"));
    QVERIFY2(lines.at(2).contains(QStringLiteral("2014-") + thisYear()), qPrintable(lines.at(2)));
    QVERIFY(lines.contains(QStringLiteral("Application use external library:")));
    QCOMPARE(text.count(thisYear()), 2);
    QVERIFY(text.contains(QLatin1String("The Qt Company Ltd.")));
    QVERIFY(text.contains(QLatin1String("GNU Lesser General Public License v.3")));

    const QTextCharFormat format = QTextCursor(page(dialog)->document()).charFormat();
    QCOMPARE(format.fontPointSize(), 9.0);
}

void TestCAboutDialog::toolkitLink()
{
    CAboutDialog dialog;
    dialog.setContents(readTextFile(QStringLiteral(":/DL/res/about_contents.html")));
    bool found = false;
    for (QTextBlock block = page(dialog)->document()->begin(); block.isValid();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor())
                continue;
            found = true;
            QCOMPARE(fragment.charFormat().anchorHref(), QStringLiteral("https://www.qt.io"));
            QCOMPARE(fragment.text(), QStringLiteral("https://www.qt.io"));
            QVERIFY(fragment.charFormat().fontUnderline());
            QCOMPARE(fragment.charFormat().foreground().color(), QColor(Qt::white));
        }
    }
    QVERIFY(found);
}

void TestCAboutDialog::appInfo()
{
    CAboutDialog dialog;
    auto *name = dialog.findChild<QLabel *>(QStringLiteral("appNameLabel"));
    QVERIFY(name && name->text().isEmpty());
    dialog.setAppInfo(QStringLiteral("Dimlet"), QStringLiteral("1.0.0"));
    QCOMPARE(name->text(), QStringLiteral("Dimlet"));

    // The link buttons are widened so the addresses fit; their left edges stay.
    auto *home = dialog.findChild<QToolButton *>(QStringLiteral("homeButton"));
    auto *contact = dialog.findChild<QToolButton *>(QStringLiteral("contractButton"));
    QCOMPARE(home->geometry(), QRect(80, 290, 151, 20));
    QCOMPARE(contact->geometry(), QRect(79, 310, 191, 20));
    QCOMPARE(home->text(), QStringLiteral(DIMLET_HOME_SHORT));
    QCOMPARE(contact->text(), QStringLiteral(DIMLET_CONTACT_EMAIL));
}

void TestCAboutDialog::linkButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QUrl>("url");

    QTest::newRow("home page") << "homeButton" << QUrl(QStringLiteral(DIMLET_HOME_URL));
    QTest::newRow("contact mail") << "contractButton"
                                  << QUrl(QStringLiteral(
                                         "mailto:" DIMLET_CONTACT_EMAIL "?subject=Dimlet"));
}

void TestCAboutDialog::linkButtons()
{
    QFETCH(QString, button);
    QFETCH(QUrl, url);

    CAboutDialog dialog;
    auto *target = dialog.findChild<QToolButton *>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first(), url);
    if (url.scheme() == QLatin1String("mailto")) {
        QCOMPARE(opened.first().path(), QStringLiteral(DIMLET_CONTACT_EMAIL));
        QCOMPARE(QUrlQuery(opened.first()).queryItemValue(QStringLiteral("subject")),
            QStringLiteral("Dimlet"));
    }
}

DIMLET_TEST_MAIN(TestCAboutDialog)
#include "tst_caboutdialog.moc"
