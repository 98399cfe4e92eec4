#pragma once

#include <QPointF>
#include <QSize>
#include <QString>

#include <functional>

class QUrl;

// The product's display name, also the name of the preferences directory.
QString productName();

// a without its trailing native separators, one native separator, b without its leading ones.
QString joinPath(const QString &a, const QString &b);
QString languagesDirPath();
// Tests point the translation lookup at a directory of their own; empty restores the default.
void setLanguagesDirOverride(const QString &dir);
bool fileExists(const QString &path);
QString fileNameOf(const QString &path);
QString baseNameOf(const QString &path);
QString homeDirPath();
QString tempDirPath();
void openUrl(const QString &text);
// Replaces the desktop's URL opener (tests record instead of launching a browser); an empty
// function restores it. Returns the opener that was installed before.
std::function<void(const QUrl &)> setUrlOpener(std::function<void(const QUrl &)> opener);
QString readTextFile(const QString &path);

// Size of the primary screen; tests may replace where it comes from.
QSize screenSize();
void setScreenSizeProvider(std::function<QSize()> provider);

// Sign test; points on an edge line count with the non-negative side.
bool pointInTriangle(const QPointF &p, const QPointF &a, const QPointF &b, const QPointF &c);

QString buildDateText();
