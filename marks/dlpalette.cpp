#include "dlpalette.h"

#include <algorithm>

QVector<QRgb> &markPalette()
{
    static QVector<QRgb> palette;
    return palette;
}

QVector<qreal> &rectDashPattern()
{
    static QVector<qreal> pattern;
    return pattern;
}

QVector<qreal> &guideDashPattern()
{
    static QVector<qreal> pattern;
    return pattern;
}

void initMarkPalette()
{
    if (!markPalette().isEmpty())
        return;
    markPalette() << 0xFFFF0000 << 0xFF2ECC71 << 0xFFE67E22 << 0xFF95A5A6 << 0xFF2C3E50
                  << 0xFF347DDB << 0xFFFEE04E;
    rectDashPattern() << 10 << 5 << 10 << 5;
    guideDashPattern() << 3 << 3 << 3 << 3;
}

QRgb darkShadeOf(QRgb color)
{
    const int r = std::max(qRed(color) - 15, 0);
    const int g = std::max(qGreen(color) - 15, 0);
    const int b = std::max(qBlue(color) - 15, 0);
    return 0xFF000000u | (uint(r) << 16) | (uint(g) << 8) | uint(b);
}
