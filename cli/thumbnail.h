#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The size of a thumbnail that fits maximum x maximum: the picture's aspect ratio kept,
// never larger than the picture itself, no side below one pixel. Empty for an empty picture.
QSize thumbnailSize(const QSize &pictureSize, int maximum);

// picture scaled smoothly to thumbnailSize(); the picture itself when it already fits.
QImage makeThumbnail(const QImage &picture, int maximum);

// Writes image as PNG whatever the suffix of path. False leaves any file at path as it was.
bool writeThumbnail(const QImage &image, const QString &path);
