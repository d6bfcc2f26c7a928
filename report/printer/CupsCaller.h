#pragma once

#include "report/printer/PrinterDevice.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <atomic>
#include <chrono>
#include <cups/cups.h>
#include <functional>
#include <future>
#include <memory>

class QThreadPool;

struct HttpCloser {
    void operator()(http_t *http) const { httpClose(http); }
};
using CupsConnection = std::unique_ptr<http_t, HttpCloser>;

// One call to the print system as the thread that runs it sees it: the server that the window's thread
// reaches (CUPS keeps the server a thread at a time) and when the call is to give up: at its deadline,
// or as soon as nobody waits for its answer any more.
class CupsCall {
public:
    CupsCall(QByteArray server, std::chrono::milliseconds timeout);

    // The deadline passed or the waiter stopped waiting.
    bool GivenUp() const { return m_outcome == Abandoned || m_deadline.hasExpired(); }
    // The waiter stops waiting, unless the call kept its answer first (Keep): false then. A call still
    // running gives up at its next chance.
    bool Abandon();
    // The call's answer stands, unless the waiter stopped waiting first (Abandon): false then, and what
    // the call did must be undone. For a call whose effect outlasts it, such as a job handed over.
    bool Keep() const;
    const QDeadlineTimer &Deadline() const { return m_deadline; }

    // Points the running thread at the server of the window's thread.
    void UseServer() const;
    // A connection to the scheduler whose every request gives up with the call; null when the
    // scheduler does not accept one in time.
    CupsConnection Connect() const;
    // A connection that does not give up with the call, to undo what a call that was given up did;
    // CUPS's own time limits hold.
    CupsConnection ConnectToUndo() const;
    // Why a request on a connection of this call failed, when it was the print system's fault rather
    // than the request's: NotAnswering after the call gave up, Stopped when the connection broke.
    // TPrinterCondition::Ready when the scheduler answered, refusing the request.
    TPrinterCondition FailureCondition() const;

private:
    QByteArray m_server;
    QDeadlineTimer m_deadline;
    enum Outcome { Running, Kept, Abandoned };
    mutable std::atomic<Outcome> m_outcome = Running; // a handshake between the two threads
};

// Runs calls to the print system on a thread of its own, one at a time, so that a print system that
// does not answer never holds up the window's thread. Ask waits for an answer a moment (half a second)
// without running window events (an answer comes in milliseconds); then it shows a window that says that it
// waits, with Cancel, and runs window events until the answer, the deadline or Cancel.
class CupsCaller {
public:
    explicit CupsCaller(std::chrono::milliseconds timeout);
    // Waits a moment for a call still running; one stuck in a frozen scheduler is left to end with the
    // process rather than hold up its exit.
    ~CupsCaller();
    CupsCaller(const CupsCaller &) = delete;
    CupsCaller &operator=(const CupsCaller &) = delete;

    // Patient (the default), Ask waits as above; impatient, it gives up after two seconds, without a
    // window: for work that the user did not ask for.
    void SetPatient(bool patient) { m_patient = patient; }

    // Runs `call` on the thread and waits for its answer as above. Throws what `call` throws, and
    // PrintSystemError(NotAnswering) when the deadline passes first, PrintSystemError(Cancelled) when
    // the user cancels. `call` must not refer to anything of the caller's that the thread could outlive.
    template <class T> T Ask(std::function<T(const CupsCall &)> call)
    {
        auto [answer, state] = Post(std::move(call));
        Wait(
            [&answer](std::chrono::milliseconds moment) {
                return answer.wait_for(moment) == std::future_status::ready;
            },
            *state);
        return answer.get();
    }

    // Runs `call` on the thread without waiting for it: the answer is in the future returned, and the
    // call is there to abandon it.
    template <class T>
    std::pair<std::future<T>, std::shared_ptr<CupsCall>> Post(std::function<T(const CupsCall &)> call)
    {
        auto state = std::make_shared<CupsCall>(cupsServer(), m_timeout);
        auto task = std::make_shared<std::packaged_task<T()>>([state, call = std::move(call)] {
            state->UseServer();
            return call(*state);
        });
        std::future<T> answer = task->get_future();
        Start([task] { (*task)(); });
        return {std::move(answer), std::move(state)};
    }

private:
    void Start(std::function<void()> task);
    // Returns once `readyWithin` says that the answer came; throws PrintSystemError as Ask says,
    // abandoning `call`.
    void Wait(const std::function<bool(std::chrono::milliseconds)> &readyWithin, CupsCall &call);

    std::chrono::milliseconds m_timeout;
    bool m_patient = true;
    std::unique_ptr<QThreadPool> m_thread;
};
