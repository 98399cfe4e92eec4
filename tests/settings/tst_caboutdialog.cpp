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
    // Every whole placeholder is replaced wherever it stands; half of one stays.
    void placeholders()
    {
        CAboutDialog dialog;
        dialog.setAppInfo(QStringLiteral("Dimlet"), QStringLiteral("1.0.0"));
        dialog.setContents("<p>#VERSION_NUMBER#|#NOW_YEARS#-#NOW_YEARS#|#BUILD_DATE#|"
                           "#FONT_SIZE#|#NOW_YEARS #BUILD_DATE</p>");
        const QString year = QString::number(QDate::currentDate().year());
        QCOMPARE(dialog.findChild<QTextBrowser *>()->toPlainText(),
            "1.0.0|" + year + '-' + year + "|2018-06-14|9|#NOW_YEARS #BUILD_DATE");
    }

    void contactButtonMailsWithSubject()
    {
        QList<QUrl> opened;
        const auto previous = setUrlOpener([&opened](const QUrl &url) { opened << url; });
        CAboutDialog dialog;
        dialog.findChild<QToolButton *>(QStringLiteral("contractButton"))->click();
        setUrlOpener(previous);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().scheme(), QStringLiteral("mailto"));
        QCOMPARE(QUrlQuery(opened.first()).queryItemValue("subject"), QStringLiteral("Dimlet"));
    }
};

DIMLET_TEST_MAIN(TestCAboutDialog)
#include "tst_caboutdialog.moc"
