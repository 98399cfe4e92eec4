#include "dlgraphicsitemrenderer.h"

#include "dlgraphicsitemrenderernotifyhandle.h"
#include "dlpalette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

DLGraphicsItemRenderer::Style &DLGraphicsItemRenderer::mutableStyle()
{
    static Style s;
    return s;
}

const DLGraphicsItemRenderer::Style &DLGraphicsItemRenderer::style()
{
    return mutableStyle();
}

void DLGraphicsItemRenderer::setMarkColor(QRgb color)
{
    Style &s = mutableStyle();
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
    s.whiteHaloPen = s.labelOutlinePen;
}

void DLGraphicsItemRenderer::setColorFormat(int format)
{
    mutableStyle().colorFormat = format;
}

void DLGraphicsItemRenderer::setMacProfile(bool on)
{
    mutableStyle().macProfile = on;
}

void DLGraphicsItemRenderer::setLabelFont(const QFont &font)
{
    Style &s = mutableStyle();
    s.labelFont = font;
    s.labelFontMetrics = std::make_unique<QFontMetrics>(font);
}

void DLGraphicsItemRenderer::setColorAtHandler(ColorAtHandler handler)
{
    mutableStyle().colorAtHandler = std::move(handler);
}

void DLGraphicsItemRenderer::setMapPointHandler(MapPointHandler handler)
{
    mutableStyle().mapPointHandler = std::move(handler);
}

const QPen &DLGraphicsItemRenderer::penFor(bool selected)
{
    return selected ? style().darkMarkPen : style().markPen;
}

const QBrush &DLGraphicsItemRenderer::brushFor(bool selected)
{
    return selected ? style().darkMarkBrush : style().markBrush;
}

bool DLGraphicsItemRenderer::showsHoverHalo(bool hovered, bool selected) const
{
    return hovered && !selected && !m_pressed;
}

QBrush DLGraphicsItemRenderer::handleBrush(bool hovered, bool selected) const
{
    return showsHoverHalo(hovered, selected) ? QBrush(Qt::white) : brushFor(selected);
}

void DLGraphicsItemRenderer::drawHandle(QPainter *painter, const QRectF &handle)
{
    painter->drawRect(QRectF(handle.topLeft(), QSizeF(6, 6)));
}

void DLGraphicsItemRenderer::init(DLGraphicsItemRendererNotifyHandle *owner, const QPointF &p1,
    const QPointF &p2, QString text, double widthValue)
{
    m_text = std::move(text);
    m_widthValue = widthValue;
    Q_ASSERT(owner);
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
    return HitNone;
}

void DLGraphicsItemRenderer::mousePress(const QPointF &point, int part)
{
    m_pressFirstPoint = m_firstPoint;
    m_pressSecondPoint = m_secondPoint;
    m_pressPoint = point;
    m_pressItemPos = m_owner->handlePos();
    m_pressed = true;
    if (part != HitNone && part != HitBody)
        updateGeometry();
}

void DLGraphicsItemRenderer::mouseMove(const QPointF &point, int part)
{
    if (part != HitBody)
        return;
    // Whole pixels only, rounded up, so a mark never lands between pixels.
    const QPointF delta(
        std::ceil(point.x() - m_pressPoint.x()), std::ceil(point.y() - m_pressPoint.y()));
    m_firstPoint = m_pressFirstPoint + delta;
    m_secondPoint = m_pressSecondPoint + delta;
    m_owner->handleSetPos(m_pressItemPos + delta);
    m_owner->handleUpdate();
    refreshLabel();
}

void DLGraphicsItemRenderer::mouseRelease(const QPointF &point, int part)
{
    m_pressed = false;
    if (part != HitNone && part != HitBody)
        mouseMove(point, part);
}

void DLGraphicsItemRenderer::setOrderedPoints(const QPointF &a, const QPointF &b)
{
    m_firstPoint = QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    m_secondPoint = QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    updateGeometry();
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
    // The item's cached bounds and the scene's index must hear of a change before it happens.
    m_owner->handlePrepareGeometryChange();
    layout();
    m_owner->handleSetPos(m_firstPoint);
    m_owner->handlePrepareGeometryChange();
}

void DLGraphicsItemRenderer::refreshLabel() { }

QRect DLGraphicsItemRenderer::textBoundingRect()
{
    const QFontMetrics *metrics = style().labelFontMetrics.get();
    return metrics ? metrics->boundingRect(m_text) : QRect();
}

void DLGraphicsItemRenderer::textChanged() { }

QPainterPath DLGraphicsItemRenderer::hitPath() const
{
    QPainterPath path;
    path.addRect(m_boundingRect);
    return path;
}
