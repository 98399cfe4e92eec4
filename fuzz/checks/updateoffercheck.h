#pragma once

#include <QByteArray>
#include <QString>

// Hands bytes to the offer decision as the update check would receive them and verifies
// that an offer is made only for a JSON object naming another version, showing what was
// served with its notes' "@" turned into line breaks. Returns what broke, or an empty string.
QString checkUpdateReply(const QByteArray &bytes);
