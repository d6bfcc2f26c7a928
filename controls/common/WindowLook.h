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
// top likewise, the halving truncated toward 0.
QPoint CentredIn(const QRect &area, QSize size);

// `frame` made to lie wholly inside `area`: shrunk to the area's size where it is larger, then moved
// the least distance that puts it inside.
QRect KeptInside(QRect frame, const QRect &area);

// The outer frame of `frameSize` centred on `screen` and kept inside `available`, the screen less any
// panels.
QRect CentredOnScreen(const QRect &screen, const QRect &available, QSize frameSize);

// Moves a top-level window so that its outer frame stands centred on its screen (the primary screen
// while it has none), wholly inside the screen's available area, shrunk to it where it is larger;
// nothing without a screen.
void CentreOnScreen(QWidget &window);

// `frame` moved off `titleBar` (a window's title bar, which must stay within reach of the mouse):
// below it, or above it where the area has more room there, shortened to that room; as it is where it
// does not cover the title bar.
QRect ClearOfTitleBar(const QRect &frame, const QRect &titleBar, const QRect &area);

// The title bar of a top-level window: the strip of its outer frame above its client area; empty
// while the window has no frame.
QRect TitleBar(const QWidget &window);

// Moves a top-level window the least distance that puts its outer frame wholly inside its screen's
// available area, shrunk to it where it is larger, and clear of the title bar of the window it belongs
// to (ClearOfTitleBar); nothing where it is so already or without a screen.
void KeepOnScreen(QWidget &window);

// The outer frame for a window of outer `size` beside `owner` (an outer frame) in `area`, the
// `cascade`-th such window (from 0), wholly inside the area, shrunk to it where it is larger, and
// clear of the owner where the area has room: right of the owner, else left of it, at its full size;
// else on the roomier side, narrowed but not below `minimumSize`; else below or above it, whichever
// has more room, as high as that room; only where none of these fits does it cover part of the owner.
// Each later one stands a step further away from the owner and along it, the ninth at the first's
// place; where a step would pass the area's edge the window is shortened there, not below
// `minimumSize`, and only then moved back inside.
QRect BesideWindow(const QRect &owner, QSize size, QSize minimumSize, const QRect &area, int cascade);

// Places a top-level window, not yet shown and at the size it is to show at, as BesideWindow says
// beside `owner`, a shown window whose frame tells how wide the window manager's frames are, on the
// available area of the owner's screen; where it must cover part of the owner, clear of the owner's
// title bar (ClearOfTitleBar).
void PlaceBeside(QWidget &window, const QWidget &owner, int cascade);

// How much larger a top-level window's outer frame is than its client area: its own frame's, once the
// window manager has framed it; before that, that of the window it belongs to, framed alike.
QSize FrameMargins(const QWidget &window);

// Gives a top-level window the outer frame `frame`, with the frame margins FrameMargins tells.
void SetFrameGeometry(QWidget &window, const QRect &frame);

// `area` (device-independent pixels) as far as a window's frame may reach at device pixel ratio
// `ratio`: at a fractional ratio the area's size is rounded, and so are a window's size and frame, so
// a pixel less at the right and the bottom keeps a frame that reaches them inside the device pixels.
QRect WithinDevicePixels(QRect area, qreal ratio);

// The available area (the screen less any panels) of the window's screen, or of the primary screen
// while it has none, WithinDevicePixels; empty without a screen.
QRect AvailableArea(const QWidget &window);
