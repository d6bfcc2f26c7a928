#include "report/printer/CupsCaller.h"

#include "controls/common/Accessibility.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace std::chrono_literals;

// How long Ask waits for an answer without running window events or saying that it waits: the print
// system answers in milliseconds (measuring a printer for the first time, which loads its PPD, in a few
// hundred), and a window that flashes up would only disturb.
constexpr std::chrono::milliseconds QuietWait = 500ms;
// How long an impatient Ask waits before it gives up: the first measurement of a printer on a slow
// machine, but never a frozen print system.
constexpr std::chrono::milliseconds ImpatientWait = 2s;
// How often the waiting window looks for the answer.
constexpr int PollIntervalMs = 20;
// How long the thread is waited for at the end of the program.
constexpr int ExitWaitMs = 2000;
// How long the scheduler may take to accept a connection that undoes what a given-up call did.
constexpr int UndoConnectMs = 30000;
// How often a request that waits for the scheduler asks whether its call has given up.
constexpr double GiveUpCheckSeconds = 0.25;

// Says that the program waits for the print system, over the window that asked, with Cancel; modal, so
// that nothing else starts meanwhile, while every window still repaints.
class TPrintSystemWait : public QDialog {
public:
    explicit TPrintSystemWait(QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Print"));
        setWindowModality(Qt::ApplicationModal);
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        auto *layout = new QVBoxLayout(this);
        m_text = new QLabel(QStringLiteral("Waiting for the print system to answer..."), this);
        layout->addWidget(m_text);
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setDefault(true);
        layout->addWidget(cancel, 0, Qt::AlignHCenter);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        setAccessibleName(windowTitle());
        setAccessibleDescription(m_text->text());
    }

    void ShowAndAnnounce()
    {
        show();
        Announce(m_text, QAccessible::Alert);
    }

private:
    QLabel *m_text;
};

// Asks the call whether it has given up, for a request that waits for the scheduler.
int StillWaiting(http_t *, void *call)
{
    return static_cast<const CupsCall *>(call)->GivenUp() ? 0 : 1;
}

} // namespace

CupsCall::CupsCall(QByteArray server, std::chrono::milliseconds timeout)
    : m_server(std::move(server)), m_deadline(timeout)
{
}

bool CupsCall::Abandon()
{
    Outcome running = Running;
    return m_outcome.compare_exchange_strong(running, Abandoned) || running == Abandoned;
}

bool CupsCall::Keep() const
{
    Outcome running = Running;
    return m_outcome.compare_exchange_strong(running, Kept) || running == Kept;
}

void CupsCall::UseServer() const
{
    cupsSetServer(m_server.isEmpty() ? nullptr : m_server.constData());
}

CupsConnection CupsCall::Connect() const
{
    const int remainingMs = static_cast<int>(std::max<qint64>(1, m_deadline.remainingTime()));
    CupsConnection http(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, remainingMs, nullptr));
    if (http)
        httpSetTimeout(http.get(), GiveUpCheckSeconds, StillWaiting, const_cast<CupsCall *>(this));
    return http;
}

CupsConnection CupsCall::ConnectToUndo() const
{
    return CupsConnection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                       UndoConnectMs, nullptr));
}

TPrinterCondition CupsCall::FailureCondition() const
{
    if (GivenUp())
        return TPrinterCondition::NotAnswering;
    // CUPS says a connection that broke or could not be made again as these two; every other status,
    // of a server error too (a queue not accepting jobs), is the scheduler's answer to the request.
    const ipp_status_t status = cupsLastError();
    return status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE
               ? TPrinterCondition::Stopped
               : TPrinterCondition::Ready;
}

CupsCaller::CupsCaller(std::chrono::milliseconds timeout) : m_timeout(timeout), m_thread(new QThreadPool)
{
    m_thread->setMaxThreadCount(1);
    m_thread->setExpiryTimeout(-1); // kept: starting a thread costs milliseconds
}

CupsCaller::~CupsCaller()
{
    m_thread->clear();
    if (!m_thread->waitForDone(ExitWaitMs))
        (void)m_thread.release(); // its calls hold nothing of ours
}

void CupsCaller::Start(std::function<void()> task)
{
    m_thread->start(std::move(task));
}

void CupsCaller::Wait(const std::function<bool(std::chrono::milliseconds)> &readyWithin, CupsCall &call)
{
    if (readyWithin(m_patient ? QuietWait : ImpatientWait))
        return;
    bool cancelled = false;
    if (m_patient) {
        TPrintSystemWait window(QApplication::activeWindow());
        QEventLoop loop;
        QObject::connect(&window, &QDialog::rejected, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
        QTimer poll;
        poll.setInterval(PollIntervalMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (readyWithin(0ms) || call.Deadline().hasExpired())
                loop.quit();
        });
        poll.start();
        window.ShowAndAnnounce();
        QApplication::setOverrideCursor(Qt::BusyCursor);
        loop.exec();
        QApplication::restoreOverrideCursor();
    }
    if (readyWithin(0ms) || !call.Abandon())
        return;
    throw PrintSystemError(cancelled ? TPrinterCondition::Cancelled : TPrinterCondition::NotAnswering);
}
