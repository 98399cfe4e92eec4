#include "translation.h"

#include "helpers.h"
#include "preferences.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {
std::function<QLocale()> &systemLocaleProvider()
{
    static std::function<QLocale()> provider;
    return provider;
}
} // namespace

void setSystemLocaleProvider(std::function<QLocale()> provider)
{
    systemLocaleProvider() = std::move(provider);
}

QString systemLanguage()
{
    const QLocale locale = systemLocaleProvider() ? systemLocaleProvider()() : QLocale::system();
    QString code = locale.name().left(2).toLower();
    if (code == QLatin1String("zh"))
        code = QStringLiteral("zhs");
    return code;
}

bool loadTranslation(const QString &code, QObject *parent)
{
    // The code comes from a hand-editable file: it must not lead out of the languages directory.
    static const QRegularExpression plainCode(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (!plainCode.match(code).hasMatch())
        return false;
    const QString fileName = QStringLiteral("%1_%2.qm").arg(QStringLiteral("dimlet"), code);
    const QString path = joinPath(languagesDirPath(), fileName);
    if (!fileExists(path))
        return false;
    auto *translator = new QTranslator(parent);
    translator->load(path);
    QCoreApplication::installTranslator(translator);
    return true;
}

void installStartupTranslation(QObject *parent)
{
    if (hasPreference(PrefKey::AppLanguage)
        && loadTranslation(readStringPreference(PrefKey::AppLanguage), parent))
        return;
    const QString system = systemLanguage();
    if (loadTranslation(system, parent))
        return;
    if (system != QLatin1String("en"))
        loadTranslation(QStringLiteral("en"), parent);
}
