#pragma once

#include <QColor>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Sets one colour role of the widget's own palette (its children inherit it).
void SetPaletteColour(QWidget &widget, QPalette::ColorRole role, const QColor &colour);

// Fills the widget's background with `colour`.
void SetBackground(QWidget &widget, const QColor &colour);

// Fills the widget's background with `colour` through the application's palette for the widget's
// class, one palette that all widgets of the class and their children share. For windows opened and
// closed again and again: the style caches the parts it draws (header sections, scroll bars) under
// their palette's identity, so a palette of each window's own would leave a closed window's pictures
// in that cache, up to its limit.
void SetClassBackground(QWidget &widget, const QColor &colour);

// Top-left corner of a `size` rectangle centred in `area`: left = area left + (area width - width) / 2,
// top likewise, the halving truncated toward 0. With `clampToArea` a window larger than the area
// keeps the area's top-left corner instead of going past it.
QPoint CentredIn(const QRect &area, QSize size, bool clampToArea = false);

// Moves a top-level window so that its outer frame stands centred on its screen (the primary screen
// while it has none), clamped to the screen's top-left corner; nothing without a screen.
void CentreOnScreen(QWidget &window);

// The outer frame for a window of outer `size` beside `owner` (an outer frame) in `area`, the
// `cascade`-th such window (from 0), wholly inside the area as far as its size allows and clear of
// the owner where the area has room: right of the owner, else left of it, at its full size; else on
// the roomier side, narrowed but not below `minimumSize`; else below or above it, whichever has more
// room, as high as that room; only where none of these fits does it cover part of the owner. Each
// later one stands a step further away from the owner and along it, the ninth at the first's place.
QRect BesideWindow(const QRect &owner, QSize size, QSize minimumSize, const QRect &area, int cascade);

// Places a top-level window, not yet shown, as BesideWindow says beside `owner`, a shown window whose
// frame tells how wide the window manager's frames are, on the available area of the owner's screen.
void PlaceBeside(QWidget &window, const QWidget &owner, int cascade);
