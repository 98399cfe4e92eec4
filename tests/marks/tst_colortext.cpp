#include "testsupport.h"

#include "marks/colortext.h"

class TestColorText : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void alphaPercent_data();
    void alphaPercent();
    void profile_data();
    void profile();
    void profileTable_data();
    void profileTable();
    void profileTableNeverDecreases();
};

void TestColorText::formats_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");

    const uint orange = qRgba(255, 128, 0, 255);
    const uint translucentOrange = qRgba(255, 128, 0, 230);
    QTest::newRow("default, opaque: six digits, no percent") << orange << 0 << "FF8000";
    QTest::newRow("default, translucent: percent suffix")
        << translucentOrange << 0 << "FF8000(90%)";
    QTest::newRow("rgbHex ignores alpha") << translucentOrange << 1 << "FF8000";
    QTest::newRow("rgbFloat, opaque") << orange << 2 << "1.00,0.50,0.00";
    QTest::newRow("rgbFloat ignores alpha") << translucentOrange << 2 << "1.00,0.50,0.00";
    QTest::newRow("rgbInt pads to two digits") << orange << 3 << "255,128,00";
    QTest::newRow("rgbaHex, opaque") << orange << 4 << "FF8000(FF)";
    QTest::newRow("rgbaHex, translucent") << translucentOrange << 4 << "FF8000(E6)";
    QTest::newRow("rgbaFloat, opaque") << orange << 5 << "1.00,0.50,0.00(1.00)";
    QTest::newRow("rgbaFloat, translucent") << translucentOrange << 5 << "1.00,0.50,0.00(0.90)";
    QTest::newRow("rgbaInt, opaque") << orange << 6 << "255,128,00(255)";
    QTest::newRow("rgbaInt, translucent") << translucentOrange << 6 << "255,128,00(230)";

    QTest::newRow("hex digits are upper case, two per channel")
        << qRgba(10, 171, 5, 255) << 1 << "0AAB05";
    QTest::newRow("rgbInt: 5 reads 05, 200 stays 200") << qRgba(5, 200, 0, 255) << 3 << "05,200,00";
    QTest::newRow("rgbaInt: small alpha padded too") << qRgba(5, 200, 9, 7) << 6 << "05,200,09(07)";
    QTest::newRow("rgbFloat rounds to two places")
        << qRgba(1, 64, 254, 255) << 2 << "0.00,0.25,1.00";

    const uint white = 0xFFFFFFFF;
    QTest::newRow("white, default") << white << 0 << "FFFFFF";
    QTest::newRow("white, rgbaInt") << white << 6 << "255,255,255(255)";

    QTest::newRow("index 7 is the default format") << translucentOrange << 7 << "FF8000(90%)";
    QTest::newRow("negative index is the default format") << orange << -1 << "FF8000";
    QTest::newRow("large index is the default format") << orange << 1000 << "FF8000";
}

void TestColorText::formats()
{
    QFETCH(uint, color);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(colorText(color, format, false), text);
}

void TestColorText::alphaPercent_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QString>("text");

    QTest::newRow("230 is 90%") << 230 << "102030(90%)";
    QTest::newRow("128 is 50%") << 128 << "102030(50%)";
    QTest::newRow("0 is 0%") << 0 << "102030(0%)";
    QTest::newRow("1 rounds down to 0% but still shows") << 1 << "102030(0%)";
    QTest::newRow("2 rounds up to 1%") << 2 << "102030(1%)";
    QTest::newRow("254 rounds to 100% while not opaque") << 254 << "102030(100%)";
    QTest::newRow("255 has no percent") << 255 << "102030";
}

void TestColorText::alphaPercent()
{
    QFETCH(int, alpha);
    QFETCH(QString, text);
    QCOMPARE(colorText(qRgba(0x10, 0x20, 0x30, alpha), 0, false), text);
}

void TestColorText::profile_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");

    QTest::newRow("opaque mid grey in rgbHex") << qRgba(128, 128, 128, 255) << 1 << "6D6D6D";
    QTest::newRow("alpha is not converted") << qRgba(128, 128, 128, 128) << 4 << "6D6D6D(80)";
    QTest::newRow("percent from the raw alpha") << qRgba(128, 128, 128, 230) << 0 << "6D6D6D(90%)";
    QTest::newRow("each channel through its own entry")
        << qRgba(16, 145, 255, 255) << 6 << "14,127,255(255)";
    QTest::newRow("fractions from converted values")
        << qRgba(128, 0, 255, 255) << 2 << "0.43,0.00,1.00";
    QTest::newRow("black and white unchanged") << qRgba(0, 255, 0, 255) << 3 << "00,255,00";
}

void TestColorText::profile()
{
    QFETCH(uint, color);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(colorText(color, format, true), text);
}

void TestColorText::profileTable_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("output");

    QTest::newRow("0 stays") << 0 << 0;
    QTest::newRow("3 skips a value") << 3 << 4;
    QTest::newRow("last of the first row") << 15 << 13;
    QTest::newRow("first of the second row") << 16 << 14;
    QTest::newRow("128 is 109") << 128 << 109;
    QTest::newRow("127, the row before") << 127 << 108;
    QTest::newRow("145 jumps by two") << 145 << 127;
    QTest::newRow("first of the last row") << 240 << 236;
    QTest::newRow("254") << 254 << 254;
    QTest::newRow("255 stays") << 255 << 255;
}

void TestColorText::profileTable()
{
    QFETCH(int, input);
    QFETCH(int, output);
    QCOMPARE(profiledChannel(input), output);
}

void TestColorText::profileTableNeverDecreases()
{
    for (int v = 1; v < 256; ++v)
        QVERIFY2(profiledChannel(v) >= profiledChannel(v - 1), qPrintable(QString::number(v)));
    QVERIFY(profiledChannel(128) < 128);
}

DIMLET_TEST_MAIN(TestColorText)
#include "tst_colortext.moc"
