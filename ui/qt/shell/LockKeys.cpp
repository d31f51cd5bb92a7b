#include "ui/qt/shell/LockKeys.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(HAVE_X11_LOCK_KEYS)
#include <X11/XKBlib.h>
#endif

namespace {

#if defined(HAVE_X11_LOCK_KEYS)
std::optional<bool> namedIndicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
}
#endif

} // namespace

std::optional<LockKeys> readLockKeys() {
#if defined(Q_OS_WIN)
    LockKeys keys;
    keys.caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    keys.num = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    keys.scroll = (GetKeyState(VK_SCROLL) & 1) != 0;
    return keys;
#elif defined(HAVE_X11_LOCK_KEYS)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const auto caps = namedIndicator(display, "Caps Lock");
    const auto num = namedIndicator(display, "Num Lock");
    const auto scroll = namedIndicator(display, "Scroll Lock");
    if (!caps || !num || !scroll)
        return std::nullopt;
    return LockKeys{*caps, *num, *scroll};
#else
    return std::nullopt;
#endif
}
