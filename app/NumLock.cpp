#include "app/NumLock.h"

#include <QGuiApplication>
// Xlib comes last: it defines macros (None, Bool, Status) that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {
// The X server's connection under the xcb platform; none on any other (Wayland, offscreen), where
// there is no X server to ask and Num Lock is left alone, silently.
Display *X11Display()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

// The modifier bit that the server's keymap gives the Num Lock key; 0 when it has none.
unsigned NumlockMask(Display *display)
{
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}
} // namespace

bool NumlockIsOn()
{
    Display *display = X11Display();
    if (display == nullptr)
        return false;
    const unsigned mask = NumlockMask(display);
    XkbStateRec state{};
    return mask != 0 && XkbGetState(display, XkbUseCoreKbd, &state) == Success &&
           (state.locked_mods & mask) != 0;
}

void SetNumlockTrue()
{
    Display *display = X11Display();
    if (display == nullptr || NumlockIsOn())
        return;
    const unsigned mask = NumlockMask(display);
    if (mask == 0)
        return;
    XkbLockModifiers(display, XkbUseCoreKbd, mask, mask);
    XSync(display, False);
}
