#include "testsupport.h"

#include "deployment.h"
#include "localhttpserver.h"
#include "update/ccheckupdatethread.h"
#include "update/csinglehttprequest.h"
#include "update/cupdatemgr.h"
#include "update/cupdatenotifier.h"
#include "update/updateoffer.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

#include <iostream>
#include <string>

namespace {
const char *const childMarker = "DIMLET_UPDATE_EXIT_CHILD";

QStringList &caughtMessages()
{
    static QStringList messages;
    return messages;
}

QtMessageHandler previousHandler = nullptr;

void catchMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        caughtMessages() << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

QByteArray paddedDescription(qint64 size)
{
    QByteArray body("{\"version\":\"2.0.0\",\"date\":\"d\",\"note\":\"");
    return body + QByteArray(size - body.size() - 2, 'n') + "\"}";
}
} // namespace

struct ShownOffer
{
    QString current;
    QString latest;
    QString note;
};

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offersOnlyForAnotherVersion_data();
    void offersOnlyForAnotherVersion();
    void descriptionAddress_data();
    void descriptionAddress();
    void refusedAddressSendsNothing();
    void hangingEndpointDelaysNeitherStartNorQuit();
    void processExitsCleanlyWhileEndpointHangs();

private:
    QPointer<CCheckUpdateThread> startCheckAgainst(const QString &url);

    QList<ShownOffer> m_shown;
    QByteArray m_savedUrl;
    bool m_urlWasSet = false;
    UpdateNotifierRunner m_previousRunner;
};

void TestUpdateCheck::init()
{
    m_urlWasSet = qEnvironmentVariableIsSet("DIMLET_UPDATE_URL");
    m_savedUrl = qgetenv("DIMLET_UPDATE_URL");
    m_shown.clear();
    m_previousRunner = setUpdateNotifierRunner([this](CUpdateNotifier &notifier) {
        const auto text = [&notifier](const char *name) {
            const QLabel *label = notifier.findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<missing>");
        };
        m_shown << ShownOffer {text("curVerLabel"), text("newVerLabel"), text("changedLabel")};
    });
}

void TestUpdateCheck::cleanup()
{
    setUpdateNotifierRunner(m_previousRunner);
    if (m_urlWasSet)
        qputenv("DIMLET_UPDATE_URL", m_savedUrl);
    else
        qunsetenv("DIMLET_UPDATE_URL");
}

QPointer<CCheckUpdateThread> TestUpdateCheck::startCheckAgainst(const QString &url)
{
    qputenv("DIMLET_UPDATE_URL", url.toUtf8());
    CUpdateMgr::instance()->startCheck();
    return CUpdateMgr::instance()->findChild<CCheckUpdateThread *>();
}

void TestUpdateCheck::offersOnlyForAnotherVersion_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("note");

    QTest::newRow("running version shows nothing")
        << QByteArray(R"({"version":"1.0.0","date":"2018-06-14","note":"same"})") << false
        << QString() << QString();
    QTest::newRow("lower version is offered all the same")
        << QByteArray(R"({"version":"0.9.0","date":"2017-01-02","note":"older"})") << true
        << "Latest version: 0.9.0 , release at: 2017-01-02"
        << "older";
    QTest::newRow("higher version is offered")
        << QByteArray(R"({"version":"1.1.0","date":"2019-03-04","note":"newer"})") << true
        << "Latest version: 1.1.0 , release at: 2019-03-04"
        << "newer";
    QTest::newRow("version with a blank is not the running one")
        << QByteArray(R"({"version":"1.0.0 ","date":"d","note":""})") << true
        << "Latest version: 1.0.0  , release at: d" << QString();
    QTest::newRow("empty version is offered")
        << QByteArray(R"({"version":"","date":"2019-05-05","note":"n"})") << true
        << "Latest version:  , release at: 2019-05-05"
        << "n";
    QTest::newRow("object without version offers an empty version")
        << QByteArray(R"({"date":"2019-05-05"})") << true
        << "Latest version:  , release at: 2019-05-05" << QString();
    QTest::newRow("members of another type read as empty")
        << QByteArray(R"({"version":2,"date":["x"],"note":{"a":1}})") << true
        << "Latest version:  , release at: " << QString();
    QTest::newRow("one at sign splits the notes into two lines")
        << QByteArray(R"({"version":"1.1.0","date":"d","note":"first@second"})") << true
        << "Latest version: 1.1.0 , release at: d"
        << "first\nsecond";
    QTest::newRow("every at sign becomes a line break")
        << QByteArray(R"({"version":"1.1.0","date":"d","note":"@a@@b@"})") << true
        << "Latest version: 1.1.0 , release at: d"
        << "\na\n\nb\n";
    QTest::newRow("markup in the notes stays text")
        << QByteArray(R"({"version":"1.1.0","date":"d","note":"<b>x</b>"})") << true
        << "Latest version: 1.1.0 , release at: d"
        << "<b>x</b>";
    QTest::newRow("array shows nothing")
        << QByteArray(R"([{"version":"1.1.0"}])") << false << QString() << QString();
    QTest::newRow("text that is not json shows nothing")
        << QByteArray("<html>version 1.1.0</html>") << false << QString() << QString();
    QTest::newRow("truncated json shows nothing")
        << QByteArray(R"({"version":"1.1.0")") << false << QString() << QString();
    QTest::newRow("empty body shows nothing") << QByteArray() << false << QString() << QString();
    QTest::newRow("description at the size bound is offered")
        << paddedDescription(CSingleHttpRequest::maxReplySize) << true
        << "Latest version: 2.0.0 , release at: d"
        << QString(CSingleHttpRequest::maxReplySize - 40, QLatin1Char('n'));
    QTest::newRow("description over the size bound shows nothing") << paddedDescription(
        CSingleHttpRequest::maxReplySize + 1) << false << QString() << QString();
}

