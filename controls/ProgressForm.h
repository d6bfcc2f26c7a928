#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QProgressBar;

// The progress bar's jumps: a maximum m gives a step of m div 20 (at least 1), and a position n moves
// the bar only when the maximum is not 0 and n div step is above that of the last move, so the bar
// moves in at most about 20 jumps.
class ProgressSteps {
public:
    void SetMaximum(int maximum);
    int Maximum() const { return m_maximum; }
    // Whether the bar moves to position; remembers the move.
    bool MovesTo(int position);

private:
    int m_maximum = 0;
    int m_step = 1;
    int m_lastJump = 0;
};

// The progress window of a long run (a report being made or printed): 400 x 140 pixels, centred on the
// screen, no border icons, a text, a bar and a "Cancel" button that calls OnCancel. While shown it carries
// the hourglass cursor, and setting the text lets pending window events run so that it is drawn and Cancel
// can be clicked; while hidden nothing runs window events. The program keeps it hidden.
class TRPProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TRPProgressForm(const QString &caption, QWidget *parent = nullptr);

    void SetMaximum(int maximum);
    void SetPosition(int position);
    void SetText(const QString &text);

    // The Cancel button and the Escape key; raised guarded (RaiseGuarded). The window stays open.
    std::function<void()> OnCancel;
    void reject() override;

private:
    ProgressSteps m_steps;
    QLabel *m_text;
    QProgressBar *m_bar;
};
