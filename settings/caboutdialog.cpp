#include "caboutdialog.h"

CAboutDialog::CAboutDialog(QWidget *parent)
    : QDialog(parent)
{
}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::setAppInfo(const QString &name, const QString &version)
{
    Q_UNUSED(name)
    Q_UNUSED(version)
}

void CAboutDialog::setContents(const QString &html)
{
    Q_UNUSED(html)
}
