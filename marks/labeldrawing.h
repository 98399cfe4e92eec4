#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class DLGraphicsItemRenderer;
class DLGraphicsTextDrawItemRenderer;
class QPainter;
class QTextLayout;

// The renderer's label text in the mark colour over a white outline, readable on any image;
// offset moves both outline and text. Drawn from the label image cache where that gives the
// same pixels.
void drawOutlinedLabel(const DLGraphicsItemRenderer &renderer, QPainter *painter, bool selected,
    const QPointF &offset = QPointF());

// The outlined label painted directly, text in the label rectangle: what the cache keeps.
void paintOutlinedLabel(const QRectF &label, const QString &text, QPainter *painter, bool selected);

// A laid-out text at topLeft in the painter's pen, as QTextLayout::draw gives it. Drawn from the
// label image cache where that gives the same pixels: its key is the text, the font, the lines
// and the pen, so a new text, wrap width, font or mark colour never meets an old image.
void drawLaidOutText(const QTextLayout &layout, const QPointF &topLeft, QPainter *painter);

// The leader and arrowhead of a callout mark, dark while the mark is selected or dragged,
// from the label image cache where that gives the same pixels.
void drawLeader(
    const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool selected, bool hovered);

// The leader and arrowhead painted directly: what the cache keeps.
void paintLeader(
    const DLGraphicsTextDrawItemRenderer &renderer, QPainter *painter, bool selected, bool hovered);

// The leader plus the arrowhead triangle: where a callout mark can be grabbed.
QPainterPath calloutPath(const DLGraphicsTextDrawItemRenderer &renderer);
