#include "dldocument.h"

#include "outputfile.h"

#include "app/version.h"
#include "marks/dlmarktypes.h"
#include "settings/helpers.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <utility>

namespace {
// QByteArray cannot hold much more than 2 GiB; a longer block is a forged length.
constexpr quint32 maxBlockSize = 0x7FFF0000u;
constexpr quint32 nullBlockLength = 0xFFFFFFFFu;
// Binary JSON: an 8-byte header ("qbjs", version 1), then the root's size, type and table.
constexpr int binaryJsonHeaderSize = 8;
constexpr int binaryJsonBaseSize = 12;

// The length is checked against what the file still holds before anything is allocated.
bool readBlockLength(QFile &file, QDataStream &stream, quint32 *length)
{
    stream >> *length;
    if (stream.status() != QDataStream::Ok || *length == nullBlockLength || *length > maxBlockSize)
        return false;
    return qint64(*length) <= file.size() - file.pos();
}

bool readBlock(QFile &file, QDataStream &stream, QByteArray *block)
{
    quint32 length = 0;
    if (!readBlockLength(file, stream, &length))
        return false;
    QByteArray bytes(int(length), Qt::Uninitialized);
    if (stream.readRawData(bytes.data(), int(length)) != int(length))
        return false;
    *block = std::move(bytes);
    return true;
}

// Pictures go across in pieces: a large one is never held whole in memory.
bool copyBytes(QIODevice &from, QIODevice &to, qint64 length)
{
    constexpr qint64 pieceSize = 256 * 1024;
    QByteArray piece(int(qMin(length, pieceSize)), Qt::Uninitialized);
    while (length > 0) {
        const qint64 wanted = qMin(length, qint64(piece.size()));
        if (from.read(piece.data(), wanted) != wanted
            || to.write(piece.constData(), wanted) != wanted)
            return false;
        length -= wanted;
    }
    return true;
}

// Qt's validator is only reached with a header and a root size that fit the block.
QJsonObject parseDocumentObject(const QByteArray &data)
{
    if (data.size() < binaryJsonHeaderSize + binaryJsonBaseSize)
        return QJsonObject();
    const auto *raw = reinterpret_cast<const uchar *>(data.constData());
    if (qFromLittleEndian<quint32>(raw) != quint32(QJsonDocument::BinaryFormatTag)
        || qFromLittleEndian<quint32>(raw + 4) != 1u)
        return QJsonObject();
    const quint32 rootSize = qFromLittleEndian<quint32>(raw + binaryJsonHeaderSize);
    if (rootSize < quint32(binaryJsonBaseSize)
        || rootSize > quint32(data.size() - binaryJsonHeaderSize))
        return QJsonObject();
    const QByteArray exact = data.left(binaryJsonHeaderSize + int(rootSize));
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QJsonDocument document = QJsonDocument::fromBinaryData(exact, QJsonDocument::Validate);
    QT_WARNING_POP
    return document.object();
}

// A forged NaN or infinity would poison z-order arithmetic later on.
double finiteDouble(const QJsonValue &value, double fallback)
{
    const double number = value.toDouble(fallback);
    return std::isfinite(number) ? number : fallback;
}

void readRecords(const QJsonArray &array, MarkRecordList *records)
{
    static const char *const geometryKeys[] = {"idx", "x1", "y1", "x2", "y2", "maxw"};
    clearMarkRecords(*records);
    for (const QJsonValue &element : array) {
        const QJsonObject object = element.toObject();
        if (!object.contains(QLatin1String("type")))
            continue;
        auto record = new MarkRecord;
        record->type = object.value(QLatin1String("type")).toInt(0);
        bool complete = true;
        for (const char *key : geometryKeys)
            complete = complete && object.contains(QLatin1String(key));
        if (complete) {
            record->idx = finiteDouble(object.value(QLatin1String("idx")), -1.0);
            record->point1 = QPointF(object.value(QLatin1String("x1")).toInt(0),
                object.value(QLatin1String("y1")).toInt(0));
            record->point2 = QPointF(object.value(QLatin1String("x2")).toInt(0),
                object.value(QLatin1String("y2")).toInt(0));
            record->maxw = finiteDouble(object.value(QLatin1String("maxw")), -1.0);
            if (record->type == MarkComments)
                record->text = object.value(QLatin1String("text")).toString();
        }
        records->append(record);
    }
}

// Only the stored name's last component is kept, split at every separator either system
// uses (a drive's colon too), so the picture always lands inside the temporary directory.
QString safePictureName(const QString &stored)
{
    int start = 0;
    for (int i = 0; i < stored.size(); ++i) {
        const QChar c = stored.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            start = i + 1;
    }
    const QString name = stored.mid(start);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QChar(0)))
        return QString();
    return name;
}

