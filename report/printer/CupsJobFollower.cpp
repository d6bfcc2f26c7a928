#include "report/printer/CupsJobFollower.h"

#include "controls/common/FailureGuard.h"
#include "report/printer/CupsCaller.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

namespace {

using namespace std::chrono_literals;

// How long a job is followed after it was handed over, and how often its state is asked.
constexpr std::chrono::milliseconds FollowPeriod = 60s;
constexpr std::chrono::milliseconds LookInterval = 500ms;

QStringList Strings(ipp_t *response, const char *name)
{
    QStringList values;
    ipp_attribute_t *attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int n = 0; n < ippGetCount(attribute); ++n)
        values << QString::fromUtf8(ippGetString(attribute, n, nullptr));
    return values;
}

} // namespace

bool NotPrinted(const CupsJobState &state)
{
    switch (state.State) {
    case IPP_JSTATE_STOPPED:
    case IPP_JSTATE_ABORTED:
        return true;
    case IPP_JSTATE_HELD:
        return std::any_of(state.Reasons.begin(), state.Reasons.end(), [](const QString &reason) {
            return reason != QLatin1String("none") && reason != QLatin1String("job-hold-until-specified");
        });
    default:
        return false;
    }
}

QString NotPrintedReason(const CupsJobState &state)
{
    return state.Message.isEmpty() ? state.Reasons.join(QStringLiteral(", ")) : state.Message;
}

std::optional<CupsJobState> AskCupsJobState(const CupsCall &call, int id)
{
    const CupsConnection http = call.Connect();
    if (!http)
        return std::nullopt;
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    static const char *const attributes[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr,
                  attributes);
    ipp_t *response = cupsDoRequest(http.get(), request, "/");
    if (response == nullptr)
        return std::nullopt;
    std::optional<CupsJobState> state;
    if (ipp_attribute_t *jobState = ippFindAttribute(response, "job-state", IPP_TAG_ENUM)) {
        state = CupsJobState{static_cast<ipp_jstate_t>(ippGetInteger(jobState, 0)),
                             Strings(response, "job-state-reasons"),
                             {}};
        const QStringList message = Strings(response, "job-printer-state-message");
        if (!message.isEmpty())
            state->Message = message.first();
    }
    ippDelete(response);
    return state;
}

CupsJobFollower::CupsJobFollower(CupsCaller &caller, int id, FailedJob job,
                                 std::function<void(const FailedJob &)> onFailed)
    : m_caller(caller), m_id(id), m_job(std::move(job)), m_onFailed(std::move(onFailed)), m_end(FollowPeriod)
{
    m_timer.setInterval(LookInterval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { RunGuarded([this] { Look(); }); });
    m_timer.start();
}

CupsJobFollower::~CupsJobFollower()
{
    if (m_question)
        m_question->Abandon();
}

void CupsJobFollower::Look()
{
    if (m_answer.valid()) {
        if (m_answer.wait_for(0s) != std::future_status::ready)
            return; // still asking: a scheduler that does not answer is not asked twice at once
        const std::optional<CupsJobState> state = m_answer.get();
        if (state && (NotPrinted(*state) || state->State >= IPP_JSTATE_CANCELED)) {
            m_timer.stop();
            if (NotPrinted(*state) && m_onFailed) {
                // Posted: the hook shows a message box, whose loop must not run on this follower's
                // timer, as the device may drop the follower meanwhile.
                FailedJob job = m_job;
                job.Reason = NotPrintedReason(*state);
                PostGuarded(QCoreApplication::instance(),
                            [onFailed = m_onFailed, job = std::move(job)] { onFailed(job); });
            }
            return;
        }
    }
    if (m_end.hasExpired()) {
        m_timer.stop();
        return;
    }
    auto [answer, question] = m_caller.Post<std::optional<CupsJobState>>(
        [id = m_id](const CupsCall &call) { return AskCupsJobState(call, id); });
    m_answer = std::move(answer);
    m_question = std::move(question);
}
