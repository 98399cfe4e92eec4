#include "screengrabber.h"

#include "portalscreenshot.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>

namespace {
// As for pictures opened from files: a forged file must not make us allocate gigabytes.
constexpr qint64 maxPicturePixels = qint64(16384) * 16384;
} // namespace

ScreenGrabber::Method ScreenGrabber::methodFor(
    const QString &sessionType, const QString &platformName)
{
    if (sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return Method::Portal;
    if (platformName == QLatin1String("xcb"))
        return Method::X11;
    return Method::None;
}

ScreenGrabber::ScreenGrabber(QObject *parent)
    : QObject(parent)
{
}

void ScreenGrabber::grab()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    ratio = screen ? screen->devicePixelRatio() : 1.0;
    screenGeometry = screen ? screen->geometry() : QRect();

    switch (methodFor(qEnvironmentVariable("XDG_SESSION_TYPE"), QGuiApplication::platformName())) {
    case Method::X11: {
        const QImage picture = screen ? screen->grabWindow(0).toImage() : QImage();
        if (picture.isNull())
            emit failed(tr("The screen could not be captured."));
        else
            emit grabbed(picture, ratio, screenGeometry);
        return;
    }
    case Method::Portal:
        if (!portal) {
            portal = new PortalScreenshot(this);
            connect(portal, &PortalScreenshot::finished, this, &ScreenGrabber::takeFromPortalFile);
            connect(portal, &PortalScreenshot::failed, this, &ScreenGrabber::failed);
        }
        portal->request();
        return;
    case Method::None:
        break;
    }
    emit failed(tr("The screen cannot be captured on this desktop."));
}

void ScreenGrabber::takeFromPortalFile(const QString &path)
{
    QImage picture;
    // Only a plain file: a pipe or a device named by the reply could block the read forever.
    QImageReader reader(path);
    const QSize size = QFileInfo(path).isFile() ? reader.size() : QSize();
    if (size.isValid() && qint64(size.width()) * size.height() <= maxPicturePixels)
        picture = reader.read();
    if (picture.isNull())
        emit failed(tr("The screenshot from the desktop's screenshot service could not be read."));
    else
        emit grabbed(picture, ratio, screenGeometry);
}
