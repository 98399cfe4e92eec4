// Preloaded into the real program: a name lookup for a ".invalid" host takes as long as
// DIMLET_SLOW_LOOKUP_SECONDS says and fails, so no query leaves the machine. Once it has
// begun, the main window is closed the way its Close Window command does, and the moment
// of closing (CLOCK_MONOTONIC, in nanoseconds) is written to DIMLET_SLOW_LOOKUP_STAMP.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>
#include <netdb.h>
#include <time.h>
#include <unistd.h>

namespace {
qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void closeMainWindowWhenShown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            QFile stamp(qEnvironmentVariable("DIMLET_SLOW_LOOKUP_STAMP"));
            if (stamp.open(QIODevice::WriteOnly))
                stamp.write(QByteArray::number(monotonicNanoseconds()));
            stamp.close();
            window->close();
            return;
        }
    }
    QTimer::singleShot(20, qApp, closeMainWindowWhenShown);
}
} // namespace

extern "C" int getaddrinfo(
    const char *node, const char *service, const struct addrinfo *hints, struct addrinfo **res)
{
    if (node && QByteArray(node).endsWith(".invalid")) {
        if (qApp)
            QMetaObject::invokeMethod(qApp, closeMainWindowWhenShown, Qt::QueuedConnection);
        sleep(qEnvironmentVariableIntValue("DIMLET_SLOW_LOOKUP_SECONDS"));
        return EAI_NONAME;
    }
    using Lookup = int (*)(const char *, const char *, const struct addrinfo *, struct addrinfo **);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, res);
}
