#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class CUpdateNotifier;
}

// Offers a newer version: both versions, the release date and the notes.
class CUpdateNotifier : public QDialog
{
    Q_OBJECT
public:
    explicit CUpdateNotifier(QWidget *parent = nullptr);
    ~CUpdateNotifier() override;

    void setVersionInfo(const QString &version, const QString &date);
    void setNote(const QString &text);

private slots:
    void on_yesButton_clicked();
    void on_laterButton_clicked();
    void on_closeButton_clicked();

private:
    std::unique_ptr<Ui::CUpdateNotifier> ui;
};

using UpdateNotifierRunner = std::function<void(CUpdateNotifier &)>;

// Shows a filled-in offer; by default modally with exec(). Tests replace the runner.
void runUpdateNotifier(CUpdateNotifier &notifier);

// An empty runner restores exec(). Returns the previous runner.
UpdateNotifierRunner setUpdateNotifierRunner(UpdateNotifierRunner runner);
