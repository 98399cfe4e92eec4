#pragma once

#include <QByteArray>
#include <QString>

// The first byte picks PNG, JPEG or BMP; the rest follows that format's signature in a
// picture file under dir, which the scene then loads. Verifies that the picture is either
// null or within the size bound and consistent, and that pixelAt answers everywhere.
// Returns what broke, or an empty string.
QString checkPictureInput(const QByteArray &bytes, const QString &dir);

// The input that checkPictureInput turns into the given picture file's bytes, for seeds.
QByteArray pictureInputFor(const QByteArray &fileBytes);
