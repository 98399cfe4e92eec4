#include "xvfbdisplay.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

XvfbDisplay::~XvfbDisplay()
{
    stop();
}

bool XvfbDisplay::start(QSize screen, QString *error)
{
    server = std::make_unique<QProcess>();
    // -displayfd lets the server take the first free number itself, so journeys
    // running side by side never race for one.
    server->start(QStringLiteral("Xvfb"),
        QStringLiteral("-displayfd 1 -screen 0 %1x%2x24 -dpi 96 -nolisten tcp -noreset")
            .arg(screen.width())
            .arg(screen.height())
            .split(QLatin1Char(' ')));
    QByteArray announced;
    QDeadlineTimer deadline(15000);
    while (!announced.contains('\n') && !deadline.hasExpired()
        && server->state() != QProcess::NotRunning) {
        server->waitForReadyRead(100);
        announced += server->readAllStandardOutput();
    }
    bool ok = false;
    number = announced.trimmed().toInt(&ok);
    while (ok && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
        && !deadline.hasExpired())
        QThread::msleep(20);
    connection = ok ? XOpenDisplay(name().toLatin1().constData()) : nullptr;
    if (!connection)
        *error = QStringLiteral("Xvfb gave no display: ")
            + QString::fromLocal8Bit(server->readAllStandardError());
    return connection != nullptr;
}

void XvfbDisplay::stop()
{
    if (connection) {
        XCloseDisplay(connection);
        connection = nullptr;
    }
    if (server && server->state() != QProcess::NotRunning) {
        server->terminate();
        if (!server->waitForFinished(5000)) {
            server->kill();
            server->waitForFinished(2000);
        }
    }
    server.reset();
}

bool XvfbDisplay::setResources(const QByteArray &resources)
{
    if (!connection)
        return false;
    XChangeProperty(connection, DefaultRootWindow(connection),
        XInternAtom(connection, "RESOURCE_MANAGER", False), XA_STRING, 8, PropModeReplace,
        reinterpret_cast<const unsigned char *>(resources.constData()), resources.size());
    XSync(connection, False);
    return true;
}

QImage XvfbDisplay::grab() const
{
    if (!connection)
        return QImage();
    const Window root = DefaultRootWindow(connection);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(connection, root, &attributes))
        return QImage();
    XImage *shot = XGetImage(connection, root, 0, 0, unsigned(attributes.width),
        unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!shot)
        return QImage();
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < attributes.width; ++x)
            line[x] = 0xff000000u | quint32(XGetPixel(shot, x, y) & 0x00ffffffu);
    }
    XDestroyImage(shot);
    return image;
}
