#include "bench/startup/IntervalProbe.h"

#include "app/Application.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
// Watches every widget for the showing of the target window and the first paint of the target.
class TTargetPaintWatcher : public QObject {
public:
    TTargetPaintWatcher(const QElapsedTimer &clock, IntervalTargets targets)
        : m_clock(clock), m_targets(std::move(targets))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_shown == 0 && m_targets.Window(watched))
            m_shown = m_clock.nsecsElapsed();
        if (event->type() == QEvent::Paint && !m_seen && m_targets.Painted(watched)) {
            m_seen = true;
            // Queued behind the paint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, [this, target = static_cast<QWidget *>(watched)] {
                const qint64 now = m_clock.nsecsElapsed();
                std::printf("interval %.6f\nwindow %.6f\npainted\n", now / 1e9, (now - m_shown) / 1e9);
                std::fflush(stdout);
                target->window()->close();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
    IntervalTargets m_targets;
    qint64 m_shown = 0; // nanoseconds on the clock when the target window was shown
    bool m_seen = false;
};

// Runs the command once the main window has painted for the first time.
class TMainPaintWatcher : public QObject {
public:
    TMainPaintWatcher(TfrmMain &window, std::function<void(TfrmMain &)> command, IntervalTargets targets)
        : QObject(&window), m_window(window), m_command(std::move(command)), m_targets(std::move(targets))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] { Run(); });
        }
        return false;
    }

private:
    void Run()
    {
        m_window.CalculatePaymentTable(&m_window);
        QApplication::processEvents();
        static QElapsedTimer clock;
        qApp->installEventFilter(new TTargetPaintWatcher(clock, m_targets));
        clock.start();
        m_command(m_window);
    }

    TfrmMain &m_window;
    std::function<void(TfrmMain &)> m_command;
    IntervalTargets m_targets;
    bool m_seen = false;
};
} // namespace

int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const IntervalTargets &targets)
{
    return RunQuillmere(argc, argv, [&](TfrmMain &window) {
        window.installEventFilter(new TMainPaintWatcher(window, command, targets));
    });
}
