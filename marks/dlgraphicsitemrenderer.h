#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QRgb>

#include <memory>

// Base of every mark renderer. Holds the process-wide drawing style all marks share.
class DLGraphicsItemRenderer
{
public:
    virtual ~DLGraphicsItemRenderer() = default;

    static void setMarkColor(QRgb color);
    static void setColorFormat(int format);
    static void setMacProfile(bool on);
    static void setLabelFont(const QFont &font);

    static QRgb markColor();
    static QRgb darkColor();
    static const QPen &markPen();
    static const QBrush &markBrush();
    static const QPen &darkMarkPen();
    static const QBrush &darkMarkBrush();
    static const QPen &hitPen();
    static const QPen &labelOutlinePen();
    static const QPen &whiteHaloPen();
    static const QBrush &labelBackgroundBrush();
    static const QFont &labelFont();
    static const QFontMetrics *labelFontMetrics();
    static int colorFormat();
    static bool macProfile();

private:
    struct Style;
    static Style &style();
};
