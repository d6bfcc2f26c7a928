#pragma once

#include "controls/BevelPanel.h"
#include "controls/flatbutton/FlatButton.h"

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

class QAction;

// The parts the program's windows share. Sizes are 96-dpi pixels.

// A silver panel with a raised bevel, `height` high, added to the bottom of `window`'s layout; assistive
// technology sees it in `role` (a pane, a tool bar), named `accessibleName`.
TBevelPanel *DockedPanel(QWidget *window, int height, QAccessible::Role role, const QString &accessibleName);

// Tab walks `controls` in this order, and Shift+Tab back.
void SetTabOrder(const QList<QWidget *> &controls);

// A toolbar button that shows only its full-colour glyph (a built-in picture), with a raised bevel
// under the pointer and its hint at once.
TFlatButton *ToolbarButton(QWidget *parent, const QRect &geometry, const QString &glyph, const QString &hint,
                           const QString &caption = {});

// Keys that run `handler` guarded, with the action as sender, while `owner` (which owns the action)
// has the focus (Qt::WidgetShortcut) or its window is active (Qt::WindowShortcut).
QAction *GuardedShortcut(QWidget *owner, const QList<QKeySequence> &keys, Qt::ShortcutContext context,
                         std::function<void(QObject *sender)> handler);

// Writes content() to `fileName`, the name a save dialog gave (nothing for an empty one, the user
// having cancelled), whole or not at all, and its folder becomes the one last saved to; a file that
// cannot be written is said in the information box.
void WriteChosenFile(const QString &fileName, const std::function<QByteArray()> &content);

// Asks where to save a CSV file (starting at suggestedName, in the folder last saved to once there is
// one), then writes content() there whole or not at all, and that folder becomes the one last saved to;
// a file that cannot be written is said in the information box.
void SaveCsvFileAs(QWidget *parent, const QString &suggestedName,
                   const std::function<std::string()> &content);
