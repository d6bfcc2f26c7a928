#pragma once

#include <QFont>

// The windows' fonts: Arial (a variable-pitch family; Liberation Sans stands in for it
// where Arial itself is missing) of a character height in pixels at 96 dpi.
enum class TFontStyle { Regular = 0, Bold = 1, Underlined = 2 };

// The sizes the windows' fonts come in, as character heights in pixels at 96 dpi: 8, 9, 10 and 12 points.
enum class TFontSize { Pt8 = 11, Pt9 = 12, Pt10 = 13, Pt12 = 16 };

// Of any height: the printed reports' fonts come in more sizes than the windows'.
inline QFont Arial(int pixels, TFontStyle style = TFontStyle::Regular)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(style == TFontStyle::Bold);
    font.setUnderline(style == TFontStyle::Underlined);
    return font;
}

inline QFont Arial(TFontSize size, TFontStyle style = TFontStyle::Regular)
{
    return Arial(static_cast<int>(size), style);
}
