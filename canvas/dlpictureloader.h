#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Reads the picture the canvas shows and lays out the canvas around it.
class DLPictureLoader
{
public:
    // The picture at path, one canvas unit per pixel; a base name ending in "@2x" halves an
    // even-sized picture and warns about an odd-sized one. Null when it cannot be read.
    static QImage load(const QString &path);
    // A picture smaller than the view is centred in a rectangle of the view's size; a larger
    // one gets a margin of 100 on every side.
    static QRect sceneRectFor(const QSize &picture, const QSize &view);
};
