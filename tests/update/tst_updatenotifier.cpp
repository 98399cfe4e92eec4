#include "testsupport.h"

#include "deployment.h"
#include "settings/preferences.h"
#include "update/cupdatenotifier.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QSettings>

class TestUpdateNotifier : public QObject
{
    Q_OBJECT

    QList<QUrl> opened;

public:
    Q_INVOKABLE void recordUrl(const QUrl &url) { opened << url; }

private slots:
    void init()
    {
        opened.clear();
        QDesktopServices::setUrlHandler("http", this, "recordUrl");
        QDesktopServices::setUrlHandler("https", this, "recordUrl");
        QSettings().remove("_keyUpdateReject");
        // preferences.ini exists, so that a stray write into it would show.
        writePreference(PrefKey::MarkColor, 3);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("opensDownloadPage");
        QTest::addColumn<bool>("storesReject");
        QTest::newRow("YES opens the download page") << "yesButton" << true << false;
        QTest::newRow("Remind Later stores the choice in the default store")
            << "laterButton" << false << true;
        QTest::newRow("Close only closes") << "closeButton" << false << false;
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(bool, opensDownloadPage);
        QFETCH(bool, storesReject);
        CUpdateNotifier dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QCOMPARE(
            opened, opensDownloadPage ? QList<QUrl> {QUrl(DIMLET_DOWNLOAD_URL)} : QList<QUrl>());
        const QSettings store;
        QCOMPARE(store.value("_keyUpdateReject").toBool(), storesReject);
        QVERIFY(QFileInfo(store.fileName()).absoluteFilePath()
            != QFileInfo(preferencesFilePath()).absoluteFilePath());
        const QSettings preferences(preferencesFilePath(), QSettings::IniFormat);
        QCOMPARE(preferences.allKeys(), QStringList {PrefKey::MarkColor});
    }
};

DIMLET_TEST_MAIN(TestUpdateNotifier)
#include "tst_updatenotifier.moc"
