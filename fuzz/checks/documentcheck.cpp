#include "documentcheck.h"

#include "editor/dldocument.h"
#include "marks/dlmarktypes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>

namespace {
const QString inputName = QStringLiteral("input.dld");
// Nested, so that a name climbing up one or two levels would still land inside root.
const QString tempSubPath = QStringLiteral("outer/inner/temp");

QStringList entriesBelow(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(root).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

// The first block as a well-formed document stores it, or a null array when there is none.
QByteArray firstBlock(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return QByteArray();
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    if (qint64(length) > qint64(bytes.size()) - 4)
        return QByteArray();
    return bytes.mid(4, int(length));
}

QString checkRecords(const DocumentReadResult &result)
{
    if (!std::isfinite(result.zValue))
        return QStringLiteral("z-value is not finite");
    for (const MarkRecord *record : result.records) {
        if (!record)
            return QStringLiteral("null record");
        if (!std::isfinite(record->idx) || !std::isfinite(record->maxw))
            return QStringLiteral("record with a value that is not finite");
        for (const QPointF &p : {record->point1, record->point2}) {
            if (p.x() != std::floor(p.x()) || p.y() != std::floor(p.y()))
                return QStringLiteral("record point is not a whole pixel");
        }
        if (record->type != MarkComments && !record->text.isEmpty())
            return QStringLiteral("text on a mark that is not a comment");
    }
    return QString();
}

QString checkOutcome(const DocumentReadResult &result, const QByteArray &bytes, const QString &root,
    const QString &tempDir)
{
    const QStringList expectedAlways
        = {QStringLiteral("outer"), QStringLiteral("outer/inner"), tempSubPath, inputName};
    QStringList entries = entriesBelow(root);
    for (const QString &entry : expectedAlways) {
        if (!entries.removeOne(entry))
            return QStringLiteral("%1 disappeared").arg(entry);
    }
    if (entries.size() > 1)
        return QStringLiteral("more than one file written: %1").arg(entries.join(", "));

    if (result.error != DocumentError::None) {
        if (!result.picturePath.isEmpty())
            return QStringLiteral("picture path given with an error");
        if (!entries.isEmpty())
            return QStringLiteral("a failed read left %1").arg(entries.first());
        if (result.error == DocumentError::CannotReadDocument && !result.records.isEmpty())
            return QStringLiteral("records from an unreadable document");
        if (result.error == DocumentError::VersionTooNew && !result.records.isEmpty())
            return QStringLiteral("records from a refused document");
        return checkRecords(result);
    }

    if (entries.size() != 1)
        return QStringLiteral("success without an extracted picture");
    const QFileInfo written(QDir(root).filePath(entries.first()));
    const QFileInfo claimed(result.picturePath);
    if (written.absoluteDir() != QDir(tempDir) || !written.isFile() || written.isSymLink())
        return QStringLiteral("picture not a plain file directly in the temporary directory: %1")
            .arg(entries.first());
    if (claimed.absoluteFilePath() != written.absoluteFilePath())
        return QStringLiteral("picture path %1 is not the file written").arg(result.picturePath);
    QFile picture(written.absoluteFilePath());
    if (!picture.open(QIODevice::ReadOnly))
        return QStringLiteral("extracted picture cannot be read back");
    const QByteArray expected = firstBlock(bytes);
    if (expected.isEmpty() || picture.readAll() != expected)
        return QStringLiteral("extracted picture differs from the document's picture block");
    return checkRecords(result);
}
} // namespace

QString checkDocumentInput(const QByteArray &bytes, const QString &root)
{
    QDir rootDir(root);
    const QString tempDir = rootDir.absoluteFilePath(tempSubPath);
    const QString input = rootDir.absoluteFilePath(inputName);
    if (!QDir().mkpath(tempDir))
        return QStringLiteral("cannot prepare %1").arg(tempDir);
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(input);
    file.close();

    const DocumentReadResult result = readDocumentFile(input, tempDir);
    const QString failure = checkOutcome(result, bytes, root, tempDir);

    QDir(rootDir.absoluteFilePath(QStringLiteral("outer"))).removeRecursively();
    QFile::remove(input);
    for (const QString &left : entriesBelow(root))
        rootDir.remove(left);
    return failure;
}