bool extractPicture(QFile &document, qint64 offset, qint64 length, const QString &target)
{
    // QSaveFile writes through a symbolic link; one planted in the temporary directory
    // must not redirect the picture elsewhere.
    if (QFileInfo(target).isSymLink() && !QFile::remove(target))
        return false;
    QSaveFile file(target);
    if (!document.seek(offset) || !file.open(QIODevice::WriteOnly))
        return false;
    if (!copyBytes(document, file, length)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QJsonObject markObject(const MarkRecord &record)
{
    QJsonObject object;
    object.insert(QLatin1String("idx"), record.idx);
    object.insert(QLatin1String("type"), record.type);
    object.insert(QLatin1String("x1"), record.point1.x());
    object.insert(QLatin1String("y1"), record.point1.y());
    object.insert(QLatin1String("x2"), record.point2.x());
    object.insert(QLatin1String("y2"), record.point2.y());
    object.insert(QLatin1String("maxw"), record.maxw);
    if (record.type == MarkComments)
        object.insert(QLatin1String("text"), record.text);
    return object;
}

QByteArray documentData(
    const QString &pictureName, const MarkRecordList &records, double nextZValue)
{
    QJsonArray marks;
    for (const MarkRecord *record : records)
        marks.append(markObject(*record));
    QJsonObject document;
    document.insert(QLatin1String("filename"), pictureName);
    document.insert(QLatin1String("version"), appVersionText());
    document.insert(QLatin1String("min"), minDocumentVersionCode);
    document.insert(QLatin1String("youknown"), marks);
    document.insert(QLatin1String("z-value"), nextZValue);
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QByteArray data = QJsonDocument(document).toBinaryData();
    QT_WARNING_POP
    return data;
}
} // namespace

DocumentReadResult::~DocumentReadResult()
{
    clearMarkRecords(records);
}

DocumentReadResult::DocumentReadResult(DocumentReadResult &&other) noexcept
    : error(other.error)
    , picturePath(std::move(other.picturePath))
    , minVersionCode(other.minVersionCode)
    , zValue(other.zValue)
    , records(std::exchange(other.records, MarkRecordList()))
{
}

DocumentReadResult &DocumentReadResult::operator=(DocumentReadResult &&other) noexcept
{
    if (this != &other) {
        clearMarkRecords(records);
        error = other.error;
        picturePath = std::move(other.picturePath);
        minVersionCode = other.minVersionCode;
        zValue = other.zValue;
        records = std::exchange(other.records, MarkRecordList());
    }
    return *this;
}

MarkRecordList DocumentReadResult::takeRecords()
{
    return std::exchange(records, MarkRecordList());
}

DocumentReadResult readDocumentFile(const QString &path, const QString &tempDir)
{
    DocumentReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = DocumentError::CannotOpenDocument;
        return result;
    }
    QDataStream stream(&file);
    // The picture block is only measured here; its bytes are copied out once the rest passed.
    quint32 pictureLength = 0;
    qint64 pictureOffset = 0;
    QByteArray dataBlock;
    bool complete = readBlockLength(file, stream, &pictureLength);
    if (complete) {
        pictureOffset = file.pos();
        complete = file.seek(pictureOffset + pictureLength) && readBlock(file, stream, &dataBlock);
    }
    if (!complete || pictureLength == 0 || dataBlock.isEmpty()) {
        result.error = DocumentError::CannotReadDocument;
        return result;
    }

    const QJsonObject document = parseDocumentObject(dataBlock);
    result.minVersionCode = document.value(QLatin1String("min")).toInt(0);
    result.zValue = finiteDouble(document.value(QLatin1String("z-value")), 0.0);
    if (result.minVersionCode > versionCode) {
        result.error = DocumentError::VersionTooNew;
        return result;
    }

    const QString name = safePictureName(document.value(QLatin1String("filename")).toString());
    readRecords(document.value(QLatin1String("youknown")).toArray(), &result.records);

    if (name.isEmpty() || tempDir.isEmpty() || !QFileInfo(tempDir).isDir()) {
        result.error = DocumentError::CannotWritePicture;
        return result;
    }
    const QString target = joinPath(tempDir, name);
    if (!extractPicture(file, pictureOffset, pictureLength, target)) {
        result.error = DocumentError::CannotWritePicture;
        return result;
    }
    result.picturePath = target;
    return result;
}

