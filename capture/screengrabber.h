#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>

class PortalScreenshot;

// Takes a picture of the screen under the pointer: directly from the X server, or in a
// Wayland session (where X grabs see only black) through the desktop portal.
class ScreenGrabber : public QObject
{
    Q_OBJECT
public:
    enum class Method { X11, Portal, None };
    static Method methodFor(const QString &sessionType, const QString &platformName);

    explicit ScreenGrabber(QObject *parent = nullptr);

    // Answers with exactly one of the signals, at once or later.
    void grab();

signals:
    // picture in device pixels; screen the logical geometry of the screen it shows.
    void grabbed(const QImage &picture, qreal devicePixelRatio, const QRect &screen);
    void failed(const QString &message);

private:
    void takeFromPortalFile(const QString &path);

    QPointer<PortalScreenshot> portal;
    qreal ratio = 1.0;
    QRect screenGeometry;
};
