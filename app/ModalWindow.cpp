#include "app/ModalWindow.h"

#include "controls/common/FailureGuard.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWindow>
#include <memory>
#include <optional>

namespace {

// Closes `dialog` as rejected, unless it was closed meanwhile.
void RejectIfOpen(QDialog &dialog)
{
    if (dialog.isVisible())
        dialog.reject();
}

// Runs a check when a dialog's window is first exposed: a window paints only once exposed, at an
// exposure or at an update request that follows one. A dialog that fails the check takes neither
// until it has closed, which it does from the event loop: closing it while it is still being shown
// would leave its modal loop running.
class FirstExposureCheck : public QObject {
public:
    FirstExposureCheck(QDialog &dialog, const std::function<bool()> &check) : m_dialog(dialog), m_check(check)
    {
        m_dialog.winId();
        m_dialog.windowHandle()->installEventFilter(this);
        m_dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_passed == std::nullopt &&
            m_dialog.windowHandle()->isExposed()) {
            m_passed = true; // a check that failed to run leaves what is there to be painted
            RunGuarded([this] { m_passed = m_check(); });
            if (!*m_passed)
                PostGuarded(&m_dialog, [dialog = &m_dialog] { RejectIfOpen(*dialog); });
        }
        const bool paints = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
        return paints && m_passed == false;
    }

private:
    QDialog &m_dialog;
    const std::function<bool()> &m_check;
    std::optional<bool> m_passed; // none before the first exposure
};

} // namespace

int ExecModal(QDialog &dialog, const std::function<bool()> &beforeFirstPaint)
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    std::unique_ptr<FirstExposureCheck> check;
    if (beforeFirstPaint)
        check = std::make_unique<FirstExposureCheck>(dialog, beforeFirstPaint);
    const int result = dialog.exec();
    if (previous != nullptr && previous->isVisible())
        previous->activateWindow();
    return result;
}
