#include "cmainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMetaType>
#include <QMimeData>
#include <QUrl>

CMainWindow::CMainWindow(bool ownTitleBar, bool acceptFiles, QWidget *parent)
    : QMainWindow(parent)
    , acceptingFiles(acceptFiles)
{
    // Queued receivers of windowAcceptFiles look the argument type up by this name.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    if (ownTitleBar) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        setUnifiedTitleAndToolBarOnMac(true);
    }
}

CMainWindow::~CMainWindow() = default;

void CMainWindow::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    emit windowVisibleChanged(windowName, visible);
}

void CMainWindow::setAcceptFiles(bool accept)
{
    acceptingFiles = accept;
    setAcceptDrops(accept);
}

void CMainWindow::setAcceptSuffixes(const QVector<QString> &suffixes)
{
    acceptedSuffixes = suffixes;
}

bool CMainWindow::isAcceptedFile(const QString &path) const
{
    if (acceptedSuffixes.isEmpty())
        return true;
    return acceptedSuffixes.contains(QFileInfo(path).suffix().toLower());
}

void CMainWindow::closeEvent(QCloseEvent *event)
{
    emit windowClose(windowName);
    event->accept();
}

void CMainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptingFiles) {
        QWidget::dragEnterEvent(event);
        return;
    }
    const QMimeData *mime = event->mimeData();
    if (!mime || !mime->hasUrls())
        return;
    pendingFiles.clear();
    const QList<QUrl> urls = mime->urls();
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        // A URL that is no local file has no path to open, whatever the suffix list says.
        if (!path.isEmpty() && isAcceptedFile(path))
            pendingFiles.append(path);
    }
    if (!pendingFiles.isEmpty())
        event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent *event)
{
    if (!acceptingFiles) {
        QWidget::dropEvent(event);
        return;
    }
    if (pendingFiles.isEmpty())
        return;
    event->acceptProposedAction();
    const QVector<QString> files = pendingFiles;
    emit windowAcceptFiles(files);
    acceptFiles(files);
}

void CMainWindow::acceptFiles(const QVector<QString> &files)
{
    Q_UNUSED(files)
}
