#pragma once

#include <QDialog>

// Lets the user choose the interface language for the next start.
class CLanguageSetting : public QDialog
{
    Q_OBJECT
public:
    explicit CLanguageSetting(QWidget *parent = nullptr);
    ~CLanguageSetting() override;
};
