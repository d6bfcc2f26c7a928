#include "bench/startup/IntervalProbe.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "bench/startup/UserPause.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

namespace {
// Calls `then` after a user's pause, once the event loop is about to wait for events.
void AfterAPause(std::function<void()> then)
{
    QTimer::singleShot(UserPauseMs, [then = std::move(then)] {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(QAbstractEventDispatcher::instance(),
                                       &QAbstractEventDispatcher::aboutToBlock, [connection, then] {
                                           QObject::disconnect(*connection);
                                           QTimer::singleShot(0, then);
                                       });
    });
}

// Watches every widget for the showing of the target window and the first paint of the target; a
// timed watcher reports the interval and ends the program, an untimed one only closes the window.
class TTargetPaintWatcher : public QObject {
public:
    TTargetPaintWatcher(const QElapsedTimer *clock, IntervalTargets targets)
        : m_clock(clock), m_targets(std::move(targets))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_clock != nullptr && event->type() == QEvent::Show && m_shown == 0 && m_targets.Window(watched))
            m_shown = m_clock->nsecsElapsed();
        if (event->type() == QEvent::Paint && !m_seen && m_targets.Painted(watched)) {
            m_seen = true;
            // Queued behind the paint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, [this, target = static_cast<QWidget *>(watched)] {
                if (m_clock != nullptr) {
                    const qint64 now = m_clock->nsecsElapsed();
                    std::printf("interval %.6f\nwindow %.6f\npainted\n", now / 1e9, (now - m_shown) / 1e9);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                }
                target->window()->close();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer *m_clock; // none for an untimed run
    IntervalTargets m_targets;
    qint64 m_shown = 0; // nanoseconds on the clock when the target window was shown
    bool m_seen = false;
};

// Runs the command once the main window has painted for the first time, the chart is built, the
// preparation has run and a user's pause has passed.
class TMainPaintWatcher : public QObject {
public:
    TMainPaintWatcher(TfrmMain &window, std::function<void(TfrmMain &)> command, IntervalTargets targets,
                      int untimedRuns, std::function<void(TfrmMain &)> prepare)
        : QObject(&window), m_window(window), m_command(std::move(command)), m_targets(std::move(targets)),
          m_untimedRuns(untimedRuns), m_prepare(std::move(prepare))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] {
                // The start-up of this very process, which the benchmark pairs with the command's time.
                std::fputs("started\n", stdout);
                std::fflush(stdout);
                m_window.CalculatePaymentTable(&m_window);
                if (m_prepare)
                    m_prepare(m_window);
                AfterAPause([this] { Run(); });
            });
        }
        return false;
    }

private:
    void Run()
    {
        const bool timed = m_untimedRuns-- == 0;
        m_watcher = std::make_unique<TTargetPaintWatcher>(timed ? &m_clock : nullptr, m_targets);
        qApp->installEventFilter(m_watcher.get());
        m_clock.start();
        m_command(m_window);
        if (!timed)
            AfterAPause([this] { Run(); });
    }

    TfrmMain &m_window;
    std::function<void(TfrmMain &)> m_command;
    IntervalTargets m_targets;
    int m_untimedRuns;
    std::function<void(TfrmMain &)> m_prepare;
    bool m_seen = false;
    QElapsedTimer m_clock;
    std::unique_ptr<TTargetPaintWatcher>
        m_watcher; // of the last run; it may report after the command returns
};
} // namespace

int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const IntervalTargets &targets, int untimedRuns,
                     const std::function<void(TfrmMain &)> &prepare)
{
    return RunQuillmere(argc, argv, [&](TfrmMain &window) {
        window.installEventFilter(new TMainPaintWatcher(window, command, targets, untimedRuns, prepare));
    });
}
