#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Says short texts to assistive technology for a window, wherever the focus is: a new result that
// the user did not move to. Qt 6.4 has no announcement event, so each text goes out as a
// notification that shows, named by the text; screen readers (Orca) speak a notification as it shows.
// Assistive technology sees the announcer as a notification child of the window.
class TAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit TAnnouncer(QWidget *window); // owned by `window`

    // The text said last; empty before the first.
    const QString &Text() const { return m_text; }
    // Says `text` once; nothing while no assistive technology listens.
    void Announce(const QString &text);

    QWidget *Window() const;

private:
    QString m_text;
};
