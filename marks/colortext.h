#pragma once

#include <QRgb>
#include <QString>

// The colour text formats, by the index stored in the colour format preference.
enum ColorTextFormat {
    DefaultColorFormat = 0,
    RgbHexFormat = 1,
    RgbFloatFormat = 2,
    RgbIntFormat = 3,
    RgbaHexFormat = 4,
    RgbaFloatFormat = 5,
    RgbaIntFormat = 6
};

// A colour as the text a colour pick shows. Any format outside 1..6 is the default one;
// with profile set, red, green and blue go through the colour profile table first.
QString colorText(QRgb color, int format, bool profile);

// One channel value (0..255) through the colour profile table; other values are clamped.
int profiledChannel(int value);
