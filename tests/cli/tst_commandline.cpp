#include "testsupport.h"

#include "commandline.h"

#include <QUrl>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void thumbnailSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");

        QTest::newRow("ordinary size") << "128" << 128;
        QTest::newRow("smallest size") << "1" << 1;
        QTest::newRow("largest size") << "4096" << 4096;
        QTest::newRow("leading zeros") << "000256" << 256;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("one above the largest") << "4097" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("plus sign") << "+64" << 0;
        QTest::newRow("trailing blank") << "64 " << 0;
        QTest::newRow("hexadecimal") << "0x40" << 0;
        QTest::newRow("exponent") << "1e3" << 0;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662\u0668") << 0;
        QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff11\uff12\uff18") << 0;
        QTest::newRow("wraps to a small number") << "4294967424" << 0;
        QTest::newRow("many zeros before a small number") << "0000000000128" << 128;
        QTest::newRow("only zeros") << "0000" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void thumbnailSize()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QCOMPARE(parseThumbnailSize(text), size);
    }

    void localPath_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");

        QTest::newRow("absolute path") << "/home/a/doc.dld"
                                       << "/home/a/doc.dld";
        QTest::newRow("relative path") << "shots/doc.dld"
                                       << "shots/doc.dld";
        QTest::newRow("relative path starting like a scheme") << "file-1.dld"
                                                              << "file-1.dld";
        QTest::newRow("file uri") << "file:///home/a/doc.dld"
                                  << "/home/a/doc.dld";
        QTest::newRow("percent-encoded blank and hash") << "file:///home/a/my%20doc%20%231.dld"
                                                        << "/home/a/my doc #1.dld";
        QTest::newRow("utf-8 name")
            << "file:///tmp/Gr%C3%B6%C3%9Fe.dld" << QString::fromUtf8("/tmp/Größe.dld");
        QTest::newRow("localhost") << "file://localhost/tmp/doc.dld"
                                   << "/tmp/doc.dld";
        QTest::newRow("upper-case scheme") << "FILE:///tmp/doc.dld"
                                           << "/tmp/doc.dld";
        QTest::newRow("another host") << "file://server/tmp/doc.dld"
                                      << "";
        QTest::newRow("broken percent escape") << "file:///tmp/a%zzb.dld"
                                               << "";
    }

    void localPath()
    {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        QCOMPARE(localPathFromArgument(argument), path);
    }

    void exportSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("png") << "a.png" << true;
        QTest::newRow("jpg") << "a.jpg" << true;
        QTest::newRow("jpeg") << "a.jpeg" << true;
        QTest::newRow("bmp") << "a.bmp" << true;
        QTest::newRow("upper case") << "A.JPEG" << true;
        QTest::newRow("only the last suffix counts") << "a.png.gif" << false;
        QTest::newRow("gif") << "a.gif" << false;
        QTest::newRow("dld") << "a.dld" << false;
        QTest::newRow("no suffix") << "png" << false;
        QTest::newRow("suffix on the directory") << "out.png/a" << false;
        QTest::newRow("dot file") << ".png" << true;
    }

    void exportSuffix()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(hasExportSuffix(path), accepted);
    }

    void thumbnailerArguments()
    {
        ThumbnailRequest request;
        QVERIFY(parseThumbnailerArguments({"file:///tmp/a%20b.dld", "/tmp/out.png", "96"}, &request)
                    .isEmpty());
        QCOMPARE(request.input, QString("/tmp/a b.dld"));
        QCOMPARE(request.output, QString("/tmp/out.png"));
        QCOMPARE(request.size, 96);

        ThumbnailRequest untouched;
        QVERIFY(
            !parseThumbnailerArguments({"/tmp/a.dld", "/tmp/out.png", "0"}, &untouched).isEmpty());
        QVERIFY(untouched.input.isEmpty());
        QCOMPARE(untouched.size, 0);
    }

    void helpRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");
        QTest::newRow("long option") << QStringList {"--help"} << true;
        QTest::newRow("short option") << QStringList {"-h"} << true;
        QTest::newRow("with more arguments") << QStringList {"--help", "x"} << false;
        QTest::newRow("a file of that name is not help") << QStringList {"./--help"} << false;
        QTest::newRow("nothing") << QStringList() << false;
    }

    void helpRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        QCOMPARE(asksForHelp(arguments), help);
    }
};

DIMLET_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
