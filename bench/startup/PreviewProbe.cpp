// The Print Preview command, timed in the running program: once the main window has painted and the
// chart is built, from the command to the first painted sheet with the page on it. Prints
// "interval <seconds>", "window <seconds>" (the part from the preview window's showing on, after the
// report has been generated) and "painted", then closes the preview and ends the program.
#include "Application.h"
#include "MainWindow.h"
#include "preview/FmPreview.h"
#include "preview/RPCustomPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {
// Watches every widget for the preview window's showing and the first paint of its sheet, which by then
// holds the page.
class TSheetPaintWatcher : public QObject {
public:
    explicit TSheetPaintWatcher(const QElapsedTimer &clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_shown == 0 && qobject_cast<TFmPreview *>(watched) != nullptr)
            m_shown = m_clock.nsecsElapsed();
        if (event->type() == QEvent::Paint && !m_seen &&
            qobject_cast<TRPCustomPreview *>(watched) != nullptr) {
            m_seen = true;
            // Queued behind the paint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, [this, sheet = static_cast<QWidget *>(watched)] {
                const qint64 now = m_clock.nsecsElapsed();
                std::printf("interval %.6f\nwindow %.6f\npainted\n", now / 1e9, (now - m_shown) / 1e9);
                std::fflush(stdout);
                sheet->window()->close();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
    qint64 m_shown = 0; // nanoseconds on the clock when the preview window was shown
    bool m_seen = false;
};

// Runs once the main window has painted for the first time.
class TMainPaintWatcher : public QObject {
public:
    explicit TMainPaintWatcher(TfrmMain &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [this] { OpenPreview(); });
        }
        return false;
    }

private:
    void OpenPreview()
    {
        m_window.CalculatePaymentTable(&m_window);
        QApplication::processEvents();
        static QElapsedTimer clock;
        qApp->installEventFilter(new TSheetPaintWatcher(clock));
        clock.start();
        m_window.btnPrintClick(&m_window); // returns when the preview has closed
    }

    TfrmMain &m_window;
    bool m_seen = false;
};
} // namespace

int main(int argc, char **argv)
{
    return RunQuillmere(argc, argv,
                        [](TfrmMain &window) { window.installEventFilter(new TMainPaintWatcher(window)); });
}
