#include "testsupport.h"

#include "app/capplication.h"

#include <QFileOpenEvent>
#include <QSignalSpy>

class TestCApplication : public QObject
{
    Q_OBJECT

private slots:
    void fileOpenBecomesSignal_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("localPath");
        QTest::newRow("local document") << QUrl::fromLocalFile("/tmp/plan.dld") << "/tmp/plan.dld";
        QTest::newRow("remote address gives an empty path") << QUrl("http://127.0.0.1/x.png") << "";
    }

    void fileOpenBecomesSignal()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, localPath);
        auto *app = qobject_cast<CApplication *>(qApp);
        QVERIFY(app);
        QSignalSpy spy(app, &CApplication::openURL);
        QFileOpenEvent event(url);
        QCoreApplication::sendEvent(app, &event);
        QCOMPARE(spy.count(), 1);
        const QUrl emitted = spy.first().first().toUrl();
        QCOMPARE(emitted, url);
        QCOMPARE(emitted.toLocalFile(), localPath);
    }

    void otherEventsEmitNothing()
    {
        QSignalSpy spy(qobject_cast<CApplication *>(qApp), &CApplication::openURL);
        QEvent event(QEvent::ApplicationStateChange);
        QCoreApplication::sendEvent(qApp, &event);
        QCOMPARE(spy.count(), 0);
    }
};

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    CApplication app(argc, argv);
    TestCApplication tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_capplication.moc"
