#include "translation.h"

#include "helpers.h"
#include "preferences.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {
std::function<QLocale()> &systemLocaleProvider()
{
    static std::function<QLocale()> provider;
    return provider;
}

// The toolkit's own texts (standard buttons, file dialogs) come from the system's Qt
// translations, which are named by locale rather than by our codes. English is built in.
void loadToolkitTranslation(const QString &code, QObject *parent)
{
    static const QHash<QString, QString> locales {{QStringLiteral("pt"), QStringLiteral("pt_BR")},
        {QStringLiteral("zhs"), QStringLiteral("zh_CN")},
        {QStringLiteral("zht"), QStringLiteral("zh_TW")}};
    if (code == QLatin1String("en"))
        return;
    auto *translator = new QTranslator(parent);
    if (translator->load(QStringLiteral("qtbase_") + locales.value(code, code),
            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
    loadToolkitTranslation(code, parent);
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
