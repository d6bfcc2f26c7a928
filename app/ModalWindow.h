#pragma once

#include <functional>

class QDialog;

// Shows `dialog` modally and returns its result once it has closed. Then the window that was active
// before it becomes active again, and with it the control that had the focus there, as on Win32. Under
// X a window manager would do that; without one no window of the program would have the focus.
//
// `whenShown`, when given, runs once the dialog is shown and before it handles any event, so before
// it paints; when it returns false the dialog is closed again at once and the result is Rejected.
int ExecModal(QDialog &dialog, const std::function<bool()> &whenShown = {});
