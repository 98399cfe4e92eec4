#pragma once

#include <QString>
#include <QVariant>

// Keys of preferences.ini.
namespace PrefKey {
inline const QString MarkColor = QStringLiteral("dl_mark_color");
inline const QString ColorFormat = QStringLiteral("dl_color_fmt");
inline const QString MacProfile = QStringLiteral("dl_mac_profile");
inline const QString Background = QStringLiteral("dl_background");
inline const QString FlipY = QStringLiteral("dl_flipY");
inline const QString AppLanguage = QStringLiteral("app_language");
inline const QString CaptureDelay = QStringLiteral("capture_delay");
} // namespace PrefKey

// Where preferences.ini lives; computed afresh on every call.
QString preferencesFilePath();

// Each access opens the file anew, so a value written anywhere is seen by the next read.
int readIntPreference(const QString &key);
bool readBoolPreference(const QString &key);
bool hasPreference(const QString &key);
QString readStringPreference(const QString &key);
void writePreference(const QString &key, const QVariant &value);
