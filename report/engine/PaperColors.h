#pragma once

#include <QColor>

// The system colours a report prints in. Paper is white and ink black whatever the desktop's scheme,
// so these are the classic light scheme's window and window text colours, never the palette's: a dark
// theme must not print white text on white paper.
inline constexpr QColor clWindow{255, 255, 255};
inline constexpr QColor clWindowText{0, 0, 0};
