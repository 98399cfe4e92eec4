#pragma once

#include <QMainWindow>
#include <QString>
#include <QVector>

// A main window that takes files dropped from the desktop, filtered by suffix, and
// reports closing, visibility changes and accepted drops as signals carrying its name.
class CMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    CMainWindow(bool ownTitleBar, bool acceptFiles, QWidget *parent = nullptr);
    ~CMainWindow() override;

    void setVisible(bool visible) override;

    void setAcceptFiles(bool accept);
    void setAcceptSuffixes(const QVector<QString> &suffixes);
    bool isAcceptedFile(const QString &path) const;

signals:
    void windowClose(QString name);
    void windowVisibleChanged(QString name, bool visible);
    void windowAcceptFiles(QVector<QString>);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    // Receives the accepted paths of a drop, in drag order.
    virtual void acceptFiles(const QVector<QString> &files);

private:
    QString windowName = QStringLiteral("unnamed");
    bool acceptingFiles = false;
    QVector<QString> pendingFiles;
    QVector<QString> acceptedSuffixes;
};