void TestUpdateCheck::offersOnlyForAnotherVersion()
{
    QFETCH(QByteArray, description);
    QFETCH(bool, offered);
    QFETCH(QString, latest);
    QFETCH(QString, note);

    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.answerWith(description);
    QPointer<CCheckUpdateThread> thread = startCheckAgainst(server.url("/update/dimlet.json"));
    QVERIFY(thread);
    // The worker deletes itself after the result has been queued ahead of the deletion.
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);

    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().method, QByteArray("GET"));
    QCOMPARE(server.requests().first().target, QByteArray("/update/dimlet.json"));
    QCOMPARE(m_shown.size(), offered ? 1 : 0);
    if (offered) {
        QCOMPARE(m_shown.first().current, QStringLiteral("Application current version: 1.0.0"));
        QCOMPARE(m_shown.first().latest, latest);
        QCOMPARE(m_shown.first().note, note);
    }
}

void TestUpdateCheck::descriptionAddress_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    const QString configured = QStringLiteral(DIMLET_DEFAULT_UPDATE_URL);
    QTest::newRow("unset uses the configured address") << false << QString() << configured;
    QTest::newRow("empty uses the configured address") << true << QString() << configured;
    QTest::newRow("environment overrides") << true << "http://127.0.0.1:8/update/dimlet.json"
                                           << "http://127.0.0.1:8/update/dimlet.json";
    QTest::newRow("https is accepted") << true << "https://127.0.0.1:8/u.json"
                                       << "https://127.0.0.1:8/u.json";
    QTest::newRow("local file is refused") << true << "file:///etc/hostname" << QString();
    QTest::newRow("other scheme is refused") << true << "ftp://127.0.0.1/u.json" << QString();
    QTest::newRow("plain path is refused") << true << "/etc/hostname" << QString();
}

void TestUpdateCheck::descriptionAddress()
{
    QFETCH(bool, set);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    if (set)
        qputenv("DIMLET_UPDATE_URL", value.toUtf8());
    else
        qunsetenv("DIMLET_UPDATE_URL");
    QCOMPARE(updateDescriptionUrl(), expected);
}

void TestUpdateCheck::refusedAddressSendsNothing()
{
    LocalHttpServer server;
    server.answerWith(R"({"version":"1.1.0"})");
    // The same endpoint under a scheme the check refuses.
    QString url = server.url("/update/dimlet.json");
    url.replace(0, 4, QStringLiteral("ftp"));
    QPointer<CCheckUpdateThread> thread = startCheckAgainst(url);
    QVERIFY(thread);
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);
    QCOMPARE(server.connectionCount(), 0);
    QVERIFY(m_shown.isEmpty());
}

void TestUpdateCheck::hangingEndpointDelaysNeitherStartNorQuit()
{
    LocalHttpServer server;
    server.hang();
    caughtMessages().clear();
    previousHandler = qInstallMessageHandler(catchMessages);

    QPointer<CCheckUpdateThread> thread = startCheckAgainst(server.url("/update/dimlet.json"));
    QVERIFY(thread);
    QVERIFY(thread->isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 20000);
    QVERIFY(thread);
    QVERIFY(thread->isRunning());

    // Runs after the check's own handler, which was connected first.
    bool finishedAtQuit = false;
    QMetaObject::Connection probe = connect(qApp, &QCoreApplication::aboutToQuit, this,
        [&] { finishedAtQuit = thread && thread->isFinished(); });
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    disconnect(probe);

    QVERIFY(finishedAtQuit);
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(server.clientLeft(), 20000);
    qInstallMessageHandler(previousHandler);
    QVERIFY2(caughtMessages().isEmpty(), qPrintable(caughtMessages().join(QLatin1Char('\n'))));
    QVERIFY(m_shown.isEmpty());
}

void TestUpdateCheck::processExitsCleanlyWhileEndpointHangs()
{
    if (qEnvironmentVariableIsSet(childMarker)) {
        // The child: start the check, and quit once the parent reports the request hanging.
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
    environment.insert(QLatin1String(childMarker), QStringLiteral("1"));
    environment.insert(QStringLiteral("DIMLET_UPDATE_URL"), server.url("/update/dimlet.json"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    server.onRequest([&child] { child.write("go\n"); });

    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    QSignalSpy finished(&child, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("processExitsCleanlyWhileEndpointHangs")});
    QVERIFY(child.waitForStarted());
    QVERIFY(finished.wait(60000));

    const QString output = QString::fromLocal8Bit(child.readAll());
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, qPrintable(output));
    QVERIFY2(!output.contains(QLatin1String("QThread")), qPrintable(output));
    QVERIFY2(!output.contains(QLatin1String("QWARN")), qPrintable(output));
    QVERIFY2(output.contains(QLatin1String("PASS   : TestUpdateCheck::processExitsCleanly")),
        qPrintable(output));
}

DIMLET_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
