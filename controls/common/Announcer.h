#pragma once

#include <QString>
#include <QWidget>

// What a window says to a screen reader of a change that moves no focus ("Page 2 of 5", "Whole
// page"): an invisible child of the window that assistive technology sees as a notification named by
// the notice. Each Say shows it anew, and a screen reader speaks a notification as it appears; a
// changed name or description alone reaches Orca without its text under Qt 6.4. The window owns it.
class TAnnouncer : public QWidget {
    Q_OBJECT
public:
    explicit TAnnouncer(QWidget &window);

    // Nothing while no assistive technology listens.
    void Say(const QString &notice);
};
