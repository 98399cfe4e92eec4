#include "updateoffer.h"

#include "app/version.h"
#include "deployment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

std::optional<UpdateOffer> updateOfferFrom(const QByteArray &description)
{
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
