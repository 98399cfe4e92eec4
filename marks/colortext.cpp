#include "colortext.h"

#include <algorithm>
#include <cstdio>

namespace {
// Generic RGB to display values, one entry per input value.
constexpr unsigned char profileTable[256] = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 10, 11, 11, 12, 12, 13,
    14, 14, 15, 16, 16, 17, 17, 18, 19, 19, 20, 21, 21, 22, 23, 24, 24, 25, 26, 26, 27, 28, 29, 29,
    30, 31, 31, 32, 33, 34, 35, 35, 36, 37, 38, 38, 39, 40, 41, 42, 42, 43, 44, 45, 46, 46, 47, 48,
    49, 50, 51, 51, 52, 53, 54, 55, 56, 57, 57, 58, 59, 60, 61, 62, 63, 64, 65, 65, 66, 67, 68, 69,
    70, 71, 72, 73, 74, 75, 76, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92,
    93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112,
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 127, 128, 129, 130, 131, 132,
    133, 134, 135, 136, 137, 138, 139, 140, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 153,
    154, 155, 156, 157, 158, 159, 160, 162, 163, 164, 165, 166, 167, 168, 169, 171, 172, 173, 174,
    175, 176, 178, 179, 180, 181, 182, 183, 184, 186, 187, 188, 189, 190, 191, 193, 194, 195, 196,
    197, 199, 200, 201, 202, 203, 205, 206, 207, 208, 209, 211, 212, 213, 214, 215, 217, 218, 219,
    220, 221, 223, 224, 225, 226, 228, 229, 230, 231, 233, 234, 235, 236, 237, 239, 240, 241, 242,
    244, 245, 246, 247, 249, 250, 251, 252, 254, 255};

// Fractions are computed in single precision, as the stored texts have always been.
double fraction(int value)
{
    return double(float(value) / 255.0f);
}
} // namespace

int profiledChannel(int value)
{
    return profileTable[std::clamp(value, 0, 255)];
}

QString colorText(QRgb color, int format, bool profile)
{
    int r = qRed(color);
    int g = qGreen(color);
    int b = qBlue(color);
    const int a = qAlpha(color);
    if (profile) {
        r = profiledChannel(r);
        g = profiledChannel(g);
        b = profiledChannel(b);
    }
    char buffer[64] = {};
    switch (format) {
    case RgbHexFormat:
        std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", r, g, b);
        break;
    case RgbFloatFormat:
        std::snprintf(
            buffer, sizeof buffer, "%.2f,%.2f,%.2f", fraction(r), fraction(g), fraction(b));
        break;
    case RgbIntFormat:
        std::snprintf(buffer, sizeof buffer, "%02d,%02d,%02d", r, g, b);
        break;
    case RgbaHexFormat:
        std::snprintf(buffer, sizeof buffer, "%02X%02X%02X(%02X)", r, g, b, a);
        break;
    case RgbaFloatFormat:
        std::snprintf(buffer, sizeof buffer, "%.2f,%.2f,%.2f(%.2f)", fraction(r), fraction(g),
            fraction(b), fraction(a));
        break;
    case RgbaIntFormat:
        std::snprintf(buffer, sizeof buffer, "%02d,%02d,%02d(%02d)", r, g, b, a);
        break;
    default:
        if (a == 255) {
            std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", r, g, b);
        } else {
            const int percent = int(float(a) / 255.0f * 100.0f + 0.5f);
            std::snprintf(buffer, sizeof buffer, "%02X%02X%02X(%d%%)", r, g, b, percent);
        }
        break;
    }
    return QString::fromUtf8(buffer);
}
