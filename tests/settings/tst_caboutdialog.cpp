#include "testsupport.h"

#include "settings/caboutdialog.h"
#include "settings/helpers.h"

#include <QDate>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrlQuery>

class TestCAboutDialog : public QObject
{
    Q_OBJECT
private slots:
    void placeholders_data()
    {
        QTest::addColumn<QString>("html"); // "{year}" in the shown text is the current year
        QTest::addColumn<QString>("shown");
        QTest::newRow("every occurrence") << "#NOW_YEARS#-#NOW_YEARS# #BUILD_DATE##BUILD_DATE#"
                                          << "{year}-{year} 2018-06-142018-06-14";
        QTest::newRow("half a placeholder stays") << "#NOW_YEARS #BUILD_DATE"
                                                  << "#NOW_YEARS #BUILD_DATE";
        QTest::newRow("no placeholders: unchanged") << "100% of #1, no tags."
                                                    << "100% of #1, no tags.";
        QTest::newRow("the page's own template") << ""
                                                 << "Version: 1.0.0";
    }

    void placeholders()
    {
        QFETCH(QString, html);
        QFETCH(QString, shown);
        const QString year = QString::number(QDate::currentDate().year());
        CAboutDialog dialog;
        dialog.setAppInfo(QStringLiteral("Dimlet"), QStringLiteral("1.0.0"));
        if (html.isEmpty()) {
            dialog.setContents(readTextFile(QStringLiteral(":/DL/res/about_contents.html")));
            const QString text = dialog.findChild<QTextBrowser *>()->toPlainText();
            QVERIFY(QString(text)
                        .replace(QChar::LineSeparator, '\n')
                        .startsWith(shown + "\nBuild Date: 2018-06-14"));
            QCOMPARE(text.count(year), 2);
            QVERIFY(!text.contains('#'));
        } else {
            dialog.setContents(QStringLiteral("<p>%1</p>").arg(html));
            QCOMPARE(dialog.findChild<QTextBrowser *>()->toPlainText(),
                shown.replace(QLatin1String("{year}"), year));
        }
    }

    void contactButtonMailsWithSubject()
    {
        QList<QUrl> opened;
        setUrlOpener([&opened](const QUrl &url) { opened << url; });
        CAboutDialog dialog;
        QTest::mouseClick(
            dialog.findChild<QToolButton *>(QStringLiteral("contractButton")), Qt::LeftButton);
        setUrlOpener({});
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().scheme(), QStringLiteral("mailto"));
        QCOMPARE(QUrlQuery(opened.first()).queryItemValue("subject"), QStringLiteral("Dimlet"));
    }
};

DIMLET_TEST_MAIN(TestCAboutDialog)
#include "tst_caboutdialog.moc"
