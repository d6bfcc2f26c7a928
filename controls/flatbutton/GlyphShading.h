#pragma once

#include <QColor>
#include <QImage>

class QPalette;

// Thresholds of the shaded glyph.
enum class TFlatButtonShadingType { stLight, stMedium, stDark };

// The three system colours the button draws with.
struct ButtonColors {
    QColor face;      // button face
    QColor highlight; // button highlight (the light edge of a bevel)
    QColor shadow;    // button shadow (the dark edge of a bevel)
};

// Button face, highlight and shadow from the palette's Button, Light and Dark roles; a role the platform
// leaves unset falls back to the classic (192, 192, 192), white and (128, 128, 128).
ButtonColors ButtonColorsOf(const QPalette &palette);

// The grey "at rest" version of `bitmap`: every pixel that differs from the top-left (transparent) colour
// becomes white, `colors.highlight`, `colors.shadow` or black by the brightness sum red + green + blue
// against the thresholds of `shading`. Pixels of the transparent colour are kept. Empty in, empty out.
QImage ShadedGlyph(const QImage &bitmap, TFlatButtonShadingType shading, const ButtonColors &colors);

// `picture` ready to draw transparently: pixels of its own top-left colour become fully transparent,
// all others are kept. Empty in, empty out.
QImage TransparentGlyph(const QImage &picture);

// Only the exactly black pixels of `bitmap`, painted in `color`; everything else transparent.
// Drawn twice (highlight one pixel down-right, shadow in place) it gives the engraved disabled glyph.
QImage BlackPixelsIn(const QImage &bitmap, const QColor &color);

// The 8 x 8 checkerboard of a down button: `colors.highlight` where x and y are both even or both odd,
// `colors.face` elsewhere.
QImage DownPattern(const ButtonColors &colors);
