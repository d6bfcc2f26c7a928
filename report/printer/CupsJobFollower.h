#pragma once

#include "report/printer/PrinterDevice.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QTimer>
#include <cups/ipp.h>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class CupsCall;
class CupsCaller;

// A job's state as the scheduler tells it.
struct CupsJobState {
    ipp_jstate_t State = IPP_JSTATE_PENDING;
    QStringList Reasons; // job-state-reasons
    QString Message;     // job-printer-state-message: the printer's words when the job last changed
};

// The job was not printed and will not be by itself: it stopped, was aborted, or is held for a reason
// other than a hold that someone asked for (such as a backend that cannot reach its printer).
bool NotPrinted(const CupsJobState &state);
// The print system's reason for a job not printed, in its own words: the printer's message, else the
// job's state reasons.
QString NotPrintedReason(const CupsJobState &state);

// The state of job `id`; nothing when the scheduler gives no answer within `call`.
std::optional<CupsJobState> AskCupsJobState(const CupsCall &call, int id);

// Follows a job that the print system took, for a short while after it was handed over, asking its
// state on the caller's thread without ever waiting for the answer. When the job is not printed
// (NotPrinted), calls onFailed once, guarded, with the scheduler's reason. Ends then, when the job
// completes or is cancelled, or when the time is up.
class CupsJobFollower {
public:
    CupsJobFollower(CupsCaller &caller, int id, FailedJob job,
                    std::function<void(const FailedJob &)> onFailed);
    ~CupsJobFollower();
    CupsJobFollower(const CupsJobFollower &) = delete;
    CupsJobFollower &operator=(const CupsJobFollower &) = delete;

    bool Following() const { return m_timer.isActive(); }

private:
    void Look();

    CupsCaller &m_caller;
    int m_id;
    FailedJob m_job;
    std::function<void(const FailedJob &)> m_onFailed;
    QDeadlineTimer m_end;
    QTimer m_timer;
    std::future<std::optional<CupsJobState>> m_answer; // the question asked last
    std::shared_ptr<CupsCall> m_question;
};
