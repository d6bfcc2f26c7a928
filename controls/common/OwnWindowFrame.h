#pragma once

#include <QMargins>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QToolButton;

// The caption buttons that a window's flags name.
struct CaptionButtons {
    bool Minimise = false;
    bool Maximise = false;
    bool Close = false;
    bool operator==(const CaptionButtons &) const = default;
};

// Minimise, maximise and close as the flags name them; the buttons Qt gives a kind of window (a plain
// window all three, a dialog close only) when the flags name none of their own.
CaptionButtons CaptionButtonsOf(Qt::WindowFlags flags);

// The _MOTIF_WM_HINTS property of a window (flags, functions, decorations, input mode, status), by which
// a window manager on X11 learns which caption buttons to draw and which commands to offer: the caption
// buttons of `flags` (CaptionButtonsOf), a title bar and system menu where the flags ask for them, and
// the sizing border and the resize command only for a window whose size may change (`resizable`).
// Both the decorations and the functions are always given, so that no window manager falls back to
// its own defaults for either.
using MotifWmHints = std::array<std::uint32_t, 5>;
MotifWmHints MotifWmHintsOf(Qt::WindowFlags flags, bool resizable);

// The frame that a window draws itself: a classic sizing border and a caption bar with the window's
// title and exactly the caption buttons of its flags. Dragging the caption bar moves the window,
// dragging the border resizes one whose size may change, and a double click on the caption bar
// maximises or restores one with a maximise button. It lies under the window's controls and takes
// the mouse only on the border and the caption bar. The window owns it.
class TOwnWindowFrame : public QWidget {
    Q_OBJECT
public:
    // Border and caption bar, in device-independent pixels.
    static constexpr QMargins Margins{4, 4 + 19, 4, 4};

    explicit TOwnWindowFrame(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override; // the window's size, title and state
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QToolButton *AddButton(const QString &name, const std::function<void()> &click);
    void FollowWindow();
    void ToggleMaximised();
    QRect CaptionBar() const;
    Qt::Edges EdgesAt(QPoint point) const; // none on a window whose size cannot change

    QWidget &m_window;
    QToolButton *m_minimise = nullptr;
    QToolButton *m_maximise = nullptr;
    QToolButton *m_close = nullptr;
};

// Where Qt draws the windows' frames into the windows themselves, with minimise and maximise buttons
// whatever a window's flags say (Wayland), every window and dialog of the program, Qt's own message
// boxes and file dialogs too, draws its own frame instead (TOwnWindowFrame), given as it is first
// shown: its controls move inside the frame and it grows by the frame's margins. Under X11 the window
// manager draws the frames and this does nothing. Call once the application exists.
void UseOwnWindowFramesWhereNeeded();

// Under X11, every window and dialog of the program tells the window manager its caption buttons and
// commands (MotifWmHintsOf) each time it is shown, before the window manager frames it: Qt leaves the
// decorations out for a window with a caption and no buttons, and a window manager that reads them
// then draws all of its buttons. Nothing on other platforms. Call once the application exists.
void TellWindowManagerCaptionButtons();
