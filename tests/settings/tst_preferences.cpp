#include "testsupport.h"

#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"

#include <QDir>
#include <QStandardPaths>

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    // Without the application data directory the file lives in a "Dimlet" one beside it.
    void preferencesFilePathBothBranches()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(data).removeRecursively();
        const QString beside = QDir::cleanPath(data + QStringLiteral("/../Dimlet"));
        QDir(beside).removeRecursively();
        const QString first = preferencesFilePath();
        QCOMPARE(preferencesFilePath(), first);
        QVERIFY(first.endsWith(QStringLiteral("Dimlet") + QDir::separator() + "preferences.ini"));
        QCOMPARE(QFileInfo(first).absolutePath(), beside);
        QVERIFY(QDir(beside).exists());
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(preferencesFilePath(), QStringLiteral("./preferences.ini"));
        QVERIFY(QDir(data).removeRecursively());
    }

    void joinPath_data()
    {
        const QString s = QDir::separator();
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("joined");
        QTest::newRow("doubled and leading separators fold") << "dir" + s + s << s + "file"
                                                             << "dir" + s + "file";
        QTest::newRow("root stays absolute") << s << "tmp" << s + "tmp";
        QTest::newRow("another separator is kept") << "dir\\"
                                                   << "file"
                                                   << "dir\\" + s + "file";
    }

    void joinPath()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, joined);
        QCOMPARE(::joinPath(a, b), joined);
    }

    void pointInTriangle_data()
    {
        QTest::addColumn<QPointF>("p"); // the triangle (0, 0), (10, 0), (0, 10)
        QTest::addColumn<bool>("inside");
        QTest::newRow("centroid") << QPointF(10.0 / 3, 10.0 / 3) << true;
        QTest::newRow("beyond the hypotenuse") << QPointF(6, 6) << false;
        QTest::newRow("left of the vertical leg") << QPointF(-1, 3) << false;
        QTest::newRow("below the horizontal leg") << QPointF(3, -1) << false;
    }

    void pointInTriangle()
    {
        QFETCH(QPointF, p);
        QFETCH(bool, inside);
        const QPointF a(0, 0), b(10, 0), c(0, 10);
        QCOMPARE(::pointInTriangle(p, a, b, c), inside);
        QCOMPARE(::pointInTriangle(p, a, c, b), inside);
    }
};

DIMLET_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
