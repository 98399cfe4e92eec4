#include "preferencescheck.h"

#include "marks/dlpalette.h"
#include "settings/dlsetting.h"
#include "settings/helpers.h"
#include "settings/preferences.h"
#include "settings/translation.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {
QString checkBackground(const QBrush &brush)
{
    if (brush.style() == Qt::SolidPattern) {
        const QRgb color = brush.color().rgba();
        if (color != 0xFF32353F && color != 0xFFFFFCE5 && color != 0xFFFFFFFF)
            return QStringLiteral("background colour %1 is no choice").arg(color, 8, 16);
        return QString();
    }
    if (brush.style() != Qt::TexturePattern || brush.textureImage().isNull())
        return QStringLiteral("background is neither a colour nor the pattern");
    return QString();
}

// Settings files that change within one timestamp tick look unchanged to QSettings,
// which would then answer from the previous input.
void giveDistinctTimestamp(QFile &file)
{
    static qint64 tick = 0;
    file.setFileTime(QDateTime::fromMSecsSinceEpoch(1000000000000LL + 1000 * ++tick),
        QFileDevice::FileModificationTime);
}
} // namespace

QString checkPreferencesInput(const QByteArray &bytes, const QString &root)
{
    QFile file(preferencesFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(file.fileName());
    giveDistinctTimestamp(file);
    file.close();

    const QRgb color = DLSetting::markColor();
    if (!markPalette().contains(color))
        return QStringLiteral("mark colour %1 is not a palette entry").arg(color, 8, 16);
    const QString background = checkBackground(DLSetting::backgroundBrush());
    if (!background.isEmpty())
        return background;
    // Passed through unguarded by design; reading it must still be harmless.
    DLSetting::colorFormat();
    DLSetting::macProfile();
    DLSetting::flipY();

    const QString languages = QDir(root).absoluteFilePath(QStringLiteral("languages"));
    QDir().mkpath(languages);
    QFile known(QDir(languages).filePath(QStringLiteral("dimlet_de.qm")));
    known.open(QIODevice::WriteOnly);
    known.close();
    setLanguagesDirOverride(languages);
    const QString code = hasPreference(PrefKey::AppLanguage)
        ? readStringPreference(PrefKey::AppLanguage)
        : QString();
    QObject owner;
    const bool loaded = loadTranslation(code, &owner);
    setLanguagesDirOverride(QString());
    if (loaded) {
        const QFileInfo taken(QDir(languages).filePath(QStringLiteral("dimlet_%1.qm").arg(code)));
        if (!taken.isFile() || taken.canonicalPath() != QFileInfo(languages).canonicalFilePath())
            return QStringLiteral("translation '%1' taken from outside the languages directory")
                .arg(code);
    }
    return QString();
}
