#include "updateoffercheck.h"

#include "update/updateoffer.h"

#include <QJsonDocument>
#include <QJsonObject>

QString checkUpdateReply(const QByteArray &bytes)
{
    // A refusal cannot be cross-checked: bodies that repeat or escape a key are refused before
    // parsing, and parsing them here would leak inside Qt. An offer must match what was served.
    const std::optional<UpdateOffer> offer = updateOfferFrom(bytes);
    if (!offer)
        return QString();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return QStringLiteral("offer made for a reply that is not a JSON object");

    const QJsonObject object = document.object();
    const QString served = object.value(QLatin1String("version")).toString();
    if (served.compare(QLatin1String("1.0.0"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("offer made for the running version");
    if (offer->version != served)
        return QStringLiteral("offer shows another version than served");
    if (offer->date != object.value(QLatin1String("date")).toString())
        return QStringLiteral("offer shows another date than served");
    const QString note = object.value(QLatin1String("note")).toString();
    if (offer->note.contains(QLatin1Char('@')) || offer->note.size() != note.size()
        || offer->note.count(QLatin1Char('\n'))
            != note.count(QLatin1Char('\n')) + note.count(QLatin1Char('@')))
        return QStringLiteral("notes not split at every \"@\"");
    return QString();
}
