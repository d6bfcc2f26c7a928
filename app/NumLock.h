#pragma once

#include <QAccessible>

// Switches Num Lock on when it is off, so that the keypad types digits into the entry fields. Under
// X11 this locks the Num Lock modifier through XKB (the keyboard state is the X server's, shared by
// all programs, as there is no per-program key-state table). On any other platform (Wayland) it does
// nothing and says nothing: it never opens a connection to an X server. Returns whether it switched
// Num Lock on.
bool SetNumlockTrue();

// Switches Num Lock off when it is on; the same platforms as SetNumlockTrue.
void SetNumlockFalse();

// Whether Num Lock is on; false where the platform gives no answer. For tests and diagnostics.
bool NumlockIsOn();

// Num Lock for the keypad's digits, but never under a screen reader, whose keypad commands (Orca's
// "Where Am I" and review keys) need it off. SwitchOn switches it on unless assistive technology is
// active. Qt learns that assistive technology is active over D-Bus, after the start-up; when it does,
// a Num Lock that SwitchOn switched on is switched off again, so the keyboard is as the user left it.
class TKeypadNumLock : public QAccessible::ActivationObserver {
public:
    TKeypadNumLock();
    ~TKeypadNumLock() override;
    TKeypadNumLock(const TKeypadNumLock &) = delete;
    TKeypadNumLock &operator=(const TKeypadNumLock &) = delete;

    void SwitchOn();
    void accessibilityActiveChanged(bool active) override;

private:
    bool m_switchedOn = false;
};
