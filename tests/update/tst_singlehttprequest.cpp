#include "testsupport.h"

#include "localhttpserver.h"
#include "update/csinglehttprequest.h"

#include <QUrl>

using Params = QMap<QString, QString>;
Q_DECLARE_METATYPE(Params)

namespace {
// How a form handler reads a query: pairs split on "&", the name ends at the first "=",
// "+" stands for a blank, then percent escapes as UTF-8.
Params decodeForm(const QByteArray &text)
{
    Params result;
    if (text.isEmpty())
        return result;
    for (QByteArray pair : text.split('&')) {
        pair.replace('+', ' ');
        const int equals = pair.indexOf('=');
        const QByteArray name = equals < 0 ? pair : pair.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        result.insert(QUrl::fromPercentEncoding(name), QUrl::fromPercentEncoding(value));
    }
    return result;
}

QByteArray queryOf(const QByteArray &target)
{
    const int mark = target.indexOf('?');
    return mark < 0 ? QByteArray() : target.mid(mark + 1);
}
} // namespace

class TestSingleHttpRequest : public QObject
{
    Q_OBJECT

private slots:
    void sendsParameters_data();
    void sendsParameters();
    void returnsBodyWhateverTheStatus_data();
    void returnsBodyWhateverTheStatus();
    void unreachableHostGivesEmptyBody();
    void unknownMethodSendsNothing();
    void boundsTheReply_data();
    void boundsTheReply();
    void abortEndsPendingRequest();
    void abortBeforeRequestSkipsIt();
};

void TestSingleHttpRequest::sendsParameters_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<Params>("params");
    QTest::addColumn<QByteArray>("expectedTarget");
    QTest::addColumn<QByteArray>("expectedBody");

    const int get = CSingleHttpRequest::Get;
    const int post = CSingleHttpRequest::Post;
    QTest::newRow("get without parameters adds no question mark")
        << get << "/q" << Params() << QByteArray("/q") << QByteArray();
    QTest::newRow("get puts parameters in key order")
        << get << "/q" << Params {{"b", "2"}, {"a", "1"}} << QByteArray("/q?a=1&b=2")
        << QByteArray();
    QTest::newRow("get escapes delimiters and blanks inside values")
        << get << "/q" << Params {{"k", "x&y=z #"}} << QByteArray("/q?k=x%26y%3Dz%20%23")
        << QByteArray();
    QTest::newRow("get keeps plus and percent literal")
        << get << "/q" << Params {{"p", "1+1=2 100%"}} << QByteArray("/q?p=1%2B1%3D2%20100%25")
        << QByteArray();
    QTest::newRow("get keeps an escape-like text literal")
        << get << "/q" << Params {{"e", "%41"}} << QByteArray("/q?e=%2541") << QByteArray();
    QTest::newRow("get sends non-ascii as utf-8")
        << get << "/q" << Params {{QString::fromUtf8("größe"), QString::fromUtf8("é")}}
        << QByteArray("/q?gr%C3%B6%C3%9Fe=%C3%A9") << QByteArray();
    QTest::newRow("get appends to an existing query")
        << get << "/q?x=1" << Params {{"a", "1"}} << QByteArray("/q?x=1&a=1") << QByteArray();
    QTest::newRow("post sends the form in the body")
        << post << "/q" << Params {{"b", "2"}, {"a", "1 +"}} << QByteArray("/q")
        << QByteArray("a=1%20%2B&b=2");
    QTest::newRow("post without parameters sends an empty body")
        << post << "/q" << Params() << QByteArray("/q") << QByteArray();
}

void TestSingleHttpRequest::sendsParameters()
{
    QFETCH(int, method);
    QFETCH(QString, path);
    QFETCH(Params, params);
    QFETCH(QByteArray, expectedTarget);
    QFETCH(QByteArray, expectedBody);

    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.answerWith("ok");
    CSingleHttpRequest request(nullptr);
    QCOMPARE(request.request(server.url(path), params, method), QByteArray("ok"));

    QCOMPARE(server.requests().size(), 1);
    const ReceivedRequest &received = server.requests().first();
    QCOMPARE(received.method, QByteArray(method == CSingleHttpRequest::Post ? "POST" : "GET"));
    QCOMPARE(received.target, expectedTarget);
    QCOMPARE(received.body, expectedBody);
    if (method == CSingleHttpRequest::Post) {
        QCOMPARE(received.headers.value("content-type"),
            QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(decodeForm(received.body), params);
    } else {
        QVERIFY(!received.headers.contains("content-type"));
        Params sent = decodeForm(queryOf(received.target));
        sent.remove("x");
        QCOMPARE(sent, params);
    }
}

void TestSingleHttpRequest::returnsBodyWhateverTheStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("success") << 200 << QByteArray("{\"version\":\"1.1.0\"}");
    QTest::newRow("not found still returns its page") << 404 << QByteArray("missing");
    QTest::newRow("server error still returns its page") << 500 << QByteArray("broken");
    QTest::newRow("empty success") << 200 << QByteArray();
}

