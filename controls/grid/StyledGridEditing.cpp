#include "controls/common/FailureGuard.h"
#include "controls/grid/CellEditor.h"
#include "controls/grid/StyledGrid.h"
#include "controls/grid/StyledGridAccessible.h"

#include <QApplication>

void TStyledGrid::ConnectEditor()
{
    m_editor = new TCellEditor(viewport());
    m_editor->installEventFilter(this);
    connect(m_editor, &QLineEdit::textChanged, this,
            [this](const QString &text) { RunGuarded([&] { EditorTextChanged(text); }); });
    m_editor->OnReturn = [this] { EditorReturn(); };
    m_editor->OnEscape = [this](GridCell cell) { QueueCancelEdit(cell); };
    m_editor->OnTab = [this](bool backward) { HandleTabKey(backward); };
    m_editor->OnOwnerKey = [this](QKeyEvent *event) { keyPressEvent(event); };
}

void TStyledGrid::SetEditorMode(bool on)
{
    if (on) {
        if (!m_options.testFlag(goEditing))
            return;
        m_editorMode = true;
        UpdateEdit();
    } else {
        HideEdit();
    }
}

bool TStyledGrid::StandardCanEditShow() const
{
    return m_options.testFlag(goEditing) && !m_options.testFlag(goRowSelect) && m_editorMode &&
           (m_options.testFlag(goAlwaysShowEditor) || IsActiveControl());
}

void TStyledGrid::UpdateEdit()
{
    if (!StandardCanEditShow() || !CellEditable(m_current.Col, m_current.Row)) {
        // An edit left without Enter still gets its after-edit notice.
        if (m_editOpen && m_editor->HasCell())
            QueueAfterEdit(m_editor->Cell());
        m_editor->ForgetCell();
        m_editorMode = false;
        HideEdit();
        return;
    }
    if (m_editOpen && m_editor->HasCell() && m_editor->Cell() != m_current)
        QueueAfterEdit(m_editor->Cell());
    const bool newEdit = m_editor->Cell() != m_current || !m_editOpen;
    PlaceEditor();
    if (newEdit) {
        m_editor->SetCell(m_current);
        m_editOpen = true;
        if (OnBeforeEdit)
            OnBeforeEdit(this, m_current.Col, m_current.Row);
        m_editing = true;
        m_editor->SetSavedText(Cells(m_current.Col, m_current.Row));
        m_editor->setText(Cells(m_current.Col, m_current.Row));
        m_editor->selectAll();
    }
    m_editor->show();
    if (IsActiveControl())
        m_editor->setFocus(Qt::OtherFocusReason);
}

void TStyledGrid::HideEdit()
{
    m_editorMode = false;
    if (!m_editor->isVisible())
        return;
    if (m_editor->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_editor->hide();
}

void TStyledGrid::PlaceEditor()
{
    const QRect rect = CellRect(m_current.Col, m_current.Row);
    m_editor->setGeometry(rect);
    const TCellAlign alignment = CellAlignment(m_current.Col, m_current.Row);
    m_editor->setAlignment(QtAlignment(TextAlignment(alignment)));
    const TCellFont &font = CellFont(m_current.Col, m_current.Row);
    m_editor->setFont(font.Font());
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, CellBrushColor(m_current.Col, m_current.Row));
    palette.setColor(QPalette::Text, font.Color());
    m_editor->setPalette(palette);
}

void TStyledGrid::QueueAfterEdit(GridCell cell)
{
    m_editOpen = false;
    PostGuarded(this, [this, cell] { HandleAfterEdit(cell); });
}

void TStyledGrid::QueueCancelEdit(GridCell cell)
{
    PostGuarded(this, [this, cell] {
        m_editing = false;
        RaiseGuarded(OnCancelEdit, this, cell.Col, cell.Row);
    });
}

void TStyledGrid::HandleAfterEdit(GridCell cell)
{
    m_editing = false;
    if (OnAfterEdit)
        OnAfterEdit(this, cell.Col, cell.Row);
}

void TStyledGrid::EditorReturn()
{
    if (m_editOpen && m_editor->HasCell()) {
        const GridCell cell = m_editor->Cell();
        m_editOpen = false;
        PostGuarded(this, [this, cell] {
            HandleAfterEdit(cell);
            if (m_autoEditNextCell)
                EditNextCell(cell);
        });
    }
    // The standard editor: Enter closes it, or with goAlwaysShowEditor toggles the selection.
    if (!m_options.testFlag(goAlwaysShowEditor))
        HideEdit();
    else if (m_editor->selectedText().size() == m_editor->text().size())
        m_editor->deselect();
    else
        m_editor->selectAll();
}

// Moves on to the next editable cell after `cell` in the edit direction and opens the editor there.
void TStyledGrid::EditNextCell(GridCell cell)
{
    const auto step = [this](GridCell from) {
        return NextCell(m_nextCellEdit, m_afterLastCellEdit, from.Col, from.Row);
    };
    const auto editable = [this](GridCell at) { return CellEditable(at.Col, at.Row); };
    const int maxSteps = (ColCount() + 1) * (RowCount() + 1);
    if (const std::optional<GridCell> next = WalkToCell(cell, step, editable, maxSteps)) {
        MoveCurrent(*next, true, false);
        SetEditorMode(true);
    }
}

void TStyledGrid::EditorTextChanged(const QString &text)
{
    if (m_editor->HasCell())
        SetCells(m_editor->Cell().Col, m_editor->Cell().Row, text);
}

void TStyledGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    // After Qt has told assistive technology that the grid took the focus: then the current cell.
    PostGuarded(this, [this] {
        if (hasFocus())
            AnnounceGridFocus(*this);
    });
    if (m_editorSaved && m_options.testFlag(goAlwaysShowEditor))
        PostGuarded(this, [this] { RestoreEditor(); });
}

void TStyledGrid::RestoreEditor()
{
    m_editorSaved = false;
    SetEditorMode(true);
    if (!m_editor->isVisible())
        return;
    if (m_savedSelectionLength > 0)
        m_editor->setSelection(m_savedCaret, m_savedSelectionLength);
    else
        m_editor->setCursorPosition(m_savedCaret);
}

void TStyledGrid::focusOutEvent(QFocusEvent *event)
{
    RunGuarded([&] { FocusLeaving(event); });
    QAbstractScrollArea::focusOutEvent(event);
}

bool TStyledGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::FocusOut)
        RunGuarded([&] { FocusLeaving(static_cast<QFocusEvent *>(event)); });
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TStyledGrid::FocusLeaving(QFocusEvent *event)
{
    viewport()->update();
    const QWidget *next = QApplication::focusWidget();
    if (!Win32::ChangesActiveControl(event->reason()) || (next && (next == this || isAncestorOf(next))))
        return;
    if (m_editor->isVisible()) {
        m_editorSaved = true;
        m_savedCaret = m_editor->hasSelectedText() ? m_editor->selectionStart() : m_editor->cursorPosition();
        m_savedSelectionLength = m_editor->selectionLength();
        m_editing = false;
        m_editor->hide();
        if (m_editOpen) {
            m_editOpen = false;
            if (OnAfterEdit)
                OnAfterEdit(this, m_editor->Cell().Col, m_editor->Cell().Row);
        }
    }
    if (m_editing) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    m_editorMode = false;
}
