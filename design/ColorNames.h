#pragma once

#include <QColor>

// The toolkit's named colours (clSilver and the rest) by their RGB values.
inline constexpr QColor clBlack{0, 0, 0};
inline constexpr QColor clWhite{255, 255, 255};
inline constexpr QColor clSilver{192, 192, 192};
inline constexpr QColor clGray{128, 128, 128};
inline constexpr QColor clYellow{255, 255, 0};
inline constexpr QColor clBlue{0, 0, 255};
inline constexpr QColor clMaroon{128, 0, 0};
inline constexpr QColor clOlive{128, 128, 0};
inline constexpr QColor clPurple{128, 0, 128};
inline constexpr QColor clFuchsia{255, 0, 255};
inline constexpr QColor clAqua{0, 255, 255};
inline constexpr QColor clRed{255, 0, 0};
inline constexpr QColor clNavy{0, 0, 128};
