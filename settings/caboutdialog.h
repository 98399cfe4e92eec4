#pragma once

#include <QDialog>

// Shows the product name, version, build date and notices.
class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget *parent = nullptr);
    ~CAboutDialog() override;

    void setAppInfo(const QString &name, const QString &version);
    void setContents(const QString &html);
};
