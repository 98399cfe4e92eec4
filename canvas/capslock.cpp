#include "capslock.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(DIMLET_HAVE_X11)
#include <memory>
// Xlib's macros (None, Bool, Status...) clash with Qt's names: keep these headers last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace {

std::optional<bool> &capsLockOverride()
{
    static std::optional<bool> value;
    return value;
}

#if defined(DIMLET_HAVE_X11) && !defined(Q_OS_WIN)

struct DisplayCloser
{
    void operator()(Display *display) const { XCloseDisplay(display); }
};

// One connection of our own, opened on first use and kept until the program ends; a failed
// attempt is not repeated on every pointer move.
Display *keyboardDisplay()
{
    static std::unique_ptr<Display, DisplayCloser> display;
    static bool tried = false;
    if (!tried) {
        tried = true;
        display.reset(XOpenDisplay(nullptr));
    }
    return display.get();
}

bool readX11CapsLock()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    Display *display = keyboardDisplay();
    if (!display)
        return false;

    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    if (!(state.locked_mods & LockMask))
        return false;

    const KeyCode capsKey = XKeysymToKeycode(display, XK_Caps_Lock);
    if (capsKey == 0)
        return true;
    char keys[32];
    XQueryKeymap(display, keys);
    const bool held = keys[capsKey / 8] & (1 << (capsKey % 8));
    return !held;
}

#endif

} // namespace

bool capsLockOn()
{
    if (capsLockOverride())
        return *capsLockOverride();
#if defined(Q_OS_WIN)
    const SHORT state = GetKeyState(VK_CAPITAL);
    return (state & 0x0001) && !(state & 0x8000);
#elif defined(DIMLET_HAVE_X11)
    return readX11CapsLock();
#else
    return false;
#endif
}

void setCapsLockOverride(std::optional<bool> value)
{
    capsLockOverride() = value;
}
