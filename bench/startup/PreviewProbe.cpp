// The Print Preview command, timed in the running program: once the main window has painted and the
// chart is built, from the command to the first painted sheet with the page on it. Prints
// "interval <seconds>" and "painted", then closes the preview and ends the program.
#include "Application.h"
#include "MainWindow.h"
#include "preview/RPCustomPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {
// Watches every widget for the first paint of the preview's sheet, which by then holds the page.
class TSheetPaintWatcher : public QObject {
public:
    explicit TSheetPaintWatcher(const QElapsedTimer &clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen &&
            qobject_cast<TRPCustomPreview *>(watched) != nullptr) {
            m_seen = true;
            // Queued behind the paint and the flush of the window's picture to the screen.
            QTimer::singleShot(0, [this, sheet = static_cast<QWidget *>(watched)] {
                std::printf("interval %.6f\npainted\n", m_clock.nsecsElapsed() / 1e9);
                std::fflush(stdout);
                sheet->window()->close();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
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
