#pragma once

#include <QLabel>
#include <functional>

// A plain text label that reports a left click: the left button pressed and released over it.
// Assistive technology sees a push button named by its accessible name (else its text), whose Press
// action clicks it once the request has returned, so that a modal window the click opens does not
// hold up the screen reader.
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit TClickLabel(const QString &text, QWidget *parent = nullptr);

    // What a left click does: raises OnClick, guarded.
    void Click();

    std::function<void(QObject *sender)> OnClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_leftDown = false;
};
