#include "report/printer/CupsPrinterDevice.h"

#include "report/printer/CupsCaller.h"
#include "report/printer/CupsDestination.h"
#include "report/printer/CupsJobFollower.h"
#include "report/printer/CupsQueue.h"
#include "report/printer/FileWriting.h"
#include "report/printer/PdfFileJob.h"
#include "report/printer/PrinterError.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryFile>
#include <cerrno>
#include <cups/cups.h>

namespace {

using namespace std::chrono_literals;

// How long a document about to be shown waits for the answer whether the printer changed: the answer
// comes in milliseconds, and without it the kept printer stands (Print asks afresh).
constexpr std::chrono::milliseconds CheckWait = 1s;

bool Unanswered(TPrinterCondition condition)
{
    return condition == TPrinterCondition::NotAnswering || condition == TPrinterCondition::Stopped ||
           condition == TPrinterCondition::Cancelled;
}

// Hands the PDF file to queue `printer` within `call`; returns the job's id. A job that the user
// stopped waiting for meanwhile is cancelled again, so that nothing prints that was said not to.
int SubmitCupsJob(const CupsCall &call, const QByteArray &printer, const QByteArray &file,
                  const QByteArray &title, const QByteArray &media)
{
    const CupsConnection http = call.Connect();
    if (!http)
        throw PrintSystemError(call.GivenUp() ? TPrinterCondition::NotAnswering : TPrinterCondition::Stopped);
    cups_option_t *options = nullptr;
    const int count = cupsAddOption("media", media.constData(), 0, &options);
    const int job =
        cupsPrintFile2(http.get(), printer.constData(), file.constData(), title.constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) {
        const TPrinterCondition failure = call.FailureCondition();
        if (failure != TPrinterCondition::Ready)
            throw PrintSystemError(failure);
        throw PrinterError(cupsLastErrorString());
    }
    if (!call.Keep()) {
        if (const CupsConnection undo = call.ConnectToUndo())
            cupsCancelJob2(undo.get(), printer.constData(), job, 0);
    }
    return job;
}

// A job for a CUPS queue. It is drawn into a PDF file of the printer's page layout in the temporary
// folder that goes to the queue only when the job finishes and the file is written whole, so an aborted
// job or a file cut short prints nothing, and CUPS's answer is checked, so a refused job is a failure.
// (Qt's own CUPS output hands even an aborted job to the queue and drops the answer.) The file is
// removed with the job, or once the print system's thread is done with it.
class CupsJob final : public PrintJob {
public:
    // Told of the job once the print system took it: its id, and all but the reason of what to say
    // if the printer then does not print it.
    using HandedOver = std::function<void(int id, FailedJob job)>;

    CupsJob(CupsCaller &caller, const QString &printerName, const QString &title, const QPageLayout &layout,
            HandedOver handedOver)
        : m_caller(caller), m_handedOver(std::move(handedOver)), m_printerName(printerName), m_title(title),
          m_media(layout.pageSize().key().toLatin1()), m_file(std::make_shared<QTemporaryFile>())
    {
        // Takes a name of its own; the PDF job replaces the empty file when it finishes.
        m_file->setFileTemplate(QDir::tempPath() + QStringLiteral("/quillmere-XXXXXX.pdf"));
        if (!m_file->open())
            throw FileWriteError(FileWriteFailureText(errno, m_file->fileTemplate()).toStdString());
        m_pdf = StartPdfFileJob(m_file->fileName(), title, layout);
    }

    QPainter &Painter() override { return m_pdf->Painter(); }
    QRectF PrintableArea() const override { return m_pdf->PrintableArea(); }
    void NewSheet() override { m_pdf->NewSheet(); }
    void Finish() override
    {
        m_pdf->Finish();
        QFile written(m_file->fileName());
        const QByteArray pdf = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
        const int id =
            m_caller.Ask<int>([file = m_file, printer = m_printerName.toLocal8Bit(),
                               title = m_title.toLocal8Bit(), media = m_media](const CupsCall &call) {
                return SubmitCupsJob(call, printer, QFile::encodeName(file->fileName()), title, media);
            });
        m_handedOver(id, FailedJob{m_printerName, m_title, {}, pdf});
    }
    void Abort() noexcept override { m_pdf->Abort(); }

private:
    CupsCaller &m_caller;
    HandedOver m_handedOver;
    QString m_printerName;
    QString m_title;
    QByteArray m_media;
    std::shared_ptr<QTemporaryFile> m_file; // shared with the thread that hands it over
    std::unique_ptr<PrintJob> m_pdf;
};

} // namespace

CupsPrinterDevice::CupsPrinterDevice(std::chrono::milliseconds answerTimeout)
    : m_caller(std::make_unique<CupsCaller>(answerTimeout)),
      m_checker(std::make_unique<CupsCaller>(answerTimeout))
{
}

CupsPrinterDevice::~CupsPrinterDevice() = default;

template <class T> T CupsPrinterDevice::Ask(std::function<T(const CupsCall &)> call)
{
    try {
        return m_caller->Ask(std::move(call));
    } catch (const PrintSystemError &failure) {
        m_destination = PrinterStatus{failure.Condition(), {}};
        m_queueChecked = false;
        throw;
    }
}

