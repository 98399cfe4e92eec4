#include "updateoffer.h"

#include "app/version.h"
#include "deployment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUrl>
#include <QVector>

namespace {
// Qt 5.15's JSON parser leaks the first value of a key that an object repeats. A description
// never repeats a key nor escapes one, so such a body is refused before it is parsed. The scan
// is lenient: it never stops before the parser would, so no repeat it reads can slip by.
bool repeatsOrEscapesKey(const QByteArray &json)
{
    struct Level
    {
        bool object;
        QSet<QByteArray> keys;
    };
    QVector<Level> levels;
    bool expectKey = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '"') {
            const int start = ++i;
            bool escaped = false;
            while (i < json.size() && json.at(i) != '"') {
                if (json.at(i) == '\\') {
                    escaped = true;
                    ++i;
                }
                ++i;
            }
            if (expectKey && !levels.isEmpty() && levels.last().object) {
                const QByteArray key = json.mid(start, i - start);
                if (escaped || levels.last().keys.contains(key))
                    return true;
                levels.last().keys.insert(key);
            }
            expectKey = false;
        } else if (c == '{' || c == '[') {
            levels.append(Level {c == '{', {}});
            expectKey = c == '{';
        } else if (c == '}' || c == ']') {
            if (!levels.isEmpty())
                levels.removeLast();
            expectKey = false;
        } else if (c == ',') {
            expectKey = !levels.isEmpty() && levels.last().object;
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            expectKey = false;
        }
    }
    return false;
}
} // namespace

std::optional<UpdateOffer> updateOfferFrom(const QByteArray &description)
{
    if (repeatsOrEscapesKey(description))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(description);
    if (document.isNull() || !document.isObject())
        return std::nullopt;

    const QJsonObject object = document.object();
    UpdateOffer offer;
    offer.version = object.value(QLatin1String("version")).toString();
    if (offer.version.compare(appVersionText(), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    offer.date = object.value(QLatin1String("date")).toString();
    offer.note = object.value(QLatin1String("note")).toString();
    offer.note.replace(QLatin1Char('@'), QLatin1Char('\n'));
    return offer;
}

QString updateDescriptionUrl()
{
    QString address = qEnvironmentVariable("DIMLET_UPDATE_URL");
    if (address.isEmpty())
        address = QStringLiteral(DIMLET_DEFAULT_UPDATE_URL);
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();
    return address;
}

QString downloadPageUrl()
{
    return QStringLiteral(DIMLET_DOWNLOAD_URL);
}
