#pragma once

#include <functional>

class QDialog;

// Shows `dialog` modally and returns its result once it has closed. Then the window that was active
// before it becomes active again, and with it the control that had the focus there, as on Win32. Under
// X a window manager would do that; without one no window of the program would have the focus.
//
// `beforeFirstPaint`, when given, runs when the window system first shows the dialog's window on the
// screen, before the dialog paints, so that slow work can go on while the window is being shown; when
// it returns false the dialog is closed again unpainted and the result is Rejected.
int ExecModal(QDialog &dialog, const std::function<bool()> &beforeFirstPaint = {});
