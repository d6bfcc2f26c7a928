#pragma once

#include <QPen>

// The edges drawn around a band or the printable area. Nothing is drawn while the pen's width is 0
// or less.
struct TRPFrame {
    QPen Pen; // black, solid, width 1
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
};
