#pragma once

#include "controls/grid/GridNavigation.h"

#include <QLineEdit>
#include <functional>

// The grid's in-place editor: a frameless line edit placed over the current cell. It remembers the
// cell it was opened for ((-1, -1) when none) and the text that cell had then (the saved text).
// Keys typed while it has no cell are dropped. What it does not handle itself it hands to its owner
// through the notifications below, each raised guarded.
class TCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit TCellEditor(QWidget *parent);

    GridCell Cell() const { return m_cell; }
    void SetCell(GridCell cell) { m_cell = cell; }
    void ForgetCell() { m_cell = {}; }
    bool HasCell() const { return m_cell.IsReal(); }
    QString SavedText() const { return m_savedText; }
    void SetSavedText(const QString &text) { m_savedText = text; }

    // Whether Tab and Shift+Tab go to OnTab; otherwise they move the focus as usual.
    bool TabsToOwner() const { return m_tabsToOwner; }
    void SetTabsToOwner(bool on) { m_tabsToOwner = on; }

    std::function<void()> OnReturn;                   // Enter, and Escape after OnEscape
    std::function<void(GridCell cell)> OnEscape;      // the saved text is back; only with a cell
    std::function<void(bool backward)> OnTab;         // under TabsToOwner
    std::function<void(QKeyEvent *event)> OnOwnerKey; // Up, Down, PageUp, PageDown, and Left or
                                                      // Right at either end of the text

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool BelongsToOwner(const QKeyEvent *event) const;

    GridCell m_cell;
    QString m_savedText;
    bool m_tabsToOwner = false;
};
