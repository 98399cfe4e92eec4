#include "clanguagesetting.h"

CLanguageSetting::CLanguageSetting(QWidget *parent)
    : QDialog(parent)
{
}

CLanguageSetting::~CLanguageSetting() = default;
