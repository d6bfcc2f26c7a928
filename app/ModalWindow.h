#pragma once

class QDialog;

// Shows `dialog` modally and returns its result once it has closed. Then the window that was active
// before it becomes active again, and with it the control that had the focus there, as on Win32. Under
// X a window manager would do that; without one no window of the program would have the focus.
int ExecModal(QDialog &dialog);
