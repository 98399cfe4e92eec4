#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>

// Finds the run of pixels around p, along its row (horizontal) or its column, whose red,
// green and blue each lie within 1 of p's own; alpha is ignored. Returns false and leaves
// start and end untouched when p is outside the image.
bool findColorRun(const QImage &image, QPoint p, bool horizontal, QPoint *start, QPoint *end);

// The bracket drawn over a run: a tick across each end and the line between them, each its
// own subpath. length receives the distance between the ends in pixels.
QPainterPath makeMeasurePath(QPoint start, QPoint end, int *length);

// The label showing the pixel count of a run (length + 1), built from its three slices.
QImage makeLengthLabelImage(int length, const QImage &left, const QImage &mid, const QImage &right);
