#include "translation.h"

#include "helpers.h"
#include "preferences.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QString systemLanguage()
{
    QString code = QLocale::system().name().left(2).toLower();
    if (code == QLatin1String("zh"))
        code = QStringLiteral("zhs");
    return code;
}

bool loadTranslation(const QString &code, QObject *parent)
{
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
