#pragma once

#include "BevelPanel.h"
#include "flatbutton/FlatButton.h"

#include <QRect>
#include <QString>
#include <QWidget>

// The parts the program's windows share. Sizes are 96-dpi pixels.

// A silver panel with a raised bevel, `height` high, added to the bottom of `window`'s layout.
TBevelPanel *DockedPanel(QWidget *window, int height, const QString &accessibleName);

// A toolbar button that shows only its full-colour glyph (a built-in picture), with a raised bevel
// under the pointer and its hint at once.
TFlatButton *ToolbarButton(QWidget *parent, const QRect &geometry, const QString &glyph, const QString &hint,
                           const QString &caption = {});
