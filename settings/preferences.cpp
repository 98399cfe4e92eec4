#include "preferences.h"

#include "helpers.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {
// QSettings decodes "@Variant(...)" values through QDataStream, and some of Qt's own stream
// operators crash on forged data. Nothing we store holds an '@' or a backslash (the only way
// to spell one), so a file with either is not ours: it reads as absent.
bool isForeignFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char chunk[16384];
    qint64 length = 0;
    while ((length = file.read(chunk, sizeof(chunk))) > 0) {
        for (qint64 i = 0; i < length; ++i) {
            if (chunk[i] == '@' || chunk[i] == '\\')
                return true;
        }
    }
    return length < 0;
}

QVariant readPreference(const QString &key)
{
    const QString path = preferencesFilePath();
    if (isForeignFile(path))
        return QVariant();
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(key, QVariant());
}
} // namespace

QString preferencesFilePath()
{
    QDir dir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    dir.cd(productName());
    // The relative path is taken when the directory exists, not when it is missing.
    if (dir.exists())
        return QStringLiteral("./preferences.ini");
    // A fresh account may lack the data directory's parent; without it the
    // file would land somewhere else on the next call.
    QDir().mkpath(QDir::cleanPath(dir.absolutePath() + QStringLiteral("/..")));
    if (dir.cdUp()) {
        dir.mkdir(productName());
        dir.cd(productName());
    }
    return dir.path() + QDir::separator() + QStringLiteral("preferences.ini");
}

int readIntPreference(const QString &key)
{
    return readPreference(key).toInt();
}

bool readBoolPreference(const QString &key)
{
    return readPreference(key).toBool();
}

bool hasPreference(const QString &key)
{
    const QString path = preferencesFilePath();
    if (isForeignFile(path))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    return settings.contains(key);
}

QString readStringPreference(const QString &key)
{
    return readPreference(key).toString();
}

void writePreference(const QString &key, const QVariant &value)
{
    const QString path = preferencesFilePath();
    // Merging into a foreign file would decode it; its values were unusable anyway.
    if (isForeignFile(path))
        QFile::remove(path);
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}
