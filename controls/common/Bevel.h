#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Which colour the two corners where the light and the dark edge meet (top right, bottom left) take.
enum class TBevelCorners {
    BottomRightColour, // both corners dark: the frame of a panel or a raised heading cell
    LeftColumnWhole,   // the left column runs to the bottom in the light colour, top right dark
    Open,              // both corners left undrawn: the outer ring of an etched frame
};

// Draws a one-pixel ring on the edge of `rect`: the left column and the top row in `topLeft`, the
// right column and the bottom row in `bottomRight`, the corners by `corners`. Returns the rectangle
// inside the ring.
QRect DrawBevel(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight,
                TBevelCorners corners = TBevelCorners::BottomRightColour);

// A raised ring (highlight at the top left, shadow at the bottom right) or a sunken one (the other
// way round), in the classic colours; returns the rectangle inside it.
QRect DrawClassicBevel(QPainter &painter, const QRect &rect, bool raised,
                       TBevelCorners corners = TBevelCorners::BottomRightColour);

// The frame that shows which control has the keyboard focus: a one-pixel dotted ring on the edge of
// `rect` in `colour`, alternate pixels set, as the classic desktop draws it.
void DrawFocusFrame(QPainter &painter, const QRect &rect, const QColor &colour);
