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

namespace {
// Sets the Num Lock modifier's lock to `on`; false when there is nothing to set or it is set already.
bool LockNumlock(bool on)
{
    Display *display = X11Display();
    if (display == nullptr || NumlockIsOn() == on)
        return false;
    const unsigned mask = NumlockMask(display);
    if (mask == 0)
        return false;
    XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display, False);
    return true;
}
} // namespace

bool SetNumlockTrue()
{
    return LockNumlock(true);
}

void SetNumlockFalse()
{
    LockNumlock(false);
}

TKeypadNumLock::TKeypadNumLock()
{
    QAccessible::installActivationObserver(this);
}

TKeypadNumLock::~TKeypadNumLock()
{
    QAccessible::removeActivationObserver(this);
}

void TKeypadNumLock::SwitchOn()
{
    if (!QAccessible::isActive())
        m_switchedOn = SetNumlockTrue();
}

void TKeypadNumLock::accessibilityActiveChanged(bool active)
{
    if (active && m_switchedOn)
        SetNumlockFalse();
    m_switchedOn = false;
}
