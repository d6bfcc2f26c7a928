#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>

// The Qt counterparts of the Win32 notions the controls' behaviour is defined by.
namespace Win32 {

// Character codes of WM_CHAR that the key handling looks for: the control characters that Ctrl+C,
// Backspace, Ctrl+V and Ctrl+X deliver.
inline constexpr char16_t CtrlCCharacter = 3;
inline constexpr char16_t BackspaceCharacter = 8;
inline constexpr char16_t CtrlVCharacter = 22;
inline constexpr char16_t CtrlXCharacter = 24;

// A key handler consumes a key by setting its code to 0; the control then does nothing with it.
inline constexpr int NoKey = 0;

// The one clipboard of Win32.
inline constexpr QClipboard::Mode ClipboardMode = QClipboard::Clipboard;
// X11's primary selection, pasted by a middle click; Win32 has none, so it is filtered like a paste.
inline constexpr QClipboard::Mode MiddleClickPasteMode = QClipboard::Selection;

// A key pressed with Alt or Meta: a command (a mnemonic, a shortcut), never an edit.
inline bool IsCommandKey(const QKeyEvent &event)
{
    return event.modifiers() & (Qt::AltModifier | Qt::MetaModifier);
}

// The characters a key press types: Backspace (also with Ctrl) as 8, Ctrl+C/V/X as 3/22/24 (the
// clipboard keys), and printable text when neither Ctrl, Alt nor Meta is held. Any other key with one
// of them is a command (a mnemonic, a shortcut), never a typed character. (AltGr reaches Qt without
// Ctrl or Alt.)
inline QString TypedCharacters(const QKeyEvent &event)
{
    if (IsCommandKey(event))
        return {};
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Backspace)
        return QString(QChar(BackspaceCharacter));
    if (modifiers == Qt::ControlModifier) {
        switch (event.key()) {
        case Qt::Key_C:
            return QString(QChar(CtrlCCharacter));
        case Qt::Key_V:
            return QString(QChar(CtrlVCharacter));
        case Qt::Key_X:
            return QString(QChar(CtrlXCharacter));
        default:
            return {};
        }
    }
    if (modifiers.testFlag(Qt::ControlModifier))
        return {};
    const QString text = event.text();
    for (QChar character : text)
        if (!character.isPrint())
            return {};
    return text;
}

// csLButtonDown: the focus came with a press of the left mouse button on the control (Qt also
// moves the focus on other buttons, which Win32 does not count).
inline bool IsFocusFromLeftMousePress(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

// Entering and leaving a control (OnEnter/OnExit, CM_EXIT) follow the window's active control. Qt
// also moves the focus in and out when the window is activated or deactivated and while a popup menu
// is open; those leave the active control as it was.
inline bool ChangesActiveControl(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Shift+Tab arrives as Backtab from the window system, as Tab with Shift from synthesized input.
inline bool IsBackwardTab(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
}

// The grid's other Win32 notions: a message posted to the grid itself (PostMessage) is a queued
// call run by the event loop; the show-hint handler is the viewport's QEvent::ToolTip shown with
// QToolTip; DrawFocusRect is a dotted rectangle that inverts the pixels under it; clActiveCaption,
// clBtnFace, clWindow and clWindowText are the palette's Highlight, Button, Base and Text colours.
// Delete's character 127 is no typed character (Windows sends none for it).

} // namespace Win32
