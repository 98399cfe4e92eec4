#include "cupdatenotifier.h"
#include "ui_cupdatenotifier.h"

#include "app/version.h"
#include "settings/helpers.h"
#include "updateoffer.h"

#include <QSettings>

namespace {
UpdateNotifierRunner &installedRunner()
{
    static UpdateNotifierRunner runner;
    return runner;
}
} // namespace

CUpdateNotifier::CUpdateNotifier(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CUpdateNotifier>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    ui->curVerLabel->setText(
        QStringLiteral("Application current version: %1").arg(appVersionText()));
}

CUpdateNotifier::~CUpdateNotifier() = default;

void CUpdateNotifier::setVersionInfo(const QString &version, const QString &date)
{
    ui->newVerLabel->setText(
        QStringLiteral("Latest version: %1 , release at: %2").arg(version, date));
}

void CUpdateNotifier::setNote(const QString &text)
{
    ui->changedLabel->setText(text);
}

void CUpdateNotifier::on_yesButton_clicked()
{
    openUrl(downloadPageUrl());
    close();
}

void CUpdateNotifier::on_laterButton_clicked()
{
    // The default per-user store, deliberately apart from preferences.ini.
    QSettings settings;
    settings.setValue(QStringLiteral("_keyUpdateReject"), true);
    settings.sync();
    close();
}

void CUpdateNotifier::on_closeButton_clicked()
{
    close();
}

void runUpdateNotifier(CUpdateNotifier &notifier)
{
    if (installedRunner())
        installedRunner()(notifier);
    else
        notifier.exec();
}

UpdateNotifierRunner setUpdateNotifierRunner(UpdateNotifierRunner runner)
{
    UpdateNotifierRunner previous = std::move(installedRunner());
    installedRunner() = std::move(runner);
    return previous;
}
