#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

// What the journeys read back from the files the program wrote.

// The marks of a document, one line each ("type 1 idx 2 (60,130)-(150,190) maxw -1
// text ''"), in order of their z-value, lowest first. Reads with the program's own
// document reader; on failure the only line is the reader's error.
struct DocumentMarks
{
    QStringList marks;
    double zValue = 0.0;
};
DocumentMarks readDocumentMarks(const QString &documentPath);

QString markLine(int type, int idx, QPoint p1, QPoint p2, double maxw, const QString &text = {});

double maxWidthOf(const QString &markLine);

// The columns and rows of band that hold pixels of colour (each channel within
// tolerance); a null rectangle when there are none.
QRect inkExtent(const QImage &image, const QRect &band, QRgb colour, int tolerance = 0);

int countNear(const QImage &image, const QRect &area, QRgb colour, int tolerance = 0);

// How many pixels of area are nearer to colour than to the original picture's pixel
// at the same place (distance in RGB space): the test for marks in lossy files.
int countNearerThanOriginal(
    const QImage &image, const QImage &original, const QRect &area, QRgb colour);

int longestRowRun(const QImage &image, QRgb colour);

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

// Every picture above has a one-pixel frame of a colour that nothing else on the
// screen uses; this is the screen position of its top-left pixel, or (-1, -1).
QPoint findPictureOrigin(const QImage &screen);
