#include "grid/CellEditor.h"

#include "common/FailureGuard.h"
#include "grid/StyledGrid.h"

#include <QKeyEvent>

TCellEditor::TCellEditor(TStyledGrid *grid) : QLineEdit(grid->viewport()), m_grid(grid)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &text) { RunGuarded([&] { m_grid->EditorTextChanged(text); }); });
}

bool TCellEditor::event(QEvent *event)
{
    // Tab would otherwise move the focus out of the grid before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            m_grid->Options().testFlag(goTabs)) {
            RunGuarded([&] { m_grid->HandleTabKey(Win32::IsBackwardTab(key)); });
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool TCellEditor::BelongsToGrid(const QKeyEvent *event) const
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Left:
        return !hasSelectedText() && cursorPosition() == 0;
    case Qt::Key_Right:
        return !hasSelectedText() && cursorPosition() == text().size();
    default:
        return false;
    }
}

void TCellEditor::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        RunGuarded([&] {
            if (key == Qt::Key_Escape && HasCell()) {
                setText(m_savedText);
                m_grid->QueueCancelEdit(m_cell);
            }
            m_grid->EditorReturn();
        });
        return;
    }
    if (BelongsToGrid(event)) {
        m_grid->keyPressEvent(event);
        return;
    }
    if (!HasCell() && !event->text().isEmpty())
        return;
    QLineEdit::keyPressEvent(event);
}

void TCellEditor::inputMethodEvent(QInputMethodEvent *event)
{
    if (!HasCell())
        return;
    QLineEdit::inputMethodEvent(event);
}
