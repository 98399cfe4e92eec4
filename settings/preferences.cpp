#include "preferences.h"

#include "helpers.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return settings.value(key, QVariant()).toInt();
}

bool readBoolPreference(const QString &key)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return settings.value(key, QVariant()).toBool();
}

bool hasPreference(const QString &key)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return settings.contains(key);
}

QString readStringPreference(const QString &key)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return settings.value(key, QVariant()).toString();
}

void writePreference(const QString &key, const QVariant &value)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}
