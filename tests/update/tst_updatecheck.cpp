#include "testsupport.h"

#include "update/ccheckupdatethread.h"
#include "update/csinglehttprequest.h"
#include "update/cupdatemgr.h"
#include "update/cupdatenotifier.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <iostream>

namespace {
// A minimal HTTP/1.1 server on 127.0.0.1 in the test's event loop. Every request gets body,
// without a length when it is over the bound, so only the read bound can refuse it; while
// hang is set, no answer at all.
struct LocalHttpServer : QTcpServer
{
    QByteArray body;
    bool hang = false;
    QList<QByteArray> requests; // the request lines
    std::function<void()> onRequest = [] {};

    LocalHttpServer()
    {
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [this, socket] {
                // The check sends no body, so its request ends with the headers.
                const QByteArray request = socket->property("r").toByteArray() + socket->readAll();
                socket->setProperty("r", request);
                if (!request.endsWith("\r\n\r\n"))
                    return;
                requests << request.left(request.indexOf("\r\n"));
                if (!hang) {
                    const QByteArray length = "Content-Length: " + QByteArray::number(body.size());
                    socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n"
                        + (body.size() <= CSingleHttpRequest::maxReplySize ? length + "\r\n" : "")
                        + "\r\n" + body);
                    socket->disconnectFromHost();
                }
                onRequest();
            });
        });
        listen(QHostAddress::LocalHost);
    }
    QString url() const
    {
        return QString("http://127.0.0.1:%1/update/dimlet.json").arg(serverPort());
    }
};

QByteArray paddedDescription(qint64 size)
{
    const QByteArray head("{\"version\":\"2.0.0\",\"date\":\"d\",\"note\":\"");
    return head + QByteArray(size - head.size() - 2, 'n') + "\"}";
}
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

    QStringList shown; // the offer's three labels, and whether the notes are plain text
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

    // Any version other than the running one is offered, older ones too.
    void offer_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("latest"); // null: no offer
        QTest::addColumn<QString>("note");
        const auto row
            = [](const char *name, const QByteArray &body, const QString &latest = {},
                  const QString &note = {}) { QTest::newRow(name) << body << latest << note; };
        const QString v2 = "Latest version: 2.0.0 , release at: d";
        row("running version shows nothing", R"({"version":"1.0.0","date":"d","note":"same"})");
        row("lower version is offered", R"({"version":"0.9.0","date":"2017-01-02","note":"old"})",
            "Latest version: 0.9.0 , release at: 2017-01-02", "old");
        row("no version is offered as an empty one", R"({"date":"d"})",
            "Latest version:  , release at: d", "");
        row("one at sign gives two lines", R"({"version":"1.1","date":"d","note":"a@<b>b</b>"})",
            "Latest version: 1.1 , release at: d", "a\n<b>b</b>");
        row("array shows nothing", R"([{"version":"1.1.0"}])");
        row("no json shows nothing", "<html>1.1.0</html>");
        // Qt's JSON parser leaks what a repeated key replaces, so such bodies are never parsed;
        // keys that only look alike, or repeat in another object, are no repeat.
        row("key repeated after an object is refused",
            R"({"note":{"a":1},"note":"x","version":"2.0.0"})");
        row("escaped key spelling version is refused", "{\"\\u0076ersion\":\"2.0.0\"}");
        row("same key in two objects is offered",
            R"({"version":"2.0.0","date":"d","x":{"version":"1.0.0","date":1}})", v2, "");
        row("description at the size bound", paddedDescription(CSingleHttpRequest::maxReplySize),
            v2, QString(CSingleHttpRequest::maxReplySize - 40, 'n'));
        row("one byte over the size bound, without a length, shows nothing",
            paddedDescription(CSingleHttpRequest::maxReplySize + 1));
    }

    void offer()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, latest);
        QFETCH(QString, note);
        LocalHttpServer server;
        server.body = description;
        qputenv("DIMLET_UPDATE_URL", server.url().toUtf8());
        CUpdateMgr::instance()->startCheck();
        QPointer<CCheckUpdateThread> thread
            = CUpdateMgr::instance()->findChild<CCheckUpdateThread *>();
        QVERIFY(thread);
        // The worker deletes itself after its result has been queued ahead of the deletion.
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 60000);
        QCOMPARE(server.requests, QList<QByteArray> {"GET /update/dimlet.json HTTP/1.1"});
        const QStringList offered {
            "Application current version: 1.0.0", latest, note, QString::number(Qt::PlainText)};
        QCOMPARE(shown, latest.isNull() ? QStringList() : offered);
    }

    // Run again as a child process that starts the check against an endpoint that never
    // answers and quits once the request has arrived: it must end cleanly, at once.
    void exitWhileEndpointHangs()
    {
        if (qEnvironmentVariableIsSet("DIMLET_UPDATE_EXIT_CHILD")) {
            CUpdateMgr::instance()->startCheck();
            std::cin.get();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
            return;
        }
        LocalHttpServer server;
        server.hang = true;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DIMLET_UPDATE_EXIT_CHILD", "1");
        environment.insert("DIMLET_UPDATE_URL", server.url());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        server.onRequest = [&child] { child.write("go\n"); };
        child.start(QCoreApplication::applicationFilePath(), {"exitWhileEndpointHangs"});
        QTRY_VERIFY_WITH_TIMEOUT(child.state() == QProcess::NotRunning, 60000);
        const QString output = QString::fromLocal8Bit(child.readAll());
        QCOMPARE(server.requests.size(), 1);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
                && !output.contains("QThread") && !output.contains("QWARN")
                && output.contains("PASS   : TestUpdateCheck::exitWhileEndpointHangs"),
            qPrintable(output));
    }
};

DIMLET_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
