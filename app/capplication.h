#pragma once

#include <QApplication>
#include <QUrl>

// The application object; turns the desktop's request to open a file into a signal.
class CApplication : public QApplication
{
    Q_OBJECT
public:
    CApplication(int &argc, char **argv);

signals:
    void openURL(const QUrl &file);

protected:
    bool event(QEvent *event) override;
};
