// Preloaded into the real program: a name lookup for a ".invalid" host takes as long as
// DIMLET_SLOW_LOOKUP_SECONDS says and fails, so no query leaves the machine. Once it has
// begun, the shown window is closed as Close Window does and DIMLET_SLOW_LOOKUP_STAMP made.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>

static void closeMainWindowWhenShown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            QFile(qEnvironmentVariable("DIMLET_SLOW_LOOKUP_STAMP")).open(QIODevice::WriteOnly);
            window->close();
            return;
        }
    }
    QTimer::singleShot(20, qApp, closeMainWindowWhenShown);
}

extern "C" int getaddrinfo(
    const char *node, const char *service, const addrinfo *hints, addrinfo **res)
{
    if (node && QByteArray(node).endsWith(".invalid")) {
        if (qApp)
            QMetaObject::invokeMethod(qApp, closeMainWindowWhenShown, Qt::QueuedConnection);
        sleep(qEnvironmentVariableIntValue("DIMLET_SLOW_LOOKUP_SECONDS"));
        return EAI_NONAME;
    }
    using Lookup = int (*)(const char *, const char *, const addrinfo *, addrinfo **);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, res);
}
