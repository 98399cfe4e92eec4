#pragma once

#include <QImage>
#include <QString>

class DLGraphicsScene;

// The picture with every mark drawn into it, at the picture's own pixel size whatever the
// view's zoom; transparent where the picture is. Null when the scene shows no picture.
QImage buildExportImage(DLGraphicsScene *scene);

// The writer format for path's suffix, in any case: "png", "jpeg", "jpg" or "bmp"; empty for
// any other suffix.
QByteArray exportFormatForPath(const QString &path);

// Writes image to path in the format its suffix names (png, jpeg, jpg or bmp), with the
// product's text entries. Returns whether the file was written; a failure leaves any
// existing file at path as it was.
bool exportImage(const QImage &image, const QString &path);
