#pragma once

#include <QVariant>
#include <QVector>

// The seconds a capture waits after the window hides, so a menu can be opened first.
const QVector<int> &captureDelayChoices();

// A stored value that is not exactly one of the choices reads as no delay.
int captureDelayFromValue(const QVariant &value);

int captureDelaySeconds();
void setCaptureDelaySeconds(int seconds);
