#include "testsupport.h"

#include "update/ccheckupdatethread.h"
#include "update/csinglehttprequest.h"
#include "update/cupdatemgr.h"
#include "update/cupdatenotifier.h"
#include "update/localhttpserver.h"
#include "update/updateoffer.h"

#include <QPointer>

// Update endpoints that answer too much: the check must stay bounded in memory and offer nothing.
class TestHostileUpdate : public QObject
{
    Q_OBJECT

private:
    int m_offersShown = 0;
    UpdateNotifierRunner m_previousRunner;

    static QByteArray description(int size)
    {
        QByteArray body("{\"version\":\"2.0.0\",\"date\":\"d\",\"note\":\"");
        return body + QByteArray(size - body.size() - 2, 'n') + "\"}";
    }

    static QPointer<CCheckUpdateThread> startCheckAgainst(const QString &url)
    {
        qputenv("DIMLET_UPDATE_URL", url.toUtf8());
        CUpdateMgr::instance()->startCheck();
        return CUpdateMgr::instance()->findChild<CCheckUpdateThread *>();
    }

private slots:
    void init()
    {
        m_offersShown = 0;
        m_previousRunner = setUpdateNotifierRunner([this](CUpdateNotifier &) { ++m_offersShown; });
    }

    void cleanup() { setUpdateNotifierRunner(m_previousRunner); }

    // Qt's JSON parser leaks what a repeated key replaces, so such bodies are never parsed;
    // keys that only look alike, or repeat in another object, are no repeat.
    void repeatedOrEscapedKeys_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("offered");

        QTest::newRow("key repeated after an object is refused")
            << QByteArray(R"({"note":{"a":1},"note":"x","version":"2.0.0"})") << false;
        QTest::newRow("repeat inside a nested object is refused")
            << QByteArray(R"({"version":"2.0.0","x":[{"a":[1],"a":2}]})") << false;
        QTest::newRow("escaped key spelling version is refused")
            << QByteArray("{\"\\u0076ersion\":\"2.0.0\"}") << false;
        QTest::newRow("same key in two objects is offered")
            << QByteArray(R"({"version":"2.0.0","note":"n","x":{"version":"1.0.0","note":1}})")
            << true;
    }

    void repeatedOrEscapedKeys()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, offered);
        const std::optional<UpdateOffer> offer = updateOfferFrom(body);
        QCOMPARE(offer.has_value(), offered);
        if (offered)
            QCOMPARE(offer->version, QStringLiteral("2.0.0"));
    }

    void hundredMegabyteReply_data()
    {
        QTest::addColumn<bool>("declared");
        QTest::newRow("100 MB announced by its length") << true;
        QTest::newRow("100 MB streamed without a length") << false;
    }

    void hundredMegabyteReply()
    {
        QFETCH(bool, declared);
        const qint64 size = 100 * 1000 * 1000;
        LocalHttpServer server;
        if (declared)
            server.declareLengthThenClose(size, description(1000));
        else
            server.streamEndlessly(size);

        QPointer<CCheckUpdateThread> thread = startCheckAgainst(server.url("/update/dimlet.json"));
        QVERIFY(thread);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 60000);
        QCoreApplication::processEvents();
        QCOMPARE(m_offersShown, 0);
        QCOMPARE(server.requests().size(), 1);
        if (!declared) {
            QTRY_VERIFY_WITH_TIMEOUT(server.clientLeft(), 20000);
            QVERIFY(server.bytesStreamed() < size);
        }
    }
};

DIMLET_TEST_MAIN(TestHostileUpdate)
#include "tst_hostileupdate.moc"
