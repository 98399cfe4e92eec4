#include "clanguagesetting.h"
#include "ui_clanguagesetting.h"

#include "preferences.h"
#include "translation.h"

#include <QSignalBlocker>

namespace {
struct LanguageEntry
{
    const char *code;
    const char *name;
};

// Each language is offered under its own name, untranslated.
const LanguageEntry languageEntries[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"ja", "日本語"},
    {"zhs", "简体中文"},
    {"zht", "繁體中文"},
    {"ko", "한국어"},
    {"fr", "Français"},
    {"it", "Italiano"},
    {"es", "Español"},
    {"pt", "Português"},
};
} // namespace

CLanguageSetting::CLanguageSetting(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CLanguageSetting>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setStyleSheet(QStringLiteral(".QWidget {background-color:rgb(40,43,53);}\n"
                                 ".QLabel {color : white;font-size: 13px;}\n"
                                 ".QComboBox {font-size: 12px;}"));
    fillLanguageList();
}

CLanguageSetting::~CLanguageSetting() = default;

void CLanguageSetting::fillLanguageList()
{
    const QString stored = readStringPreference(PrefKey::AppLanguage);
    currentLanguage = stored.isEmpty() ? systemLanguage() : stored;

    ui->notifyLabel->hide();
    // Showing the list is not a choice: only the user's own pick is stored.
    const QSignalBlocker blocker(ui->langList);
    ui->langList->clear();
    for (const LanguageEntry &entry : languageEntries)
        ui->langList->addItem(
            QIcon(), QString::fromUtf8(entry.name), QString::fromLatin1(entry.code));
    const int index = ui->langList->findData(currentLanguage);
    // Without a file of its own the interface runs in English, so English is what is current.
    if (index < 0)
        currentLanguage = QStringLiteral("en");
    ui->langList->setCurrentIndex(index < 0 ? 0 : index);
}

void CLanguageSetting::on_langList_currentIndexChanged(int index)
{
    const QString code = ui->langList->itemData(index, Qt::UserRole).toString();
    if (code.isEmpty())
        return;
    ui->notifyLabel->setVisible(code != currentLanguage);
    writePreference(PrefKey::AppLanguage, code);
}
