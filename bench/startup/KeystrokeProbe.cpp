// Typing in "Extra each month" of a payment schedule's extras (30 years, 360 monthly rows), timed in
// the running program: once the main window has painted and the chart is built, the schedule of the
// entered cell opens with its extras shown (and its plot, with the argument "plot"); then "1", "2",
// "5", "0" are typed into the field and deleted again with Backspace. Each keystroke is timed from
// posting its key press to the end of the window's next repaint and printed on a line
// "keystroke <seconds>"; then "painted", and the program ends. A keystroke without a repaint within
// a few seconds ends it without "painted".
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/schedule/ScheduleWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// A typist's pause between keystrokes, in milliseconds.
constexpr int KeyPause = 50;
// How long a keystroke may wait for its repaint before the probe gives up, in milliseconds.
constexpr int RepaintLimit = 5000;

const std::vector<std::pair<Qt::Key, QString>> &Keys()
{
    static const std::vector<std::pair<Qt::Key, QString>> keys = [] {
        std::vector<std::pair<Qt::Key, QString>> typed{{Qt::Key_1, QStringLiteral("1")},
                                                       {Qt::Key_2, QStringLiteral("2")},
                                                       {Qt::Key_5, QStringLiteral("5")},
                                                       {Qt::Key_0, QStringLiteral("0")}};
        for (int i = 0; i < 4; ++i)
            typed.emplace_back(Qt::Key_Backspace, QString());
        return typed;
    }();
    return keys;
}

// Opens the schedule, then types the keys one at a time, each once the repaint of the last is done.
class TKeystrokeTimer : public QObject {
public:
    TKeystrokeTimer(TfrmMain &window, bool withPlot) : QObject(&window), m_main(window), m_withPlot(withPlot)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_main && event->type() == QEvent::Paint && !m_started) {
            m_started = true;
            QTimer::singleShot(0, this, [this] { OpenSchedule(); });
        } else if (m_field != nullptr && watched == m_field && event->type() == QEvent::KeyPress) {
            m_keyDelivered = true;
        } else if (m_keyDelivered && event->type() == QEvent::Paint && watched->isWidgetType() &&
                   static_cast<QWidget *>(watched)->window() == m_schedule) {
            m_keyDelivered = false;
            // Queued behind the rest of the repaint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, this, [this] { KeyRepainted(); });
        }
        return false;
    }

private:
    void OpenSchedule()
    {
        m_main.CalculatePaymentTable(&m_main);
        m_main.ShowPaymentSchedule(PaymentChart::EnteredColumn, PaymentChart::EnteredRow);
        m_schedule = m_main.findChild<TfrmSchedule *>();
        const TScheduleControls &c = m_schedule->Controls();
        c.chkWhatIf->setChecked(true);
        c.chkPlot->setChecked(m_withPlot);
        m_field = c.pnlWhatIf->edtExtraMonthly;
        m_schedule->activateWindow();
        m_field->setFocus(Qt::OtherFocusReason);
        qApp->installEventFilter(this);
        // Typing starts once the window has shown and settled.
        QTimer::singleShot(10 * KeyPause, this, [this] { TypeKey(); });
    }

    void TypeKey()
    {
        if (m_next == Keys().size()) {
            std::printf("painted\n");
            std::fflush(stdout);
            m_schedule->close();
            QCoreApplication::exit(0);
            return;
        }
        const auto &[key, text] = Keys()[m_next++];
        QTimer::singleShot(RepaintLimit, this, [this, typed = m_next] {
            if (m_done < typed)
                QCoreApplication::exit(1);
        });
        m_clock.start();
        QCoreApplication::postEvent(m_field, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(m_field, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    }

    void KeyRepainted()
    {
        std::printf("keystroke %.6f\n", m_clock.nsecsElapsed() / 1e9);
        std::fflush(stdout);
        m_done = m_next;
        QTimer::singleShot(KeyPause, this, [this] { TypeKey(); });
    }

    TfrmMain &m_main;
    bool m_withPlot;
    bool m_started = false;
    TfrmSchedule *m_schedule = nullptr;
    QWidget *m_field = nullptr;
    bool m_keyDelivered = false; // the last key press reached the field; its repaint is awaited
    std::size_t m_next = 0;      // index of the next key in Keys()
    std::size_t m_done = 0;      // how many keys have had their repaint
    QElapsedTimer m_clock;       // started when the last key press was posted
};
} // namespace

int main(int argc, char **argv)
{
    const bool withPlot = argc > 1 && std::strcmp(argv[1], "plot") == 0;
    int qtArgc = 1;
    return RunQuillmere(qtArgc, argv, [withPlot](TfrmMain &window) {
        window.installEventFilter(new TKeystrokeTimer(window, withPlot));
    });
}
