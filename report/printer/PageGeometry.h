#pragma once

#include <QPoint>
#include <QSize>

// Screen pixels per inch: Qt's device-independent pixel, whatever the screen, so a pixel of the page
// is 1/96 inch on paper. Report forms are designed in these pixels.
inline constexpr int ScreenPixelsPerInch = 96;

// Recorded pages are drawn in page units, four per screen pixel: one unit is 1/384 inch on paper.
inline constexpr int PageUnitsPerPixel = 4;

// A printable page on its sheet, all in one unit (printer dots, or screen pixels): the printable
// area's size, the whole sheet's size and the printable area's top-left on the sheet.
struct PageGeometry {
    QSize Page;
    QSize Sheet;
    QPoint Offset;
    friend bool operator==(const PageGeometry &, const PageGeometry &) = default;
};
