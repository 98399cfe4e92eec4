#include "testsupport.h"

#include "localhttpserver.h"
#include "update/ccheckupdatethread.h"
#include "update/csinglehttprequest.h"
#include "update/cupdatemgr.h"
#include "update/cupdatenotifier.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <iostream>
#include <string>

namespace {
const char *const childMarker = "DIMLET_UPDATE_EXIT_CHILD";

QByteArray paddedDescription(qint64 size)
{
    const QByteArray head("{\"version\":\"2.0.0\",\"date\":\"d\",\"note\":\"");
    return head + QByteArray(size - head.size() - 2, 'n') + "\"}";
}
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

    // What the offer dialog showed: its three labels, and whether the notes are plain text.
    QStringList shown;
    UpdateNotifierRunner previousRunner;

private slots:
    void init()
    {
        shown.clear();
        previousRunner = setUpdateNotifierRunner([this](CUpdateNotifier &notifier) {
            for (const char *name : {"curVerLabel", "newVerLabel", "changedLabel"})
                shown << notifier.findChild<QLabel *>(name)->text();
            shown << QString::number(notifier.findChild<QLabel *>("changedLabel")->textFormat());
        });
    }
    void cleanup() { setUpdateNotifierRunner(previousRunner); }

    void offer_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("note");
        QTest::newRow("running version shows nothing")
            << QByteArray(R"({"version":"1.0.0","date":"2018-06-14","note":"same"})") << QString()
            << QString();
        QTest::newRow("lower version is offered")
            << QByteArray(R"({"version":"0.9.0","date":"2017-01-02","note":"older"})")
            << "Latest version: 0.9.0 , release at: 2017-01-02"
            << "older";
        QTest::newRow("empty version is offered")
            << QByteArray(R"({"version":"","date":"d"})") << "Latest version:  , release at: d"
            << "";
        QTest::newRow("one at sign gives two lines")
            << QByteArray(R"({"version":"1.1.0","date":"d","note":"first@second"})")
            << "Latest version: 1.1.0 , release at: d"
            << "first\nsecond";
        QTest::newRow("markup in the notes stays text")
            << QByteArray(R"({"version":"1.1.0","date":"d","note":"<b>x</b>"})")
            << "Latest version: 1.1.0 , release at: d"
            << "<b>x</b>";
        QTest::newRow("array shows nothing")
            << QByteArray(R"([{"version":"1.1.0"}])") << QString() << QString();
        QTest::newRow("no json shows nothing")
            << QByteArray("<html>1.1.0</html>") << QString() << QString();
        QTest::newRow("empty body shows nothing") << QByteArray() << QString() << QString();
        QTest::newRow("description at the size bound")
            << paddedDescription(CSingleHttpRequest::maxReplySize)
            << "Latest version: 2.0.0 , release at: d"
            << QString(CSingleHttpRequest::maxReplySize - 40, 'n');
        QTest::newRow("one byte over the size bound shows nothing")
            << paddedDescription(CSingleHttpRequest::maxReplySize + 1) << QString() << QString();
    }

    void offer()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, latest);
        QFETCH(QString, note);
        LocalHttpServer server;
        server.answerWith(description);
        qputenv("DIMLET_UPDATE_URL", server.url("/update/dimlet.json").toUtf8());
        CUpdateMgr::instance()->startCheck();
        QPointer<CCheckUpdateThread> thread
            = CUpdateMgr::instance()->findChild<CCheckUpdateThread *>();
        QVERIFY(thread);
        // The worker deletes itself after its result has been queued ahead of the deletion.
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);

        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests()[0], QByteArray("GET /update/dimlet.json HTTP/1.1"));
        QCOMPARE(shown,
            (latest.isNull() ? QStringList()
                             : QStringList {"Application current version: 1.0.0", latest, note,
                                 QString::number(Qt::PlainText)}));
    }

    // Run again as a child process that starts the check against an endpoint that never
    // answers and quits once the request has arrived: it must end cleanly, at once.
    void exitWhileEndpointHangs()
    {
        if (qEnvironmentVariableIsSet(childMarker)) {
            CUpdateMgr::instance()->startCheck();
            std::string line;
            std::getline(std::cin, line);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
            return;
        }
        LocalHttpServer server;
        server.hang();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(childMarker, "1");
        environment.insert("DIMLET_UPDATE_URL", server.url("/update/dimlet.json"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        server.onRequest([&child] { child.write("go\n"); });
        child.start(QCoreApplication::applicationFilePath(), {"exitWhileEndpointHangs"});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(child.state() == QProcess::NotRunning, 60000);

        const QString output = QString::fromLocal8Bit(child.readAll());
        QCOMPARE(server.requests().size(), 1);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            qPrintable(output));
        QVERIFY2(!output.contains("QThread") && !output.contains("QWARN"), qPrintable(output));
        QVERIFY2(output.contains("PASS   : TestUpdateCheck::exitWhileEndpointHangs"),
            qPrintable(output));
        QTRY_VERIFY(server.clientLeft());
    }
};

DIMLET_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
