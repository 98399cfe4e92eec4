#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QMimeData;

// What a paste can open: a file, or a picture handed over as data.
struct ClipboardContent
{
    QString filePath;
    QImage picture;

    bool isEmpty() const { return filePath.isEmpty() && picture.isNull(); }
};

using FileFilter = std::function<bool(const QString &path)>;

// The first local file of data's URL list that accepts takes, as a drop would open it; else
// the first picture data holds in a format Qt reads. Clipboard data comes from any program:
// a picture whose header claims more pixels than a canvas takes is never decoded.
ClipboardContent readClipboardContent(const QMimeData *data, const FileFilter &accepts);

// Whether readClipboardContent may find something, judged from the offered formats and the
// URL list without decoding any picture; enables Paste.
bool offersClipboardContent(const QMimeData *data, const FileFilter &accepts);
