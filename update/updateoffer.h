#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the offer dialog shows: the served version, its date and the notes with
// every "@" turned into a line break.
struct UpdateOffer
{
    QString version;
    QString date;
    QString note;
};

// The offer for a fetched update description, or none when the body is not a JSON
// object or names the running version.
std::optional<UpdateOffer> updateOfferFrom(const QByteArray &description);

// The configured description address, overridden by DIMLET_UPDATE_URL; empty when the
// address is not an http or https URL, so nothing is fetched.
QString updateDescriptionUrl();

QString downloadPageUrl();
