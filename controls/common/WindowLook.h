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
