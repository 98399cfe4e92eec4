#pragma once

#include <QString>
#include <QThread>

#include <atomic>

class QObject;
class QTcpServer;

// The update description the program asks for at every start, served on 127.0.0.1
// from a thread of its own so that it answers while the test waits on other things.
// It always names the running version, so no update offer appears.
class UpdateStubServer
{
public:
    UpdateStubServer() = default;
    ~UpdateStubServer();
    UpdateStubServer(const UpdateStubServer &) = delete;
    UpdateStubServer &operator=(const UpdateStubServer &) = delete;

    bool start();
    // The address to hand to the program as DIMLET_UPDATE_URL.
    QString url() const;
    int requestsAnswered() const { return answered.load(); }

private:
    QThread thread;
    QObject *home = nullptr;
    QTcpServer *server = nullptr;
    quint16 port = 0;
    std::atomic<int> answered {0};
};
