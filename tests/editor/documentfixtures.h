#pragma once

#include "marks/markrecord.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QtEndian>

// Building documents byte by byte, the way a foreign or damaged file would hold them.

inline QByteArray binaryJson(const QJsonValue &root)
{
    const QJsonDocument document
        = root.isArray() ? QJsonDocument(root.toArray()) : QJsonDocument(root.toObject());
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QByteArray data = document.toBinaryData();
    QT_WARNING_POP
    return data;
}

inline QJsonObject objectFromBinaryJson(const QByteArray &data)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QJsonDocument document = QJsonDocument::fromBinaryData(data, QJsonDocument::Validate);
    QT_WARNING_POP
    return document.object();
}

inline QByteArray pictureBytes(const char *format, const QSize &size = QSize(7, 5))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 255));
    image.setPixelColor(0, 0, QColor(250, 0, 0));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

inline QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray block(const QByteArray &content)
{
    return bigEndian32(quint32(content.size())) + content;
}

inline QJsonObject documentObject(const QString &filename, const QJsonArray &marks = QJsonArray())
{
    QJsonObject object;
    object.insert(QStringLiteral("filename"), filename);
    object.insert(QStringLiteral("version"), QStringLiteral("1.0.0"));
    object.insert(QStringLiteral("min"), 10000);
    object.insert(QStringLiteral("youknown"), marks);
    object.insert(QStringLiteral("z-value"), 3.0);
    return object;
}

inline QJsonObject fullMark(int type)
{
    return QJsonObject {{"idx", 2.0}, {"type", type}, {"x1", 1.0}, {"y1", 2.0}, {"x2", 3.0},
        {"y2", 4.0}, {"maxw", 50.0}};
}

inline MarkRecord record(
    int type, double idx, QPointF p1, QPointF p2, const QString &text, double maxw)
{
    MarkRecord r;
    r.type = type;
    r.idx = idx;
    r.point1 = p1;
    r.point2 = p2;
    r.text = text;
    r.maxw = maxw;
    return r;
}

inline void compareRecords(const MarkRecordList &actual, const QVector<MarkRecord> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i]->type, expected[i].type);
        QCOMPARE(actual[i]->idx, expected[i].idx);
        QCOMPARE(actual[i]->point1, expected[i].point1);
        QCOMPARE(actual[i]->point2, expected[i].point2);
        QCOMPARE(actual[i]->text, expected[i].text);
        QCOMPARE(actual[i]->maxw, expected[i].maxw);
    }
}

inline MarkRecordList ownedCopies(const QVector<MarkRecord> &records)
{
    MarkRecordList list;
    for (const MarkRecord &r : records)
        list.append(new MarkRecord(r));
    return list;
}
