#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDialog;
}

// Shows the product name, version, build date and notices.
class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget *parent = nullptr);
    ~CAboutDialog() override;

    void setAppInfo(const QString &name, const QString &version);
    // Fills the page template's placeholders and shows the result.
    void setContents(const QString &html);

private slots:
    void on_contractButton_clicked();
    void on_homeButton_clicked();

private:
    QString versionText;
    std::unique_ptr<Ui::CAboutDialog> ui;
};
