#include "helpers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

QString productName()
{
    return QStringLiteral("Dimlet");
}

QString joinPath(const QString &a, const QString &b)
{
    const QChar sep = QDir::separator();
    int end = a.size();
    while (end > 0 && a.at(end - 1) == sep)
        --end;
    int begin = 0;
    while (begin < b.size() && b.at(begin) == sep)
        ++begin;
    return a.left(end) + sep + b.mid(begin);
}

namespace {
QString &languagesDirOverride()
{
    static QString dir;
    return dir;
}

std::function<void(const QUrl &)> &urlOpener()
{
    static std::function<void(const QUrl &)> opener;
    return opener;
}
} // namespace

QString languagesDirPath()
{
    if (!languagesDirOverride().isEmpty())
        return languagesDirOverride();
    return joinPath(QCoreApplication::applicationDirPath(), QStringLiteral("languages"));
}

void setLanguagesDirOverride(const QString &dir)
{
    languagesDirOverride() = dir;
}

bool fileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString baseNameOf(const QString &path)
{
    return QFileInfo(path).baseName();
}

QString homeDirPath()
{
    return QDir::homePath();
}

QString tempDirPath()
{
    const QStringList dirs = QStandardPaths::locateAll(
        QStandardPaths::TempLocation, QString(), QStandardPaths::LocateDirectory);
    return dirs.isEmpty() ? QString() : dirs.first();
}

void openUrl(const QString &text)
{
    const QUrl url(text, QUrl::TolerantMode);
    if (urlOpener())
        urlOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

std::function<void(const QUrl &)> setUrlOpener(std::function<void(const QUrl &)> opener)
{
    std::function<void(const QUrl &)> previous = std::move(urlOpener());
    urlOpener() = std::move(opener);
    return previous;
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    const QString text = stream.readAll();
    file.close();
    return text;
}

namespace {
std::function<QSize()> &screenSizeProvider()
{
    static std::function<QSize()> provider;
    return provider;
}
} // namespace

QSize screenSize()
{
    if (screenSizeProvider())
        return screenSizeProvider()();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QRect r = QApplication::desktop()->screenGeometry(-1);
    QT_WARNING_POP
    return QSize(r.right() - r.left() + 1, r.bottom() - r.top() + 1);
}

void setScreenSizeProvider(std::function<QSize()> provider)
{
    screenSizeProvider() = std::move(provider);
}

bool pointInTriangle(const QPointF &p, const QPointF &a, const QPointF &b, const QPointF &c)
{
    auto cross = [&p](const QPointF &u, const QPointF &v) {
        const double value = (p.x() - v.x()) * (u.y() - v.y()) - (u.x() - v.x()) * (p.y() - v.y());
        return static_cast<float>(value);
    };
    const bool s1 = cross(b, c) < 0.0f;
    const bool s2 = cross(a, b) < 0.0f;
    const bool s3 = cross(c, a) < 0.0f;
    return s1 == s2 && s1 == s3;
}

QString buildDateText()
{
    return QStringLiteral("2018-06-14");
}
