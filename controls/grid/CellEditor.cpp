#include "controls/grid/CellEditor.h"

#include "controls/common/FailureGuard.h"
#include "controls/common/Win32Counterparts.h"

#include <QKeyEvent>

TCellEditor::TCellEditor(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    hide();
}

bool TCellEditor::event(QEvent *event)
{
    // Tab would otherwise move the focus away before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress && m_tabsToOwner) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            RaiseGuarded(OnTab, Win32::IsBackwardTab(key));
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool TCellEditor::BelongsToOwner(const QKeyEvent *event) const
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
        if (key == Qt::Key_Escape && HasCell()) {
            setText(m_savedText);
            RaiseGuarded(OnEscape, m_cell);
        }
        RaiseGuarded(OnReturn);
        return;
    }
    if (BelongsToOwner(event)) {
        RaiseGuarded(OnOwnerKey, event);
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
