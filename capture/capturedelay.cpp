#include "capturedelay.h"

#include "settings/preferences.h"

const QVector<int> &captureDelayChoices()
{
    static const QVector<int> choices {0, 2, 5};
    return choices;
}

int captureDelayFromValue(const QVariant &value)
{
    bool ok = false;
    const int seconds = value.toString().trimmed().toInt(&ok, 10);
    return ok && captureDelayChoices().contains(seconds) ? seconds : 0;
}

int captureDelaySeconds()
{
    return captureDelayFromValue(readStringPreference(PrefKey::CaptureDelay));
}

void setCaptureDelaySeconds(int seconds)
{
    writePreference(PrefKey::CaptureDelay, captureDelayFromValue(seconds));
}
