#pragma once

#include <QSemaphore>
#include <QString>
#include <QThread>

#include <atomic>

// The update description the program asks for at every start, served on 127.0.0.1
// from a thread of its own so that it answers while the test waits on other things.
class UpdateStubServer : public QThread
{
public:
    ~UpdateStubServer() override;

    bool startListening();
    QString url() const;
    int requestsAnswered() const { return answered.load(); }

protected:
    void run() override;

private:
    QSemaphore ready;
    std::atomic<quint16> port {0};
    std::atomic<int> answered {0};
};
