#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>

// With no network a name lookup can take seconds and cannot be cancelled; closing the
// window must still end the program at once, and cleanly.
class TestQuitDuringLookup : public QObject
{
    Q_OBJECT
private slots:
    void closingDoesNotWaitForTheLookup()
    {
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", DIMLET_SLOW_LOOKUP);
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        env.insert("DIMLET_UPDATE_URL", "http://dimlet.invalid/update/dimlet.json");
        env.insert("DIMLET_SLOW_LOOKUP_SECONDS", "30");
        env.insert("DIMLET_SLOW_LOOKUP_STAMP", dir.filePath("closed"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DIMLET_PROGRAM), QStringList());
        // Far below the lookup's 30 seconds, far above what start-up and closing take.
        const bool ended = program.waitForFinished(10000);
        program.kill();
        program.waitForFinished();
        const QByteArray errors = program.readAllStandardError();
        QVERIFY2(ended, "the program was still running 10 s after it started");
        QVERIFY2(
            QFile::exists(dir.filePath("closed")), "the window was not closed during a lookup");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(!errors.contains("QThread"), errors.constData());
    }
};

DIMLET_TEST_MAIN(TestQuitDuringLookup)
#include "tst_quitduringlookup.moc"
