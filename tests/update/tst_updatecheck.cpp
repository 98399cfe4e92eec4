#include "testsupport.h"

#include "marks/marktest.h"
#include "update/ccheckupdatethread.h"
#include "update/csinglehttprequest.h"
#include "update/cupdatemgr.h"
#include "update/cupdatenotifier.h"

#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

// A minimal HTTP/1.1 server on 127.0.0.1 in the test's event loop; once a request's headers are
// in it answers with body, without a length when over the bound, so only the read bound refuses.
struct LocalHttpServer : QTcpServer
{
    QByteArray body;
    QList<QByteArray> requests; // the request lines

    LocalHttpServer()
    {
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [this, socket] {
                if (!socket->peek(1 << 16).contains("\r\n\r\n"))
                    return;
                requests << socket->readAll().split('\r').first();
                const QByteArray length = "Content-Length: " + QByteArray::number(body.size());
                socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n"
                    + (body.size() <= CSingleHttpRequest::maxReplySize ? length + "\r\n" : "")
                    + "\r\n" + body);
                socket->disconnectFromHost();
            });
        });
        listen(QHostAddress::LocalHost);
        qputenv("DIMLET_UPDATE_URL",
            QString("http://127.0.0.1:%1/update/dimlet.json").arg(serverPort()).toUtf8());
    }
};

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    // Any version other than the running one is offered, older ones too. Rows: body|version line|
    // notes (no offer without them). Qt's JSON parser leaks what a repeated key replaces, so such
    // bodies are never parsed; a key that only looks alike, or repeats in another object, is fine.
    void offer_data()
    {
        rows({R"(lower version|{"version":"0.9","date":"d","note":"a@<b>b</b>"})"
              "|0.9 , release at: d|a\n<b>b</b>",
            R"(key repeated after an array|{"note": [{"a":1}], "note": "x", "version": "2.0.0"})",
            "escaped key spelling version|{\"\\u0076ersion\":\"2\"}",
            R"(same key in two objects|{"version":"2","date":"d","x":{"version":"1.0.0"}})"
            "|2 , release at: d|"});
        const QString head = "{\"version\":\"2\",\"date\":\"d\",\"note\":\"",
                      notes(CSingleHttpRequest::maxReplySize - 36, 'n');
        QTest::newRow("at the size bound")
            << QStringList {head + notes + "\"}", "2 , release at: d", notes};
        QTest::newRow("one byte over the bound, without a length")
            << QStringList {head + notes + "n\"}"};
    }

    void offer()
    {
        QFETCH(QStringList, f);
        LocalHttpServer server;
        server.body = f[0].toUtf8();
        QStringList labels; // the offer's labels, and whether the notes are plain text
        const UpdateNotifierRunner previous = setUpdateNotifierRunner([&](CUpdateNotifier &n) {
            for (const char *name : {"curVerLabel", "newVerLabel", "changedLabel"})
                labels << n.findChild<QLabel *>(name)->text();
            labels << QString::number(n.findChild<QLabel *>("changedLabel")->textFormat());
        });
        CUpdateMgr::instance()->startCheck();
        // The worker deletes itself after its result has been queued ahead of the deletion.
        QTRY_VERIFY_WITH_TIMEOUT(!CUpdateMgr::instance()->findChild<CCheckUpdateThread *>(), 60000);
        setUpdateNotifierRunner(previous);
        QCOMPARE(server.requests, QList<QByteArray> {"GET /update/dimlet.json HTTP/1.1"});
        QCOMPARE(labels.join('|'),
            f.size() == 1 ? QString()
                          : "Application current version: 1.0.0|Latest version: "
                    + f.mid(1).join('|') + "|" + QString::number(Qt::PlainText));
    }

    // A check cancelled before its request begins sends nothing and hands back nothing.
    void cancelBeforeStart()
    {
        LocalHttpServer server;
        server.body = "{}";
        CCheckUpdateThread thread;
        QSignalSpy results(&thread, &CCheckUpdateThread::resultReady);
        thread.cancel();
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(thread.isFinished(), 60000);
        QCOMPARE(results, QList<QVariantList> {{QByteArray()}}); // not "{}"
    }

    // The real program, its update check waiting on a name lookup that takes 30 s and cannot be
    // cancelled (the preloaded lookup closes the window as it begins), still ends at once, cleanly.
    void closingDoesNotWaitForTheLookup()
    {
        qputenv("LD_PRELOAD", DIMLET_SLOW_LOOKUP);
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        qputenv("DIMLET_UPDATE_URL", "http://dimlet.invalid/update/dimlet.json");
        QProcess program;
        program.start(DIMLET_PROGRAM, QStringList());
        const bool ended = program.waitForFinished(10000);
        const QByteArray errors = program.readAllStandardError();
        QVERIFY2(ended && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0
                && !errors.contains("QThread"),
            errors.constData());
    }
};

DIMLET_TEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
