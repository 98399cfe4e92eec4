#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

// Pictures the journeys open, and how to find them on the screen again.
// Every picture has a one-pixel frame of a colour that nothing else on the screen
// uses, so its top-left pixel can be found in a screenshot at zoom 100.
QRgb pictureFrameColour();

// A calm picture to put marks on: light grey with a few flat coloured patches.
QImage makeMarkingPicture();
// The patch of makeMarkingPicture() whose colour a colour pick reads.
QRect markingPatch();
QRgb markingPatchColour();

// A screenshot of an application window: light background, a title bar, and flat
// buttons whose rectangles interfaceButtons() lists. Each button carries a white
// caption bar in its middle rows, so a scan along its top rows sees the whole width.
QImage makeInterfacePicture();
QVector<QRect> interfaceButtons();

// The screen position of the picture's top-left pixel, or (-1, -1) when the frame
// is not on the screen.
QPoint findPictureOrigin(const QImage &screen);
