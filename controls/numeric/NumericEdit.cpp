#include "controls/numeric/NumericEdit.h"

#include "calc/LocaleValues.h"
#include "controls/common/FailureGuard.h"
#include "controls/common/Win32Counterparts.h"
#include "controls/numeric/NumericEditAccessible.h"
#include "controls/numeric/NumericText.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

namespace {

constexpr int DefaultWidth = 73;
constexpr int MaxDecimals = 9;

// Runs a hook (or the range check that raises one) under the failure guard; false when it failed
// (the failure is reported), so that the caller abandons the rest of the key, text or focus change,
// as an exception would have.
template <class Hook> bool RunHook(Hook &&hook)
{
    bool completed = false;
    RunGuarded([&] {
        hook();
        completed = true;
    });
    return completed;
}

// Keys that only move the caret or the selection: the line edit may handle them itself.
bool MovesCaretOnly(const QKeyEvent &event)
{
    static constexpr QKeySequence::StandardKey movements[] = {
        QKeySequence::MoveToNextChar,
        QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,
        QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,
        QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument,
        QKeySequence::SelectAll,
        QKeySequence::Deselect,
    };
    return std::any_of(std::begin(movements), std::end(movements),
                       [&](QKeySequence::StandardKey movement) { return event.matches(movement); });
}

QString MenuCaption(const QString &caption, QKeySequence::StandardKey keys)
{
    return caption + u'\t' + QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace

TNumericEdit::TNumericEdit(QWidget *parent) : QLineEdit(parent)
{
    InstallNumericEditAccessibility();
    resize(DefaultWidth, sizeHint().height());
    setAlignment(QtAlignment(m_alignment) | Qt::AlignVCenter);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    // The line edit would cut every text at 32,767 characters, the separator and decimals first.
    setMaxLength(std::numeric_limits<int>::max());
    SetValue(0);
}

void TNumericEdit::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    setAlignment(QtAlignment(alignment) | Qt::AlignVCenter);
}

void TNumericEdit::SetDecimals(int decimals)
{
    m_decimals = std::clamp(decimals, 0, MaxDecimals);
    ApplyDecimals();
}

void TNumericEdit::SetMinValue(double minValue)
{
    m_minValue = minValue;
}

void TNumericEdit::SetMaxValue(double maxValue)
{
    m_maxValue = maxValue;
}

void TNumericEdit::SetMaxLength(int maxLength)
{
    m_maxLength = std::max(maxLength, 0);
}

void TNumericEdit::SetLocale(const LocaleValues &locale)
{
    const double value = Value();
    m_locale = locale;
    SetValue(value);
}

double TNumericEdit::Value() const
{
    return ReadNumber(text(), m_locale);
}

void TNumericEdit::SetValue(double value)
{
    setText(FormatCanonical(value, m_decimals, m_locale));
}

void TNumericEdit::ApplyDecimals()
{
    SetValue(Value());
}

NumericText TNumericEdit::Model() const
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return NumericText(text(), start, selectionLength(), m_decimals, m_locale);
}

void TNumericEdit::Show(const NumericText &model)
{
    ReplaceChangedText(model.Text());
    if (model.SelLength() > 0)
        setSelection(model.SelStart(), model.SelLength());
    else
        setCursorPosition(model.SelStart());
}

void TNumericEdit::ReplaceChangedText(const QString &newText)
{
    // Through the line edit's own editing, which reports each removal and insertion to assistive
    // technology as what it is; setText would report the whole text replaced.
    const std::vector<TextEdit> edits = EditsBetween(text(), newText);
    for (const TextEdit &edit : edits) {
        if (edit.RemovedLength > 0)
            setSelection(edit.Position, edit.RemovedLength);
        else
            setCursorPosition(edit.Position);
        if (edit.Inserted.isEmpty())
            del();
        else
            insert(edit.Inserted);
    }
    if (edits.empty())
        return;
    // Setting the same text again forgets the undo history those edits made: the field offers no undo.
    // Assistive technology has heard the edits already, so the line edit's report of a whole new text
    // is held back.
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    setText(newText);
    QAccessible::installUpdateHandler(previous);
}

template <class Change> void TNumericEdit::EditModel(NumericText &model, Change change) const
{
    NumericText edited = model;
    change(edited);
    // Refused whole, with what it would have deleted: an edit that lengthens the text beyond MaxLength.
    const qsizetype length = edited.Text().size();
    if (m_maxLength > 0 && length > m_maxLength && length > model.Text().size())
        return;
    model = std::move(edited);
}

template <class Change> void TNumericEdit::Edit(Change change)
{
    NumericText model = Model();
    EditModel(model, change);
    Show(model);
}

void TNumericEdit::DeleteSelectedText()
{
    Edit([](NumericText &model) { model.DeleteSelection(); });
}

void TNumericEdit::CutToClipboard()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    QGuiApplication::clipboard()->setText(selectedText(), Win32::ClipboardMode);
    DeleteSelectedText();
}

void TNumericEdit::PasteFromClipboard()
{
    PasteFrom(Win32::ClipboardMode);
}

void TNumericEdit::PasteFrom(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    PasteText(QGuiApplication::clipboard()->text(mode));
}

void TNumericEdit::PasteText(const QString &text)
{
    DeleteSelectedText();
    if (!OnKeyPress) {
        // No hook sees the text between two characters: type them all, then lay the line out once
        // instead of once per character (over a minute for a paste of 32,800 characters).
        NumericText model = Model();
        for (QChar character : text)
            EditModel(model, [character](NumericText &edited) { edited.TypeCharacter(character); });
        Show(model);
        return;
    }
    for (QChar character : text)
        if (!DeliverCharacter(character, CharacterOrigin::Text))
            return;
}

