#pragma once

#include <QBrush>
#include <QDialog>
#include <QRgb>

// Bits of the settings change mask returned by DLSetting::changes().
enum SettingsChange {
    ChangedMarkColor = 1,
    ChangedColorFormat = 2,
    ChangedMacProfile = 4,
    ChangedBackground = 8,
    ChangedOrigin = 16,
};

// The settings dialog, and the typed getters through which the stored choices reach the canvas.
class DLSetting : public QDialog
{
    Q_OBJECT
public:
    explicit DLSetting(QWidget *parent = nullptr);
    ~DLSetting() override;

    int changes() const;

    static QRgb markColor();
    static int colorFormat();
    static bool macProfile();
    static bool flipY();
    static QBrush backgroundBrush();
};
