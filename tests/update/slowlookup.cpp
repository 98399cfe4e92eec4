// Preloaded into the real program: a name lookup for a ".invalid" host closes the windows as
// Close Window does, then takes 30 s and fails, so no query leaves the machine.
#include <QApplication>

#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>

extern "C" int getaddrinfo(
    const char *node, const char *service, const addrinfo *hints, addrinfo **res)
{
    if (node && QByteArray(node).endsWith(".invalid")) {
        QMetaObject::invokeMethod(
            qApp, [] { QApplication::closeAllWindows(); }, Qt::QueuedConnection);
        sleep(30);
        return EAI_NONAME;
    }
    using Lookup = int (*)(const char *, const char *, const addrinfo *, addrinfo **);
    static const auto next = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, res);
}
