#include "dlgraphicscommentsitemrenderer.h"

#include "labeldrawing.h"

#include <QPainter>

DLGraphicsCommentsItemRenderer::DLGraphicsCommentsItemRenderer()
    : DLGraphicsTextDrawItemRenderer(CommentKind)
{
}

void DLGraphicsCommentsItemRenderer::layout()
{
    layoutCallout();
}

QRect DLGraphicsCommentsItemRenderer::textBoundingRect()
{
    const QRect rect = DLGraphicsTextDrawItemRenderer::textBoundingRect();
    // An unset wrap width becomes the text's natural width, so the text starts on one line.
    if (maxWidth() < 1.0)
        setMaxWidth(rect.width() + 1);
    return rect;
}

QPainterPath DLGraphicsCommentsItemRenderer::hitPath() const
{
    QPainterPath path = calloutPath(*this);
    path.addRect(m_endHandle);
    path.addRect(m_widthGrip);
    path.addRect(m_labelRect);
    return path;
}

void DLGraphicsCommentsItemRenderer::paint(QPainter *painter, bool hovered, bool selected)
{
    drawLeader(*this, painter, selected || m_pressed, hovered);
    painter->save();
    painter->setPen(selected ? darkMarkPen() : markPen());
    painter->setBrush(selected ? darkMarkBrush() : markBrush());
    painter->drawRect(m_endHandle);
    painter->drawRect(m_widthGrip);
    painter->fillRect(m_labelRect, labelBackgroundBrush());
    painter->setFont(labelFont());
    painter->drawText(m_labelRect, 0, m_text);
    painter->restore();
}
