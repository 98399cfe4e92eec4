#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

// The system locale's language code; every Chinese locale maps to "zhs".
QString systemLanguage();
// Tests stand in a locale of their choosing; an empty function restores QLocale::system().
void setSystemLocaleProvider(std::function<QLocale()> provider);
// Installs languages/dimlet_<code>.qm when it exists, with the toolkit's own translation for
// the same language; true when our file exists.
bool loadTranslation(const QString &code, QObject *parent);
// The stored language, else the system's, else English.
void installStartupTranslation(QObject *parent);
