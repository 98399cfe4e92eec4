#include "xvfbdisplay.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {
constexpr int startTimeoutMs = 15000;
}

XvfbDisplay::~XvfbDisplay()
{
    stop();
}

bool XvfbDisplay::start(QSize screen, QString *error)
{
    server = std::make_unique<QProcess>();
    server->setProcessChannelMode(QProcess::SeparateChannels);
    // -displayfd lets the server take the first free number itself, so journeys
    // running side by side never race for one.
    server->start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"),
            QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
            QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
            QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server->waitForStarted(startTimeoutMs)) {
        *error = QStringLiteral("Xvfb did not start: %1").arg(server->errorString());
        return false;
    }
    QByteArray announced;
    QDeadlineTimer deadline(startTimeoutMs);
    while (!announced.contains('\n') && !deadline.hasExpired()
        && server->state() == QProcess::Running) {
        server->waitForReadyRead(100);
        announced += server->readAllStandardOutput();
    }
    bool ok = false;
    number = announced.trimmed().toInt(&ok);
    if (!ok) {
        *error = QStringLiteral("Xvfb announced no display number (stderr: %1)")
                     .arg(QString::fromLocal8Bit(server->readAllStandardError()));
        return false;
    }
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    while (!QFileInfo::exists(socket) && !deadline.hasExpired())
        QThread::msleep(20);
    connection = XOpenDisplay(name().toLatin1().constData());
    if (!connection) {
        *error = QStringLiteral("cannot connect to the display %1").arg(name());
        return false;
    }
    return true;
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
        if (shot->bits_per_pixel == 32 && shot->byte_order == LSBFirst) {
            const auto *source
                = reinterpret_cast<const quint32 *>(shot->data + y * shot->bytes_per_line);
            for (int x = 0; x < attributes.width; ++x)
                line[x] = 0xff000000u | (source[x] & 0x00ffffffu);
        } else {
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(shot, x, y);
                line[x] = qRgb(int((pixel & shot->red_mask) >> 16),
                    int((pixel & shot->green_mask) >> 8), int(pixel & shot->blue_mask));
            }
        }
    }
    XDestroyImage(shot);
    return image;
}
