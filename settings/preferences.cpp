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
    // One that exists but cannot be read cannot be merged into either.
    if (!file.open(QIODevice::ReadOnly))
        return file.exists();
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

// While the file is not ours, changes live here for the rest of the run: storing them would
// mean rewriting a file we cannot read, and the user still sees the change take effect.
QVariantHash &unstoredChanges()
{
    static QVariantHash changes;
    return changes;
}

QVariant readPreference(const QString &key)
{
    const QString path = preferencesFilePath();
    if (isForeignFile(path))
        return unstoredChanges().value(key);
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
        return unstoredChanges().contains(key);
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
    if (isForeignFile(path)) {
        unstoredChanges().insert(key, value);
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}
