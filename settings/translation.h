#pragma once

#include <QObject>
#include <QString>

// The system locale's language code; every Chinese locale maps to "zhs".
QString systemLanguage();
// Installs languages/dimlet_<code>.qm when it exists; true when the file exists.
bool loadTranslation(const QString &code, QObject *parent);
// The stored language, else the system's, else English.
void installStartupTranslation(QObject *parent);
