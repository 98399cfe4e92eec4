#pragma once

#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QSizeF>

class QAbstractSlider;

// A guide line through the item origin spanning r: vertical from r's top to its bottom,
// else horizontal from its left to its right. The item's position moves it to a mark's end.
QPainterPath makeGuidePath(const QRectF &r, bool vertical);

// The part of area (the zoomed scene size) that two scroll bars show, in whole units.
// A missing bar counts as showing everything.
QRect scrollVisibleRect(
    const QAbstractSlider *horizontal, const QAbstractSlider *vertical, const QSizeF &area);

// The scene area the guide lines span at zoom factor scale: the visible part of the scene
// when zoomed in, otherwise the scene rectangle grown to what the view can show.
QRectF visibleSceneRect(const QRectF &sceneRect, double scale, const QAbstractSlider *horizontal,
    const QAbstractSlider *vertical);
