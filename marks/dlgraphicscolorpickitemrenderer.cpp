#include "dlgraphicscolorpickitemrenderer.h"

#include "labeldrawing.h"

#include <QColor>

DLGraphicsColorPickItemRenderer::DLGraphicsColorPickItemRenderer()
    : DLGraphicsTextDrawItemRenderer(ColorPickKind)
{
}

void DLGraphicsColorPickItemRenderer::layout()
{
    if (colorAtHandler())
        m_color = colorAtHandler()(m_firstPoint);
    m_text = QColor(m_color).name().toUpper();
    textChanged();
    layoutCallout();
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
    drawLeader(*this, painter, selected || m_pressed, hovered);
    drawOutlinedLabel(*this, painter, selected);
}
