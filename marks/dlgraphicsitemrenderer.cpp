#include "dlgraphicsitemrenderer.h"

#include "dlpalette.h"

struct DLGraphicsItemRenderer::Style
{
    QRgb markColor = 0xFFFF0000;
    QRgb darkColor = 0xFFF00000;
    QPen markPen;
    QBrush markBrush;
    QPen darkMarkPen;
    QBrush darkMarkBrush;
    QPen hitPen;
    QPen labelOutlinePen;
    QPen whiteHaloPen;
    QBrush labelBackgroundBrush {QColor(255, 255, 255, 180), Qt::SolidPattern};
    QFont labelFont;
    std::unique_ptr<QFontMetrics> labelFontMetrics;
    int colorFormat = 0;
    bool macProfile = false;
};

DLGraphicsItemRenderer::Style &DLGraphicsItemRenderer::style()
{
    static Style s;
    return s;
}

void DLGraphicsItemRenderer::setMarkColor(QRgb color)
{
    Style &s = style();
    s.markColor = color;
    s.markPen = QPen(QColor(color));
    s.markPen.setWidth(1);
    s.markPen.setJoinStyle(Qt::MiterJoin);
    s.markBrush = QBrush(QColor(color), Qt::SolidPattern);
    s.darkColor = darkShadeOf(color);
    s.darkMarkPen = QPen(QColor(s.darkColor));
    s.darkMarkPen.setWidth(1);
    s.darkMarkPen.setJoinStyle(Qt::MiterJoin);
    s.darkMarkBrush = QBrush(QColor(s.darkColor), Qt::SolidPattern);
    s.hitPen = s.markPen;
    s.hitPen.setWidthF(6.0);
    s.hitPen.setJoinStyle(Qt::MiterJoin);
    s.labelOutlinePen = QPen(Qt::white);
    s.labelOutlinePen.setJoinStyle(Qt::RoundJoin);
    s.labelOutlinePen.setCapStyle(Qt::RoundCap);
    s.labelOutlinePen.setWidth(4);
    s.whiteHaloPen = QPen(Qt::white);
    s.whiteHaloPen.setJoinStyle(Qt::RoundJoin);
    s.whiteHaloPen.setCapStyle(Qt::RoundCap);
    s.whiteHaloPen.setWidth(4);
}

void DLGraphicsItemRenderer::setColorFormat(int format)
{
    style().colorFormat = format;
}

void DLGraphicsItemRenderer::setMacProfile(bool on)
{
    style().macProfile = on;
}

void DLGraphicsItemRenderer::setLabelFont(const QFont &font)
{
    Style &s = style();
    s.labelFont = font;
    s.labelFontMetrics = std::make_unique<QFontMetrics>(font);
}

QRgb DLGraphicsItemRenderer::markColor()
{
    return style().markColor;
}
QRgb DLGraphicsItemRenderer::darkColor()
{
    return style().darkColor;
}
const QPen &DLGraphicsItemRenderer::markPen()
{
    return style().markPen;
}
const QBrush &DLGraphicsItemRenderer::markBrush()
{
    return style().markBrush;
}
const QPen &DLGraphicsItemRenderer::darkMarkPen()
{
    return style().darkMarkPen;
}
const QBrush &DLGraphicsItemRenderer::darkMarkBrush()
{
    return style().darkMarkBrush;
}
const QPen &DLGraphicsItemRenderer::hitPen()
{
    return style().hitPen;
}
const QPen &DLGraphicsItemRenderer::labelOutlinePen()
{
    return style().labelOutlinePen;
}
const QPen &DLGraphicsItemRenderer::whiteHaloPen()
{
    return style().whiteHaloPen;
}
const QBrush &DLGraphicsItemRenderer::labelBackgroundBrush()
{
    return style().labelBackgroundBrush;
}
const QFont &DLGraphicsItemRenderer::labelFont()
{
    return style().labelFont;
}
const QFontMetrics *DLGraphicsItemRenderer::labelFontMetrics()
{
    return style().labelFontMetrics.get();
}
int DLGraphicsItemRenderer::colorFormat()
{
    return style().colorFormat;
}
bool DLGraphicsItemRenderer::macProfile()
{
    return style().macProfile;
}