void TestSingleHttpRequest::returnsBodyWhateverTheStatus()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    LocalHttpServer server;
    server.answerWith(body, status);
    CSingleHttpRequest request(nullptr);
    QCOMPARE(request.request(server.url("/update/dimlet.json")), body);
}

void TestSingleHttpRequest::unreachableHostGivesEmptyBody()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    CSingleHttpRequest request(nullptr);
    QCOMPARE(request.request(QStringLiteral("http://127.0.0.1:%1/x").arg(port)), QByteArray());
}

void TestSingleHttpRequest::unknownMethodSendsNothing()
{
    LocalHttpServer server;
    server.answerWith("ok");
    CSingleHttpRequest request(nullptr);
    QCOMPARE(request.request(server.url("/q"), Params {{"a", "1"}}, 2), QByteArray());
    // A request that had gone out would have been answered "ok" before returning.
    QCOMPARE(server.connectionCount(), 0);
}

void TestSingleHttpRequest::boundsTheReply_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("kept");

    const qint64 bound = CSingleHttpRequest::maxReplySize;
    QTest::newRow("body exactly at the bound is kept") << "answer" << bound << true;
    QTest::newRow("body one byte over the bound is abandoned") << "answer" << bound + 1 << false;
    QTest::newRow("declared length over the bound is refused before the body")
        << "declare" << bound + 1 << false;
    QTest::newRow("endless body is cut off") << "stream" << 64 * bound << false;
}

void TestSingleHttpRequest::boundsTheReply()
{
    QFETCH(QString, shape);
    QFETCH(qint64, size);
    QFETCH(bool, kept);

    // A body that is itself a complete answer, so that keeping any part is visible.
    const QByteArray small("{\"version\":\"2.0.0\"}");
    LocalHttpServer server;
    QByteArray body;
    if (shape == "answer") {
        body = QByteArray("{\"version\":\"2.0.0\",\"note\":\"");
        body += QByteArray(size - body.size() - 2, 'n') + "\"}";
        QCOMPARE(qint64(body.size()), size);
        server.answerWith(body);
    } else if (shape == "declare") {
        server.declareLengthThenClose(size, small);
    } else {
        server.streamEndlessly(size);
    }

    CSingleHttpRequest request(nullptr);
    const QByteArray result = request.request(server.url("/update/dimlet.json"));
    QCOMPARE(result, kept ? body : QByteArray());
    if (shape == "stream") {
        QTRY_VERIFY(server.clientLeft());
        QVERIFY(server.bytesStreamed() < size);
    }
}

void TestSingleHttpRequest::abortEndsPendingRequest()
{
    LocalHttpServer server;
    server.hang();
    CSingleHttpRequest request(nullptr);
    server.onRequest([&request] { request.abort(); });
    QCOMPARE(request.request(server.url("/update/dimlet.json")), QByteArray());
    QCOMPARE(server.requests().size(), 1);

    // The abort was spent on that request; the next one goes out normally.
    server.answerWith("later");
    server.onRequest(nullptr);
    QCOMPARE(request.request(server.url("/update/dimlet.json")), QByteArray("later"));
}

void TestSingleHttpRequest::abortBeforeRequestSkipsIt()
{
    LocalHttpServer server;
    server.answerWith("ok");
    CSingleHttpRequest request(nullptr);
    request.abort();
    QCOMPARE(request.request(server.url("/q")), QByteArray());
    QCOMPARE(server.connectionCount(), 0);
    QCOMPARE(request.request(server.url("/q")), QByteArray("ok"));
}

DIMLET_TEST_MAIN(TestSingleHttpRequest)
#include "tst_singlehttprequest.moc"
