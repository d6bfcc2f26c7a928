#pragma once

class QAbstractItemView;

// Makes an item view's current cell a matter of its keyboard focus, as the eye and a screen reader
// expect: while the view has the focus a dotted frame marks the current cell; while it has not, the
// view has no current cell, so that no cell goes on reporting itself focused to assistive technology.
// The cell comes back, and is announced, when the focus returns. The view owns what this adds.
void FrameCurrentCellWhileFocused(QAbstractItemView &view);
