#pragma once

#include <QMargins>
#include <QWidget>
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
