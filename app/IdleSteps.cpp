#include "app/IdleSteps.h"

#include "controls/common/FailureGuard.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches the window for its first paint, then steps on a zero timer, which the event loop runs only
// when it has nothing else to do.
class TIdleSteps : public QObject {
public:
    TIdleSteps(QWidget &window, std::function<bool()> step) : QObject(&window), m_step(std::move(step))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { Step(); });
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_timer.start(); // its first turn comes after this paint has gone to the screen
        }
        return false;
    }

private:
    void Step()
    {
        bool more = false;
        RunGuarded([&] { more = m_step(); });
        if (!more) {
            m_timer.stop();
            deleteLater();
        }
    }

    std::function<bool()> m_step;
    QTimer m_timer;
};

} // namespace

void StepWhenIdle(QWidget &window, std::function<bool()> step)
{
    new TIdleSteps(window, std::move(step));
}
