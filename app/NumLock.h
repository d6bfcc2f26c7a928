#pragma once

// Switches Num Lock on when it is off, so that the keypad types digits into the entry fields. Under
// X11 this locks the Num Lock modifier through XKB (the keyboard state is the X server's, shared by
// all programs, as there is no per-program key-state table). On any other platform (Wayland) it does
// nothing and says nothing: it never opens a connection to an X server.
void SetNumlockTrue();

// Whether Num Lock is on; false where the platform gives no answer. For tests and diagnostics.
bool NumlockIsOn();