const PrinterStatus &CupsPrinterDevice::Destination()
{
    if (!m_destination) {
        try {
            m_destination = Ask<PrinterStatus>(LookUpCupsDestination);
        } catch (const PrintSystemError &) {
            // Ask kept the failure as the destination's condition.
        }
    }
    return *m_destination;
}

std::shared_ptr<CupsQueue> CupsPrinterDevice::Queue()
{
    const PrinterStatus destination = Destination();
    if (Unanswered(destination.Condition))
        throw PrintSystemError(destination.Condition);
    if (!TakesJobs(destination) && destination.Condition != TPrinterCondition::Refusing)
        return nullptr;
    if (!m_queueChecked) {
        // Kept only for the same queue under a PPD whose time stamp says it has not changed.
        m_queue =
            Ask<std::shared_ptr<CupsQueue>>([kept = m_queue, name = destination.Name](const CupsCall &call) {
                const bool same = kept && kept->Name() == name;
                const std::optional<std::time_t> ppdTime =
                    CupsPpdTime(call, name, same ? kept->PpdTime() : std::nullopt);
                if (same && ppdTime && kept->PpdTime() == ppdTime)
                    return kept;
                return std::make_shared<CupsQueue>(name, ppdTime);
            });
        m_queueDestination = destination;
        m_queueChecked = true;
    }
    return m_queue->IsNull() ? nullptr : m_queue;
}

PrinterStatus CupsPrinterDevice::Status()
{
    Forget();
    return Destination();
}

std::optional<PrinterFacts> CupsPrinterDevice::Measure(const PaperSettings &settings)
{
    const std::shared_ptr<CupsQueue> queue = Queue();
    if (!queue)
        return std::nullopt;
    return Ask<PrinterFacts>([queue, settings](const CupsCall &) { return queue->Measure(settings); });
}

void CupsPrinterDevice::ReadSettings()
{
    if (const std::shared_ptr<CupsQueue> queue = Queue())
        Ask<void>([queue](const CupsCall &) { queue->ReadSettings(); });
}

bool CupsPrinterDevice::SupportsPaper(TRPPaperSize paper)
{
    const std::shared_ptr<CupsQueue> queue = Queue();
    return queue != nullptr &&
           Ask<bool>([queue, paper](const CupsCall &) { return queue->SupportsPaper(paper); });
}

std::unique_ptr<PrintJob> CupsPrinterDevice::StartJob(const QString &title, const PaperSettings &settings)
{
    const std::shared_ptr<CupsQueue> queue = Queue();
    if (queue == nullptr)
        throw PrinterError("No printer is installed");
    const QPageLayout layout =
        Ask<QPageLayout>([queue, settings](const CupsCall &) { return queue->Layout(settings); });
    return std::make_unique<CupsJob>(*m_caller, queue->Name(), title, layout,
                                     [this](int id, FailedJob job) { Follow(id, std::move(job)); });
}

void CupsPrinterDevice::Forget() noexcept
{
    m_destination.reset();
    m_queueChecked = false;
}

void CupsPrinterDevice::StartCheck()
{
    PrinterUnchanged(); // an answer nobody waited for
    Forget();
    // A queue whose PPD has no time stamp is measured anew for every document: in line, once, rather
    // than from the kept one and again after an answer that cannot say "unchanged".
    if (!m_queue || m_queue->IsNull() || !m_queue->PpdTime())
        return;
    // Until the answer, the kept queue stands for the current destination.
    m_destination = m_queueDestination;
    m_queueChecked = true;
    auto [answer, call] = m_checker->Post<CheckAnswer>(
        [name = m_queue->Name(), known = m_queue->PpdTime()](const CupsCall &call) {
            CheckAnswer answer{LookUpCupsDestination(call), std::nullopt};
            if (answer.Destination.Name == name)
                answer.PpdTime = CupsPpdTime(call, name, known);
            return answer;
        });
    m_check = std::move(answer);
    m_checkCall = std::move(call);
}

bool CupsPrinterDevice::PrinterUnchanged()
{
    if (!m_check.valid())
        return true;
    if (m_check.wait_for(CheckWait) != std::future_status::ready) {
        m_checkCall->Abandon();
        m_check = {};
        return true;
    }
    const CheckAnswer answer = m_check.get();
    if (answer.Destination == m_queueDestination && answer.PpdTime && answer.PpdTime == m_queue->PpdTime())
        return true;
    // The next call takes the destination from this answer and checks its queue again.
    m_destination = answer.Destination;
    m_queueChecked = false;
    return false;
}

void CupsPrinterDevice::SetJobFailedHook(std::function<void(const FailedJob &)> hook)
{
    m_onJobFailed = std::move(hook);
}

void CupsPrinterDevice::SetPatient(bool patient)
{
    m_caller->SetPatient(patient);
}

void CupsPrinterDevice::Follow(int id, FailedJob job)
{
    std::erase_if(m_followers,
                  [](const std::unique_ptr<CupsJobFollower> &follower) { return !follower->Following(); });
    m_followers.push_back(std::make_unique<CupsJobFollower>(*m_checker, id, std::move(job), m_onJobFailed));
}
