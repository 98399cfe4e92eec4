#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class DLGraphicsItemRenderer;
class DLGraphicsTextDrawItemRenderer;
class QPainter;

// The renderer's label text in the mark colour over a white outline, readable on any image;
// offset moves both outline and text. Drawn from the label image cache where that gives the
// same pixels.
void drawOutlinedLabel(const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected,
    const QPointF &offset = QPointF());

// The outlined label painted directly, text in the label rectangle: what the cache keeps.
void paintOutlinedLabel(const QRectF &label, const QString &text, QPainter *painter, bool selected);

// The leader and arrowhead of a callout mark.
void drawLeader(const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool emphasised,
    bool hovered);

// The leader plus the arrowhead triangle: where a callout mark can be grabbed.
QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer);
