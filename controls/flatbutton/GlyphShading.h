#pragma once

#include "controls/common/ClassicColours.h"

#include <QColor>
#include <QImage>

// Thresholds of the shaded glyph.
enum class TFlatButtonShadingType { stLight, stMedium, stDark };

// The three system colours a button draws with.
struct ButtonColors {
    QColor Face;      // button face
    QColor Highlight; // button highlight (the light edge of a bevel)
    QColor Shadow;    // button shadow (the dark edge of a bevel)
};

// The classic button face, highlight and shadow, which the flat button draws with whatever the style.
inline constexpr ButtonColors ClassicButtonColors{Classic::Face, Classic::Highlight, Classic::Shadow};

// The grey "at rest" version of `bitmap`: every pixel that differs from the top-left (transparent) colour
// becomes white, `colors.Highlight`, `colors.Shadow` or black by the brightness sum red + green + blue
// against the thresholds of `shading`. Pixels of the transparent colour are kept. Empty in, empty out.
QImage ShadedGlyph(const QImage &bitmap, TFlatButtonShadingType shading, const ButtonColors &colors);

// `picture` ready to draw transparently: pixels of its own top-left colour become fully transparent,
// all others are kept. Empty in, empty out.
QImage TransparentGlyph(const QImage &picture);

// Only the exactly black pixels of `bitmap`, painted in `color`; everything else transparent.
// Drawn twice (highlight one pixel down-right, shadow in place) it gives the engraved disabled glyph.
QImage BlackPixelsIn(const QImage &bitmap, const QColor &color);

// The 8 x 8 checkerboard of a down button: `colors.Highlight` where x and y are both even or both odd,
// `colors.Face` elsewhere.
QImage DownPattern(const ButtonColors &colors);
