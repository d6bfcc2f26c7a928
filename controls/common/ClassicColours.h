#pragma once

#include "design/ColorNames.h"

#include <QColor>

class QPalette;

// The classic Win32 3-D colours the windows are drawn in, whatever shades the desktop style uses:
// button face (192, 192, 192), button highlight white, button shadow (128, 128, 128), the light
// inner 3-D edge (192, 192, 192) and the dark inner 3-D edge (64, 64, 64).
namespace Classic {
inline constexpr QColor Face = clSilver;
inline constexpr QColor Highlight = clWhite;
inline constexpr QColor Shadow = clGray;
inline constexpr QColor Light3D = clSilver;
inline constexpr QColor DarkShadow3D{64, 64, 64};
} // namespace Classic

// `palette` with the 3-D roles in the classic colours: Button = face, Light = highlight, Midlight =
// light 3-D, Mid and Dark = shadow, Shadow = dark 3-D. The other roles stay as they were.
QPalette ClassicPalette(QPalette palette);
