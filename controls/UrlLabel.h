#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <functional>

class QMenu;

// A label that stands for a web address: blue and underlined, a pointing-hand cursor, the active colour
// while the left button is held on it, the address opened on a click, and its own "Copy" menu.
// The caption is QLabel's text, always shown as plain text. It is no tab stop unless its window makes
// it one (setFocusPolicy), and a click leaves the focus where it was; given the focus, it is framed in
// its text colour, Return opens the target and the context-menu key or Shift+F10 opens the "Copy"
// menu. Assistive technology sees a link named
// by its accessible name (else the caption), with the target as its value, a Press action that opens
// it and a ShowMenu action.
class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    // Hands a target to the desktop; returns whether the desktop accepted it. The label ignores the result.
    using Opener = std::function<bool(const QString &target)>;

    explicit TUrlLabel(QWidget *parent = nullptr);

    // The address a click opens; when empty or blank the caption is opened instead.
    const QString &URL() const { return m_url; }
    void SetURL(const QString &url) { m_url = url; }

    // The text colour while the left button is held down on the label; purple for a new label.
    const QColor &ActiveColor() const { return m_activeColor; }
    void SetActiveColor(const QColor &color) { m_activeColor = color; }

    // The text colour of the enabled label (the palette's window-text colour); repaints.
    QColor FontColor() const;
    void SetFontColor(const QColor &color);

    // Replaces the route by which every label opens its target (tests watch it here); an empty
    // opener restores the desktop's default handler. Returns the opener in force before.
    static Opener SetOpener(Opener opener);

    // What a click opens: URL when it is not blank, otherwise the caption, both untrimmed; empty when
    // that is blank too. Blank means made only of characters of code 32 or less.
    QString Target() const;

    // What a left click does: OnClick, then the target opened. Runs guarded.
    void Click();
    // Opens the "Copy" menu under the label, as the keyboard does.
    void PopupMenuBelow();

    // Raised by a left click before the target is opened.
    std::function<void(QObject *sender)> OnClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void PressLeft(bool clickOnRelease);
    void OpenTarget();
    void CopyCaption() const;

    QString m_url;
    QColor m_activeColor;
    QColor m_savedColor;           // the text colour when the left button went down
    bool m_leftDown = false;       // a left press on the label awaits its release
    bool m_clickOnRelease = false; // that release, over the label, is a click
    QMenu *m_menu;                 // owned through the widget tree
};
