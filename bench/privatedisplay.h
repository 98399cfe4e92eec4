#pragma once

#include <QProcess>
#include <QString>

#include <memory>

// An X server of a measured run's own: Xvfb on the first free display number, as a desktop
// at 96 dpi. Stopped when destroyed.
class PrivateDisplay
{
public:
    PrivateDisplay() = default;
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay &) = delete;
    PrivateDisplay &operator=(const PrivateDisplay &) = delete;

    static bool available();
    // Starts the server and waits until it takes connections.
    bool start();
    // ":N", the value of DISPLAY for programs on this server.
    QByteArray name() const { return ':' + QByteArray::number(m_number); }

private:
    std::unique_ptr<QProcess> m_server;
    int m_number = -1;
};
