#pragma once

#include <QString>

// Resource paths of the built-in pictures, for QPixmap or QImage. Each call also makes sure the
// pictures are registered, so linking quillmere_resources is all a program needs to do.
// The glyphs are drawn transparently with their top-left colour, as the flat button expects.

// The maker's logo: 68 x 93, 16 colours.
QString LogoPicture();

// The Exit glyph: 18 x 18, a red diagonal cross on olive.
QString ExitGlyph();

// The About glyph: 20 x 20, 16 colours, a cyan question mark on silver.
QString HelpGlyph();

// The Print Preview glyph: 20 x 20, 16 colours, a printer with a sheet of paper on magenta.
QString PrintGlyph();

// The maker's name with a trademark sign, set to read from bottom to top: 23 x 170, black letters with
// a white edge on silver.
QString VerticalNamePicture();

// The preview's zoom glyphs, 16 x 16, 16 colours, on teal: Zoom Out a magnifier with a minus sign,
// Zoom In one with a plus sign, Page Width a written page between two arrows pointing outwards.
QString ZoomOutGlyph();
QString PageWidthGlyph();
QString ZoomInGlyph();
