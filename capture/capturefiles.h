#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// "Screenshot 2026-12-05 21-52-07.png". On a screen of device pixel ratio 2 the name ends
// in "@2x.png", so the picture opens at its logical size and lengths read in logical pixels.
QString captureFileName(const QString &stem, const QDateTime &when, qreal devicePixelRatio = 1.0);

// Writes picture as a PNG named name into directory; when that name is taken (the open
// document may show that very file) into a fresh folder inside it. Returns the path, or an
// empty string when nothing could be written.
QString keepCapture(const QImage &picture, const QString &directory, const QString &name);
