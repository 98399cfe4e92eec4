#pragma once

#include <QImage>
#include <QProcess>
#include <QString>

#include <memory>

struct _XDisplay;

// A private X server for one journey: Xvfb on a display number it picks itself,
// and a client connection of the test's own to read the screen back.
class XvfbDisplay
{
public:
    XvfbDisplay() = default;
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay &) = delete;
    XvfbDisplay &operator=(const XvfbDisplay &) = delete;

    // Starts the server and connects to it; on failure error says why.
    bool start(QSize screen, QString *error);
    void stop();

    // ":N", the value of DISPLAY for programs on this server.
    QString name() const { return QStringLiteral(":%1").arg(number); }
    // Replaces the server's resource database, where desktops keep their font settings
    // (e.g. "Xft.dpi:\t120\n"); programs read it when they connect.
    bool setResources(const QByteArray &resources);
    // The whole screen as it is now; a null image when it cannot be read.
    QImage grab() const;

private:
    std::unique_ptr<QProcess> server;
    _XDisplay *connection = nullptr;
    int number = -1;
};
