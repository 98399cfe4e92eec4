#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

// What the journeys read back from the files the program wrote.

// The marks of a document, one line each ("type 1 idx 2 (60,130)-(150,190) maxw -1
// text ''"), in order of their z-value, lowest first. Reads with the program's own
// document reader; on failure error is set and the list is empty.
struct DocumentMarks
{
    QStringList marks;
    double zValue = 0.0;
    QString picturePath;
    QString error;
};
DocumentMarks readDocumentMarks(const QString &documentPath, const QString &extractDir);

// One mark line as readDocumentMarks writes it, for expected values.
QString markLine(int type, int idx, QPoint p1, QPoint p2, double maxw, const QString &text = {});

// The width value of the mark line (the number after "maxw").
double maxWidthOf(const QString &markLine);

// The columns and rows of band that hold pixels of colour (each channel within
// tolerance); a null rectangle when there are none.
QRect inkExtent(const QImage &image, const QRect &band, QRgb colour, int tolerance = 0);

// How many pixels of area have colour (each channel within tolerance).
int countNear(const QImage &image, const QRect &area, QRgb colour, int tolerance = 0);

// How many pixels of area are nearer to colour than to the original picture's pixel
// at the same place (distance in RGB space): the test for marks in lossy files.
int countNearerThanOriginal(
    const QImage &image, const QImage &original, const QRect &area, QRgb colour);

// The longest run of pixels of exactly colour along any row of image.
int longestRowRun(const QImage &image, QRgb colour);

// The part of two same-sized images where they differ; null when they are equal.
QRect differenceBounds(const QImage &a, const QImage &b);
