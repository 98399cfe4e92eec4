#include "dlsetting.h"
#include "ui_dlsetting.h"

#include "marks/dlpalette.h"
#include "preferences.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace {
const QString patternImagePath = QStringLiteral(":/DL/images/DLBackground1.png");
constexpr QRgb darkBackground = 0xFF32353F;
constexpr QRgb lightBackground = 0xFFFFFCE5;
constexpr QRgb whiteBackground = 0xFFFFFFFF;
constexpr int backgroundChoices = 4;
constexpr int patternBackground = 3;
} // namespace

DLSetting::DLSetting(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DLSetting>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setStyleSheet(QStringLiteral(".QWidget {background-color:rgb(40,43,53);}\n"
                                 ".QLabel {color : white; font-size: 12px;}\n"
                                 ".QRadioButton { color: white; font-size: 12px;}\n"
                                 ".QCheckBox {color: white; font-size: 12px;}\n"
                                 ".QComboBox{font-size: 12px;}"));

    colorFormatAtOpening = readIntPreference(PrefKey::ColorFormat);
    macProfileAtOpening = readBoolPreference(PrefKey::MacProfile);
    markColorAtOpening = readIntPreference(PrefKey::MarkColor);
    backgroundAtOpening = readIntPreference(PrefKey::Background);
    flipYAtOpening = readBoolPreference(PrefKey::FlipY);

    // Showing the stored values is not a choice: nothing may be written while opening.
    checkColorFormatButton(colorFormatAtOpening);
    ui->mac_spceal->setChecked(macProfileAtOpening);
    populateLists();
}

DLSetting::~DLSetting() = default;

void DLSetting::populateLists()
{
    {
        const QSignalBlocker blocker(ui->colorListButton);
        ui->colorListButton->clear();
        const QVector<QRgb> &palette = markPalette();
        for (int i = 0; i < palette.size(); ++i)
            ui->colorListButton->addItem(colorIcon(palette.at(i)), QString(), i);
        // An index outside the palette shows the colour markColor() falls back to.
        const bool inPalette = markColorAtOpening >= 0 && markColorAtOpening < palette.size();
        ui->colorListButton->setCurrentIndex(inPalette ? markColorAtOpening : 0);
    }
    {
        const QSignalBlocker blocker(ui->bgListButton);
        ui->bgListButton->clear();
        for (int i = 0; i < backgroundChoices; ++i)
            ui->bgListButton->addItem(backgroundIcon(i), QString(), i);
        // Every unknown value paints the pattern, so the list shows the pattern.
        const bool known = backgroundAtOpening >= 0 && backgroundAtOpening < backgroundChoices;
        ui->bgListButton->setCurrentIndex(known ? backgroundAtOpening : patternBackground);
    }
    {
        const QSignalBlocker blocker(ui->originListButton);
        ui->originListButton->clear();
        ui->originListButton->addItem(tr("top left"), 0);
        ui->originListButton->addItem(tr("bottom left"), 1);
        ui->originListButton->setCurrentIndex(flipYAtOpening ? 1 : 0);
    }
}

QList<QRadioButton *> DLSetting::colorFormatButtons() const
{
    return {ui->defaultFmt, ui->rgbHex, ui->rgbFloat, ui->rgbInt, ui->rgbaHex, ui->rgbaFloat,
        ui->rgbaInt};
}

void DLSetting::checkColorFormatButton(int format)
{
    const QList<QRadioButton *> buttons = colorFormatButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        QRadioButton *button = buttons.at(i);
        if (i == format) {
            if (!button->isChecked())
                button->setChecked(true);
        } else if (button->isChecked()) {
            // An exclusive radio button refuses to be unchecked; an unknown format checks none.
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
}

void DLSetting::selectColorFormat(int format)
{
    checkColorFormatButton(format);
    writePreference(PrefKey::ColorFormat, format);
}

int DLSetting::changes() const
{
    int mask = 0;
    if (readIntPreference(PrefKey::ColorFormat) != colorFormatAtOpening)
        mask |= ChangedColorFormat;
    if (readBoolPreference(PrefKey::MacProfile) != macProfileAtOpening)
        mask |= ChangedMacProfile;
    if (readIntPreference(PrefKey::MarkColor) != markColorAtOpening)
        mask |= ChangedMarkColor;
    if (readIntPreference(PrefKey::Background) != backgroundAtOpening)
        mask |= ChangedBackground;
    if (readBoolPreference(PrefKey::FlipY) != flipYAtOpening)
        mask |= ChangedOrigin;
    return mask;
}

void DLSetting::on_mac_spceal_clicked()
{
    writePreference(PrefKey::MacProfile, !readBoolPreference(PrefKey::MacProfile));
}

void DLSetting::on_defaultFmt_clicked()
{
    selectColorFormat(0);
}

void DLSetting::on_rgbHex_clicked()
{
    selectColorFormat(1);
}

void DLSetting::on_rgbFloat_clicked()
{
    selectColorFormat(2);
}

void DLSetting::on_rgbInt_clicked()
{
    selectColorFormat(3);
}

void DLSetting::on_rgbaHex_clicked()
{
    selectColorFormat(4);
}

void DLSetting::on_rgbaFloat_clicked()
{
    selectColorFormat(5);
}

void DLSetting::on_rgbaInt_clicked()
{
    selectColorFormat(6);
}

void DLSetting::on_colorListButton_currentIndexChanged(int index)
{
    writePreference(PrefKey::MarkColor, index);
}

void DLSetting::on_originListButton_currentIndexChanged(int index)
{
    writePreference(PrefKey::FlipY, index != 0);
}

void DLSetting::on_bgListButton_currentIndexChanged(int index)
{
    writePreference(PrefKey::Background, index);
}

QIcon DLSetting::colorIcon(QRgb color)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(color));
    painter.drawRect(1, 1, 20, 20);
    painter.end();
    return QIcon(pixmap);
}

QIcon DLSetting::backgroundIcon(int index)
{
    switch (index) {
    case 0:
        return colorIcon(darkBackground);
    case 1:
        return colorIcon(lightBackground);
    case 2:
        return colorIcon(whiteBackground);
    default:
        return QIcon(patternImagePath);
    }
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
        return QBrush(QColor(darkBackground));
    case 1:
        return QBrush(QColor(lightBackground));
    case 2:
        return QBrush(QColor(whiteBackground));
    default:
        return QBrush(QPixmap(patternImagePath));
    }
}
