#pragma once

#include "grid/GridNavigation.h"

#include <QLineEdit>

class TStyledGrid;

// The grid's in-place editor: a frameless line edit placed over the current cell. It remembers the
// cell it was opened for ((-1, -1) when none) and the text that cell had then (the saved text).
// Enter queues the after-edit notice; Escape puts the saved text back, queues the cancel notice and
// then acts as Enter. Keys typed while it has no cell are dropped. Vertical moves, Tab and the
// horizontal arrows at either end of the text go to the grid.
class TCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit TCellEditor(TStyledGrid *grid);

    GridCell Cell() const { return m_cell; }
    void SetCell(GridCell cell) { m_cell = cell; }
    void ForgetCell() { m_cell = {}; }
    bool HasCell() const { return m_cell.Col >= 0 && m_cell.Row >= 0; }
    QString SavedText() const { return m_savedText; }
    void SetSavedText(const QString &text) { m_savedText = text; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool BelongsToGrid(const QKeyEvent *event) const;

    TStyledGrid *m_grid;
    GridCell m_cell;
    QString m_savedText;
};