bool TNumericEdit::DeliverCharacter(QChar character, CharacterOrigin origin)
{
    if (OnKeyPress && !RunHook([&] { OnKeyPress(this, character); }))
        return false;
    if (character.isNull())
        return true;
    if (origin == CharacterOrigin::Keyboard) {
        switch (character.unicode()) {
        case Win32::CtrlCCharacter:
            copy();
            return true;
        case Win32::CtrlVCharacter:
            PasteFromClipboard();
            return true;
        case Win32::CtrlXCharacter:
            CutToClipboard();
            return true;
        default:
            break;
        }
    }
    if (!isReadOnly())
        Edit([character](NumericText &model) { model.TypeCharacter(character); });
    return true;
}

void TNumericEdit::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    // Shift+Delete is the platform's cut, not a deletion.
    if (key == Qt::Key_Delete && !isReadOnly() && !Win32::IsCommandKey(*event) &&
        !event->matches(QKeySequence::Cut)) {
        Edit([](NumericText &model) { model.DeleteKey(); });
        key = Win32::NoKey;
    }
    if (OnKeyDown && !RunHook([&] { OnKeyDown(this, key, event->modifiers()); }))
        key = Win32::NoKey;
    if (key == Win32::NoKey) {
        event->accept();
        return;
    }
    if (key == event->key()) {
        DispatchKey(event);
        return;
    }
    QKeyEvent changed(event->type(), key, event->modifiers());
    DispatchKey(&changed);
    event->setAccepted(changed.isAccepted());
}

void TNumericEdit::DispatchKey(QKeyEvent *event)
{
    const QString typed = Win32::TypedCharacters(*event);
    if (!typed.isEmpty()) {
        for (QChar character : typed)
            if (!DeliverCharacter(character, CharacterOrigin::Keyboard))
                break;
        event->accept();
    } else if (event->matches(QKeySequence::Cut)) {
        CutToClipboard();
        event->accept();
    } else if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
        event->accept();
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
               (event->key() == Qt::Key_Delete && !Win32::IsCommandKey(*event))) {
        // No undo history; a Delete that reaches here was handled above or meets a read-only field.
        event->accept();
    } else if (event->matches(QKeySequence::Copy) || MovesCaretOnly(*event) ||
               event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QLineEdit::keyPressEvent(event);
    } else {
        // Anything else the line edit would do changes the text without keeping it canonical.
        event->ignore();
    }
}

void TNumericEdit::focusInEvent(QFocusEvent *event)
{
    // The line edit would select all on Tab only; the selection rule is ours.
    QFocusEvent neutral(event->type(), event->reason() == Qt::MouseFocusReason ? Qt::MouseFocusReason
                                                                               : Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&neutral);
    // Also when the focus comes back as a modal box closes (the window's activation): a message
    // shown while Tab left the previous field must not leave the caret at the end of this one,
    // where typing would extend the old value. A closing popup menu never took the field's place.
    if (m_autoSelect && event->reason() != Qt::PopupFocusReason &&
        !Win32::IsFocusFromLeftMousePress(event->reason()))
        selectAll();
    if (Win32::ChangesActiveControl(event->reason()))
        RaiseGuarded(OnEnter, this);
}

void TNumericEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!Win32::ChangesActiveControl(event->reason()))
        return;
    // A text that is not a number fails the range check and so skips OnExit.
    if (RunHook([this] { CheckRange(); }))
        RaiseGuarded(OnExit, this);
}

void TNumericEdit::CheckRange()
{
    if (m_minValue == m_maxValue)
        return;
    const double value = Value();
    if ((value < m_minValue || value > m_maxValue) && OnInvalidEntry)
        OnInvalidEntry(this);
}

void TNumericEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // Our own menu: cut, paste and delete go through the field's editing and deletion steps, and there
    // is no Undo or Redo.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const auto add = [menu](const QString &caption, bool enabled, auto &&command) {
        menu->addAction(caption, command)->setEnabled(enabled);
    };
    add(MenuCaption(tr("Cu&t"), QKeySequence::Cut), editable && selected, [this] { CutToClipboard(); });
    add(MenuCaption(tr("&Copy"), QKeySequence::Copy), selected, [this] { copy(); });
    add(MenuCaption(tr("&Paste"), QKeySequence::Paste),
        editable && !QGuiApplication::clipboard()->text(Win32::ClipboardMode).isEmpty(),
        [this] { PasteFromClipboard(); });
    add(tr("Delete"), editable && selected, [this] { DeleteSelectedText(); });
    menu->addSeparator();
    add(MenuCaption(tr("Select All"), QKeySequence::SelectAll), !text().isEmpty(), [this] { selectAll(); });
    menu->popup(event->globalPos());
    event->accept();
}

void TNumericEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TNumericEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (!QGuiApplication::clipboard()->supportsSelection() || isReadOnly())
        return;
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteFrom(Win32::MiddleClickPasteMode);
}

void TNumericEdit::dropEvent(QDropEvent *event)
{
    // Ends the drop caret the line edit shows while dragging over it.
    QDragLeaveEvent leave;
    QLineEdit::dragLeaveEvent(&leave);
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(event->mimeData()->text());
    // Always a copy: the source keeps its text, whatever part of it the key filter took in.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TNumericEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Composition text is never shown; only committed characters count, each typed through the filter.
    for (QChar character : event->commitString())
        if (!DeliverCharacter(character, CharacterOrigin::Text))
            break;
    event->accept();
}
