#pragma once

#include "controls/grid/GridAttributes.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// One line of a cell's text and the top-left corner it is drawn at (pixels, the cell's coordinate
// system). The line is clipped to the cell when drawn.
struct CellTextLine {
    QString Text;
    int X = 0;
    int Y = 0;
};

// Splits a cell text at each carriage return (a line feed right behind one is dropped) and places
// every line by itself: top margin 2 pixels, then one line height per line; alRight ends a line
// 2 pixels left of the cell's right edge, alCenter centres it with the halving truncated toward
// zero (so a line wider than the cell starts left of it), anything else starts 2 pixels in.
// `measure` gives a line's width and height in the drawing font. Empty lines (an empty text, the
// end of a text ending in a carriage return) are kept: they draw nothing.
std::vector<CellTextLine> LayoutCellText(const QString &text, const QRect &cell, TCellAlign alignment,
                                         const std::function<QSize(const QString &line)> &measure);
