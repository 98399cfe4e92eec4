#include "dlsetting.h"

#include "marks/dlpalette.h"
#include "preferences.h"

#include <QPixmap>

DLSetting::DLSetting(QWidget *parent)
    : QDialog(parent)
{
}

DLSetting::~DLSetting() = default;

int DLSetting::changes() const
{
    return 0;
}

QRgb DLSetting::markColor()
{
    const QVector<QRgb> &palette = markPalette();
    if (palette.isEmpty())
        return 0xFFFF0000;
    const int index = readIntPreference(PrefKey::MarkColor);
    // A hand-edited file must never make us read outside the palette.
    return palette.value(index >= 0 && index < palette.size() ? index : 0);
}

int DLSetting::colorFormat()
{
    return readIntPreference(PrefKey::ColorFormat);
}

bool DLSetting::macProfile()
{
    return readBoolPreference(PrefKey::MacProfile);
}

bool DLSetting::flipY()
{
    return readBoolPreference(PrefKey::FlipY);
}

QBrush DLSetting::backgroundBrush()
{
    switch (readIntPreference(PrefKey::Background)) {
    case 0:
        return QBrush(QColor(0xFF32353F));
    case 1:
        return QBrush(QColor(0xFFFFFCE5));
    case 2:
        return QBrush(Qt::white);
    default:
        return QBrush(QPixmap(QStringLiteral(":/DL/images/DLBackground1.png")));
    }
}
