#include "dlgraphicscolorpickitemrenderer.h"

#include "colortext.h"
#include "dlgraphicsitemrenderernotifyhandle.h"
#include "labeldrawing.h"
#include "settings/dlsetting.h"

#include <QColor>
#include <QPainter>

DLGraphicsColorPickItemRenderer::DLGraphicsColorPickItemRenderer()
    : DLGraphicsTextDrawItemRenderer(ColorPickKind)
{
}

void DLGraphicsColorPickItemRenderer::format(QRgb color)
{
    m_text = colorText(color, style().colorFormat, style().macProfile);
    textChanged();
}

void DLGraphicsColorPickItemRenderer::layout()
{
    if (const ColorAtHandler &colorAt = style().colorAtHandler)
        m_color = colorAt(m_firstPoint);
    format(m_color);
    layoutCallout();
}

void DLGraphicsColorPickItemRenderer::refreshLabel()
{
    // The moved anchor may sit on a colour with a longer text, which changes the bounds.
    m_owner->handlePrepareGeometryChange();
    layout();
}

void DLGraphicsColorPickItemRenderer::settingsChanged(int mask)
{
    // The layout samples and formats the colour again.
    if (mask & (ChangedColorFormat | ChangedMacProfile))
        updateGeometry();
}

QPainterPath DLGraphicsColorPickItemRenderer::hitPath() const
{
    QPainterPath path = calloutPath(*this);
    path.addRect(m_endHandle);
    path.addRect(m_labelRect);
    return path;
}

void DLGraphicsColorPickItemRenderer::paint(QPainter *painter, bool hovered, bool selected)
{
    drawLeader(*this, painter, selected, hovered);
    drawOutlinedLabel(*this, painter, selected, pointsRight() ? QPointF() : QPointF(2.0, 0));

    const QColor picked = QColor::fromRgba(m_color);
    const QPointF anchor = m_localFirstPoint;
    painter->save();
    painter->setPen(penFor(selected));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(anchor.x() - 1, anchor.y() - 1, 2, 2));
    painter->fillRect(m_endHandle, QBrush(picked, Qt::SolidPattern));
    painter->drawRect(m_endHandle);
    painter->setPen(QPen(picked));
    painter->drawPoint(anchor);
    painter->restore();
}
