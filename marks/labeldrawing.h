#pragma once

#include <QPainterPath>
#include <QPointF>

class DLGraphicsItemRenderer;
class DLGraphicsTextDrawItemRenderer;
class QPainter;

// The renderer's label text in the mark colour over a white outline, readable on any image;
// offset moves both outline and text.
void drawOutlinedLabel(const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected,
    const QPointF &offset = QPointF());

// The leader and arrowhead of a callout mark.
void drawLeader(const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool emphasised,
    bool hovered);

// The leader plus the arrowhead triangle: where a callout mark can be grabbed.
QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer);
