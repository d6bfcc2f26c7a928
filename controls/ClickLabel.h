#pragma once

#include <QLabel>
#include <functional>

// A plain text label that reports a left click: the left button pressed and released over it.
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    std::function<void(QObject *sender)> OnClick; // runs guarded

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_leftDown = false;
};
