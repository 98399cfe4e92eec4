#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the preferences file and calls every typed getter and the language
// lookup, verifying that the mark colour is a palette entry, the background one of the
// four choices and that no translation is taken from outside the languages directory,
// which the check keeps under root. Returns what broke, or an empty string.
QString checkPreferencesInput(const QByteArray &bytes, const QString &root);
