#include "report/printer/CupsPrinterDevice.h"

#include "report/printer/CupsDestination.h"
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

// A job for a CUPS queue. It is drawn into a PDF file of the printer's page layout in the temporary
// folder that goes to the queue only when the job finishes and the file is written whole, so an aborted
// job or a file cut short prints nothing, and CUPS's answer is checked, so a refused job is a failure.
// (Qt's own CUPS output hands even an aborted job to the queue and drops the answer.) The file is
// removed with the job.
class CupsJob final : public PrintJob {
public:
    CupsJob(const QString &printerName, const QString &title, const QPageLayout &layout)
        : m_printerName(printerName.toLocal8Bit()), m_title(title.toLocal8Bit()),
          m_media(layout.pageSize().key().toLatin1())
    {
        // Takes a name of its own; the PDF job replaces the empty file when it finishes.
        m_file.setFileTemplate(QDir::tempPath() + QStringLiteral("/quillmere-XXXXXX.pdf"));
        if (!m_file.open())
            throw FileWriteError(FileWriteFailureText(errno, m_file.fileTemplate()).toStdString());
        m_pdf = StartPdfFileJob(m_file.fileName(), title, layout);
    }

    QPainter &Painter() override { return m_pdf->Painter(); }
    QRectF PrintableArea() const override { return m_pdf->PrintableArea(); }
    void NewSheet() override { m_pdf->NewSheet(); }
    void Finish() override
    {
        m_pdf->Finish();
        cups_option_t *options = nullptr;
        const int count = cupsAddOption("media", m_media.constData(), 0, &options);
        const QByteArray file = QFile::encodeName(m_file.fileName());
        const int job =
            cupsPrintFile(m_printerName.constData(), file.constData(), m_title.constData(), count, options);
        cupsFreeOptions(count, options);
        if (job == 0)
            throw PrinterError(cupsLastErrorString());
    }
    void Abort() noexcept override { m_pdf->Abort(); }

private:
    QByteArray m_printerName;
    QByteArray m_title;
    QByteArray m_media;
    QTemporaryFile m_file;
    std::unique_ptr<PrintJob> m_pdf;
};

} // namespace

CupsPrinterDevice::CupsPrinterDevice()
{
    m_checker.setMaxThreadCount(1);
    m_checker.setExpiryTimeout(-1);
}

CupsPrinterDevice::~CupsPrinterDevice() = default;

const PrinterStatus &CupsPrinterDevice::Destination()
{
    if (!m_destination)
        m_destination = LookUpCupsDestination();
    return *m_destination;
}

CupsQueue *CupsPrinterDevice::Queue()
{
    const PrinterStatus &destination = Destination();
    if (!TakesJobs(destination) && destination.Condition != TPrinterCondition::Refusing)
        return nullptr;
    if (!m_queueChecked) {
        // Kept only for the same queue under a PPD whose time stamp says it has not changed.
        const bool same = m_queue && m_queue->Name() == destination.Name;
        const std::optional<std::time_t> ppdTime =
            CupsPpdTime(destination.Name, same ? m_queue->PpdTime() : std::nullopt);
        if (!same || !ppdTime || m_queue->PpdTime() != ppdTime)
            m_queue = std::make_unique<CupsQueue>(destination.Name, ppdTime);
        m_queueDestination = destination;
        m_queueChecked = true;
    }
    return m_queue->IsNull() ? nullptr : m_queue.get();
}

PrinterStatus CupsPrinterDevice::Status()
{
    Forget();
    return Destination();
}

std::optional<PrinterFacts> CupsPrinterDevice::Measure(const PaperSettings &settings)
{
    CupsQueue *queue = Queue();
    if (queue == nullptr)
        return std::nullopt;
    return queue->Measure(settings);
}

void CupsPrinterDevice::ReadSettings()
{
    if (CupsQueue *queue = Queue())
        queue->ReadSettings();
}

bool CupsPrinterDevice::SupportsPaper(TRPPaperSize paper)
{
    CupsQueue *queue = Queue();
    return queue != nullptr && queue->SupportsPaper(paper);
}

std::unique_ptr<PrintJob> CupsPrinterDevice::StartJob(const QString &title, const PaperSettings &settings)
{
    CupsQueue *queue = Queue();
    if (queue == nullptr)
        throw PrinterError("No printer is installed");
    return std::make_unique<CupsJob>(queue->Name(), title, queue->Layout(settings));
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
    auto promise = std::make_shared<std::promise<CheckAnswer>>();
    m_check = promise->get_future();
    m_checker.start([promise, name = m_queue->Name(), known = m_queue->PpdTime()] {
        CheckAnswer answer{LookUpCupsDestination(), std::nullopt};
        if (answer.Destination.Name == name)
            answer.PpdTime = CupsPpdTime(name, known);
        promise->set_value(answer);
    });
}

bool CupsPrinterDevice::PrinterUnchanged()
{
    if (!m_check.valid())
        return true;
    const CheckAnswer answer = m_check.get();
    if (answer.Destination == m_queueDestination && answer.PpdTime && answer.PpdTime == m_queue->PpdTime())
        return true;
    // The next call takes the destination from this answer and checks its queue again.
    m_destination = answer.Destination;
    m_queueChecked = false;
    return false;
}
