#pragma once

#include "editor/dldocument.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

// Files and documents built byte by byte, the way a foreign or damaged file would hold them.

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below root, relative and sorted, so a test sees what was written where.
inline QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

inline DocumentError writeDocument(const QString &target, const QString &picture,
    const QVector<MarkRecord> &marks = {}, double nextZ = 0)
{
    MarkRecordList list;
    for (const MarkRecord &r : marks)
        list.append(new MarkRecord(r));
    const DocumentError error = writeDocumentFile(target, picture, list, nextZ);
    clearMarkRecords(list);
    return error;
}

inline QByteArray binaryJson(const QJsonDocument &document)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return document.toBinaryData();
    QT_WARNING_POP
}

inline QByteArray pictureBytes(const char *format, const QSize &size = QSize(7, 5))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

inline QByteArray block(const QByteArray &content, quint32 size = 0)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(size ? size : quint32(content.size()), bytes.data());
    return bytes + content;
}

inline QJsonObject documentObject(const QString &filename, const QJsonArray &marks = {})
{
    return QJsonObject {{"filename", filename}, {"version", "1.0.0"}, {"min", 10000},
        {"youknown", marks}, {"z-value", 3.0}};
}

inline QByteArray documentBytes(
    const QJsonObject &object, const QByteArray &picture = pictureBytes("png"))
{
    return block(picture) + block(binaryJson(QJsonDocument(object)));
}
