#pragma once

#include <QRgb>
#include <QString>

// The colour text formats, in the order of their index in the colour format preference.
enum ColorTextFormat {
    DefaultColorFormat,
    RgbHexFormat,
    RgbFloatFormat,
    RgbIntFormat,
    RgbaHexFormat,
    RgbaFloatFormat,
    RgbaIntFormat
};

// A colour as the text a colour pick shows. Any format outside 1..6 is the default one;
// with profile set, red, green and blue go through the colour profile table first.
QString colorText(QRgb color, int format, bool profile);

// One channel value (0..255) through the colour profile table; other values are clamped.
int profiledChannel(int value);
