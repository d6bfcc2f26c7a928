#include "IntervalProbe.h"

#include "Application.h"
#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
// Watches every widget for the first paint of the target.
class TTargetPaintWatcher : public QObject {
public:
    TTargetPaintWatcher(const QElapsedTimer &clock, std::function<bool(QObject *)> isTarget)
        : m_clock(clock), m_isTarget(std::move(isTarget))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && m_isTarget(watched)) {
            m_seen = true;
            // Queued behind the paint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, [this, target = static_cast<QWidget *>(watched)] {
                std::printf("interval %.6f\npainted\n", m_clock.nsecsElapsed() / 1e9);
                std::fflush(stdout);
                target->window()->close();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
    std::function<bool(QObject *)> m_isTarget;
    bool m_seen = false;
};

// Runs the command once the main window has painted for the first time.
class TMainPaintWatcher : public QObject {
public:
    TMainPaintWatcher(TfrmMain &window, std::function<void(TfrmMain &)> command,
                      std::function<bool(QObject *)> isTarget)
        : QObject(&window), m_window(window), m_command(std::move(command)), m_isTarget(std::move(isTarget))
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
        qApp->installEventFilter(new TTargetPaintWatcher(clock, m_isTarget));
        clock.start();
        m_command(m_window);
    }

    TfrmMain &m_window;
    std::function<void(TfrmMain &)> m_command;
    std::function<bool(QObject *)> m_isTarget;
    bool m_seen = false;
};
} // namespace

int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const std::function<bool(QObject *)> &isTarget)
{
    return RunQuillmere(argc, argv, [&](TfrmMain &window) {
        window.installEventFilter(new TMainPaintWatcher(window, command, isTarget));
    });
}
