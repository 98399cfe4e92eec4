#include "caboutdialog.h"
#include "ui_caboutdialog.h"

#include "deployment.h"
#include "helpers.h"

#include <QDate>

CAboutDialog::CAboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CAboutDialog>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setStyleSheet(QStringLiteral(".QWidget {\nbackground-color:rgb(40,43,53);}\n"
                                 ".QLabel {color : white;font-size: 12px;}\n"
                                 "QLabel#appNameLabel {color : white;font-size: 24px;}\n"
                                 ".QToolButton {background-color: transparent;color: white;"
                                 "font-size: 12px;}"));
    ui->homeButton->setText(QStringLiteral(DIMLET_HOME_SHORT));
    ui->contractButton->setText(QStringLiteral(DIMLET_CONTACT_EMAIL));
    ui->homeButton->resize(ui->homeButton->width() + 20, ui->homeButton->height());
    ui->contractButton->resize(ui->contractButton->width() + 30, ui->contractButton->height());
}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::setAppInfo(const QString &name, const QString &version)
{
    ui->appNameLabel->setText(name);
    versionText = version;
}

void CAboutDialog::setContents(const QString &html)
{
    const QString year = QString::number(QDate::currentDate().year());
    QString page = html;
    page.replace(QLatin1String("#VERSION_NUMBER#"), versionText, Qt::CaseSensitive);
    page.replace(QLatin1String("#NOW_YEARS#"), year, Qt::CaseSensitive);
    page.replace(QLatin1String("#BUILD_DATE#"), buildDateText(), Qt::CaseSensitive);
    page.replace(QLatin1String("#FONT_SIZE#"), QLatin1String("9"), Qt::CaseSensitive);
    ui->aboutContents->setHtml(page);
}

void CAboutDialog::on_contractButton_clicked()
{
    openUrl(QStringLiteral("mailto:" DIMLET_CONTACT_EMAIL "?subject=%1").arg(productName()));
}

void CAboutDialog::on_homeButton_clicked()
{
    openUrl(QStringLiteral(DIMLET_HOME_URL));
}
