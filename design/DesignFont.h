#pragma once

#include <QFont>

// The windows' fonts: Arial (a variable-pitch family; Liberation Sans stands in for it
// where Arial itself is missing) of a character height in pixels at 96 dpi.
enum class TFontStyle { Regular = 0, Bold = 1, Underlined = 2 };

inline QFont Arial(int pixels, TFontStyle style = TFontStyle::Regular)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(style == TFontStyle::Bold);
    font.setUnderline(style == TFontStyle::Underlined);
    return font;
}
