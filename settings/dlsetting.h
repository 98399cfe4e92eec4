#pragma once

#include <QBrush>
#include <QDialog>
#include <QIcon>
#include <QRgb>

#include <memory>

namespace Ui {
class DLSetting;
}
class QRadioButton;

// Bits of the settings change mask returned by DLSetting::changes().
enum SettingsChange {
    ChangedMarkColor = 1,
    ChangedColorFormat = 2,
    ChangedMacProfile = 4,
    ChangedBackground = 8,
    ChangedOrigin = 16,
};

// The settings dialog, and the typed getters through which the stored choices reach the canvas.
// Every choice is stored the moment it changes; changes() tells what differs from the opening.
class DLSetting : public QDialog
{
    Q_OBJECT
public:
    explicit DLSetting(QWidget *parent = nullptr);
    ~DLSetting() override;

    int changes() const;
    void selectColorFormat(int format);

    static QRgb markColor();
    static int colorFormat();
    static bool macProfile();
    static bool flipY();
    static QBrush backgroundBrush();

    static QIcon colorIcon(QRgb color);
    static QIcon backgroundIcon(int index);

private slots:
    void on_mac_spceal_clicked();
    void on_defaultFmt_clicked();
    void on_rgbHex_clicked();
    void on_rgbFloat_clicked();
    void on_rgbInt_clicked();
    void on_rgbaHex_clicked();
    void on_rgbaFloat_clicked();
    void on_rgbaInt_clicked();
    void on_colorListButton_currentIndexChanged(int index);
    void on_originListButton_currentIndexChanged(int index);
    void on_bgListButton_currentIndexChanged(int index);

private:
    QList<QRadioButton *> colorFormatButtons() const;
    void checkColorFormatButton(int format);
    void populateLists();

    std::unique_ptr<Ui::DLSetting> ui;
    int colorFormatAtOpening = 0;
    bool macProfileAtOpening = false;
    bool flipYAtOpening = false;
    int markColorAtOpening = 0;
    int backgroundAtOpening = 0;
};
