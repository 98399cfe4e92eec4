#include "dlgraphicsitemrenderer.h"

#include "dlgraphicsitemrenderernotifyhandle.h"
#include "dlpalette.h"

#include <cmath>

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
    ColorAtHandler colorAtHandler;
    MapPointHandler mapPointHandler;
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

void DLGraphicsItemRenderer::setColorAtHandler(ColorAtHandler handler)
{
    style().colorAtHandler = std::move(handler);
}

void DLGraphicsItemRenderer::setMapPointHandler(MapPointHandler handler)
{
    style().mapPointHandler = std::move(handler);
}

const DLGraphicsItemRenderer::ColorAtHandler &DLGraphicsItemRenderer::colorAtHandler()
{
    return style().colorAtHandler;
}

const DLGraphicsItemRenderer::MapPointHandler &DLGraphicsItemRenderer::mapPointHandler()
{
    return style().mapPointHandler;
}

void DLGraphicsItemRenderer::init(DLGraphicsItemRendererNotifyHandle *owner, const QPointF &p1,
    const QPointF &p2, QString text, double widthValue)
{
    m_text = std::move(text);
    m_widthValue = widthValue;
    m_owner = owner;
    m_firstPoint = p1;
    m_secondPoint = p2;
    updateGeometry();
    m_pressFirstPoint = m_firstPoint;
    m_pressSecondPoint = m_secondPoint;
    m_pressPoint = p1;
}

bool DLGraphicsItemRenderer::isValid() const
{
    return true;
}

bool DLGraphicsItemRenderer::movedSincePress(const QPointF &point) const
{
    return std::abs(m_pressPoint.x() - point.x()) > 1e-12
        || std::abs(m_pressPoint.y() - point.y()) > 1e-12;
}

void DLGraphicsItemRenderer::settingsChanged(int) { }

int DLGraphicsItemRenderer::hitTest(const QPointF &)
{
    return 0;
}

void DLGraphicsItemRenderer::mousePress(const QPointF &point, int part)
{
    m_pressFirstPoint = m_firstPoint;
    m_pressSecondPoint = m_secondPoint;
    m_pressPoint = point;
    m_pressItemPos = m_owner ? m_owner->handlePos() : m_firstPoint;
    m_pressed = true;
    if (part != 0 && part != 9)
        updateGeometry();
}

void DLGraphicsItemRenderer::mouseMove(const QPointF &point, int part)
{
    if (part != 9)
        return;
    // Whole pixels only, rounded up, so a mark never lands between pixels.
    const QPointF delta(
        std::ceil(point.x() - m_pressPoint.x()), std::ceil(point.y() - m_pressPoint.y()));
    m_firstPoint = m_pressFirstPoint + delta;
    m_secondPoint = m_pressSecondPoint + delta;
    if (m_owner) {
        m_owner->handleSetPos(m_pressItemPos + delta);
        m_owner->handleUpdate();
    }
    refreshLabel();
}

void DLGraphicsItemRenderer::mouseRelease(const QPointF &point, int part)
{
    m_pressed = false;
    if (part != 0 && part != 9)
        mouseMove(point, part);
}

QPointF DLGraphicsItemRenderer::mapToLocal(const QPointF &point) const
{
    return point - m_firstPoint;
}

QPointF DLGraphicsItemRenderer::mapFromLocal(const QPointF &point) const
{
    return point + m_firstPoint;
}

void DLGraphicsItemRenderer::setMaxWidth(double width)
{
    m_widthValue = width;
}

double DLGraphicsItemRenderer::maxWidth() const
{
    return m_widthValue;
}

double DLGraphicsItemRenderer::maxWidthLimit() const
{
    return 100000000.0;
}

void DLGraphicsItemRenderer::updateGeometry()
{
    m_localFirstPoint = mapToLocal(m_firstPoint);
    m_localSecondPoint = mapToLocal(m_secondPoint);
    layout();
    if (m_owner) {
        m_owner->handleSetPos(m_firstPoint);
        m_owner->handlePrepareGeometryChange();
    }
}

void DLGraphicsItemRenderer::refreshLabel() { }

QRect DLGraphicsItemRenderer::textBoundingRect()
{
    const QFontMetrics *metrics = labelFontMetrics();
    return metrics ? metrics->boundingRect(m_text) : QRect();
}

void DLGraphicsItemRenderer::textChanged() { }

QPainterPath DLGraphicsItemRenderer::hitPath() const
{
    QPainterPath path;
    path.addRect(m_boundingRect);
    return path;
}