DocumentError writeDocumentFile(const QString &target, const QString &picturePath,
    const MarkRecordList &records, double nextZValue)
{
    QFile picture(picturePath);
    if (!picture.open(QIODevice::ReadOnly))
        return DocumentError::CannotReadPicture;
    const qint64 pictureSize = picture.size();
    // An empty image block would make a document that no reader accepts. The first byte is
    // read before the target is touched, so a picture that cannot be read writes nothing.
    char first = 0;
    if (pictureSize <= 0 || pictureSize > qint64(maxBlockSize) || picture.peek(&first, 1) != 1)
        return DocumentError::CannotReadPicture;

    const QByteArray dataBlock
        = documentData(QFileInfo(picturePath).fileName(), records, nextZValue);
    OutputFile file(target);
    if (dataBlock.isEmpty() || !file.open())
        return DocumentError::CannotOpenOutput;
    QDataStream stream(file.device());
    // The length and bytes a QByteArray of the picture would be written as.
    stream << quint32(pictureSize);
    if (stream.status() != QDataStream::Ok || !copyBytes(picture, *file.device(), pictureSize)) {
        file.cancelWriting();
        return picture.error() == QFileDevice::NoError && picture.pos() == pictureSize
            ? DocumentError::CannotOpenOutput
            : DocumentError::CannotReadPicture;
    }
    stream << dataBlock;
    if (stream.status() != QDataStream::Ok) {
        file.cancelWriting();
        return DocumentError::CannotOpenOutput;
    }
    return file.commit() ? DocumentError::None : DocumentError::CannotOpenOutput;
}

QString documentErrorMessage(DocumentError error, int minVersionCode)
{
    switch (error) {
    case DocumentError::None:
        return QString();
    case DocumentError::CannotOpenDocument:
        return QCoreApplication::translate("DLEditor", "Could not open document file.");
    case DocumentError::CannotReadDocument:
        return QCoreApplication::translate("DLEditor", "Could not read document file.");
    case DocumentError::VersionTooNew:
        return QCoreApplication::translate("DLEditor",
            "This document request min version '%1.%2.%3'. "
            "which you are using '%4'.  File can not open. "
            "Please update application.")
            .arg(minVersionCode / 10000)
            .arg((minVersionCode % 10000) / 10)
            .arg(minVersionCode % 10)
            .arg(appVersionText());
    case DocumentError::CannotWritePicture:
        return QCoreApplication::translate(
            "DLEditor", "Could not parse image data. Open Failed. :(");
    case DocumentError::CannotReadPicture:
        return QCoreApplication::translate("DLEditor", "Could not save image file.");
    case DocumentError::CannotOpenOutput:
        return QCoreApplication::translate("DLEditor", "Could not open output file.");
    }
    return QString();
}
