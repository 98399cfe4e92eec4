#include "capturefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>

QString captureFileName(const QString &stem, const QDateTime &when, qreal devicePixelRatio)
{
    const QString retina = qFuzzyCompare(devicePixelRatio, 2.0) ? QStringLiteral("@2x") : QString();
    return QStringLiteral("%1 %2%3.png")
        .arg(stem, when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")), retina);
}

QString keepCapture(const QImage &picture, const QString &directory, const QString &name)
{
    if (picture.isNull() || directory.isEmpty() || !QFileInfo(directory).isDir())
        return QString();
    QString path = QDir(directory).filePath(name);
    if (QFileInfo::exists(path)) {
        QTemporaryDir fresh(QDir(directory).filePath(QStringLiteral("capture-XXXXXX")));
        if (!fresh.isValid())
            return QString();
        fresh.setAutoRemove(false);
        path = fresh.filePath(name);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QImageWriter writer(&file, "png");
    if (!writer.write(picture) || !file.commit())
        return QString();
    return path;
}
