#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CLanguageSetting;
}

// Lets the user choose the interface language for the next start.
class CLanguageSetting : public QDialog
{
    Q_OBJECT
public:
    explicit CLanguageSetting(QWidget *parent = nullptr);
    ~CLanguageSetting() override;

public slots:
    void on_langList_currentIndexChanged(int index);

private:
    void fillLanguageList();

    std::unique_ptr<Ui::CLanguageSetting> ui;
    QString currentLanguage;
};
