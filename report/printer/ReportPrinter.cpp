#include "report/printer/ReportPrinter.h"

#include "calc/Rounding.h"
#include "controls/ProgressForm.h"
#include "report/printer/PdfFileJob.h"
#include "report/printer/PrinterError.h"

#include <QPainter>

namespace {

// Sets a flag for the lifetime of a scope.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

// The printer's page in screen pixels, each length rounded half to even: across with the horizontal
// resolution, down with the vertical one. A printer that does not tell its sheet has its printable
// area as the sheet, so the preview still has a sheet to scale to. Throws PrinterError for a printer
// without a resolution or a printable area.
PageGeometry InScreenPixels(const PrinterFacts &facts)
{
    const long double dpiX = facts.DotsPerInch.width();
    const long double dpiY = facts.DotsPerInch.height();
    if (dpiX <= 0 || dpiY <= 0 || facts.Dots.Page.isEmpty())
        throw PrinterError("The printer reports no resolution");
    const auto across = [dpiX](int dots) { return RoundHalfEven(dots / dpiX * ScreenPixelsPerInch); };
    const auto down = [dpiY](int dots) { return RoundHalfEven(dots / dpiY * ScreenPixelsPerInch); };
    const auto size = [&](QSize dots) { return QSize(across(dots.width()), down(dots.height())); };
    const PageGeometry &dots = facts.Dots;
    if (dots.Sheet.isEmpty())
        return {size(dots.Page), size(dots.Page), QPoint(0, 0)};
    return {size(dots.Page), size(dots.Sheet), QPoint(across(dots.Offset.x()), down(dots.Offset.y()))};
}

} // namespace

TRPPrinter::TRPPrinter(std::unique_ptr<PrinterDevice> device) : m_device(std::move(device))
{
    AssumePage(5);
    m_printerAvailable = true;
}

TRPPrinter::~TRPPrinter() = default;

// The page of a sheet of 4672 x 6752 dots at 600 dots per inch.
void TRPPrinter::AssumePage(int offset)
{
    const QSize page(RoundHalfEven(4672.0L / 600 * ScreenPixelsPerInch),
                     RoundHalfEven(6752.0L / 600 * ScreenPixelsPerInch));
    const QSize sheet(RoundHalfEven(page.width() * 1.05L), RoundHalfEven(page.height() * 1.05L));
    m_geometry = {page, sheet, QPoint(offset, offset)};
    m_printerAvailable = false;
}

void TRPPrinter::ComputePageSize()
{
    try {
        const std::optional<PrinterFacts> facts = m_device->Measure(m_settings);
        if (!facts) {
            AssumePage(5);
            return;
        }
        m_geometry = InScreenPixels(*facts);
        m_printerAvailable = true;
    } catch (const std::exception &) {
        // A printer that cannot be measured must not stop the report: it runs on the assumed page.
        AssumePage(20);
    }
}

void TRPPrinter::StartPage()
{
    m_canvas.StartPage(m_geometry.Page * PageUnitsPerPixel);
}

void TRPPrinter::ClosePage()
{
    m_pages.push_back(m_canvas.FinishPage());
}

void TRPPrinter::BeginDocument()
{
    if (m_printing)
        return;
    if (m_state == TRPPrinterState::Finished)
        DiscardPages();
    if (m_state != TRPPrinterState::Idle)
        return;
    ComputePageSize();
    m_pages.clear();
    StartPage();
    m_state = TRPPrinterState::Building;
    m_currentPage = 1;
    m_pageCount = 1;
    m_documentTitle.clear();
}

void TRPPrinter::AddPage()
{
    if (m_state != TRPPrinterState::Building)
        return;
    ClosePage();
    ComputePageSize();
    StartPage();
    ++m_pageCount;
}

void TRPPrinter::EndDocument()
{
    if (m_state != TRPPrinterState::Building)
        return;
    ClosePage();
    m_state = TRPPrinterState::Finished;
    SelectPage(1);
    // The next document asks the print system afresh: the printer or its paper may change meanwhile.
    m_device->Forget();
}

void TRPPrinter::DiscardPages()
{
    if (m_state != TRPPrinterState::Finished || m_printing)
        return;
    AbandonDocument();
}

void TRPPrinter::AbandonDocument()
{
    if (m_printing)
        return;
    m_canvas.FinishPage();
    m_pages.clear();
    m_state = TRPPrinterState::Idle;
    m_firstPage = m_lastPage = 0;
    m_device->Forget();
}

void TRPPrinter::SelectPage(int n)
{
    if (m_state == TRPPrinterState::Finished && n >= 1 && n <= m_pageCount)
        m_currentPage = n;
}

const RecordedPage *TRPPrinter::CurrentPageImage() const
{
    return m_state == TRPPrinterState::Finished ? &m_pages[m_currentPage - 1] : nullptr;
}

void TRPPrinter::SetRecordedText(int n, size_t operation, const QString &text)
{
    if (m_state == TRPPrinterState::Finished && n >= 1 && n <= m_pageCount)
        m_pages[static_cast<size_t>(n - 1)].SetText(operation, text);
}

void ProgressFormCloser::operator()(TRPProgressForm *form) const
{
    delete form;
}

ProgressWindow TRPPrinter::CreateProgressForm(const QString &text, int maximum)
{
    ProgressWindow form(new TRPProgressForm(m_progressTitle));
    form->OnCancel = [this] { Cancel(); };
    form->SetMaximum(maximum);
    if (m_showProgress)
        form->show();
    form->SetText(text);
    return form;
}

void TRPPrinter::ShowPreview()
{
    if (m_previewHook)
        m_previewHook();
}

bool TRPPrinter::InPrintRange(int n) const
{
    return m_lastPage == 0 || (m_firstPage <= n && n <= m_lastPage);
}

int TRPPrinter::LastPageToPrint() const
{
    for (int n = m_pageCount; n >= 1; --n) {
        if (InPrintRange(n))
            return n;
    }
    return 0;
}

std::optional<PrinterStatus> TRPPrinter::PrintDocument()
{
    if (m_printing || m_state != TRPPrinterState::Finished)
        return std::nullopt;
    const PrinterStatus before = m_device->Status();
    if (!TakesJobs(before))
        return before;
    try {
        RunJob([this] { return m_device->StartJob(m_documentTitle, m_settings); }, true);
    } catch (const PrintSystemError &failure) {
        return PrinterStatus{failure.Condition(), before.Name};
    } catch (const FileWriteError &) {
        throw;
    } catch (const PrinterError &) {
        // The job's own failure may only be the print system going away meanwhile: that is the cause.
        const TPrinterCondition now = m_device->Status().Condition;
        if (now == TPrinterCondition::NoPrintSystem)
            return PrinterStatus{TPrinterCondition::Stopped, before.Name};
        if (now == TPrinterCondition::NotAnswering || now == TPrinterCondition::Stopped)
            return PrinterStatus{now, before.Name};
        throw;
    }
    // The printer may have been paused (it holds the job) or resumed meanwhile.
    const PrinterStatus after = m_device->Status();
    return TakesJobs(after) ? after : before;
}

QString TRPPrinter::PdfTitle() const
{
    if (!m_documentTitle.isEmpty())
        return m_documentTitle;
    const QString preview = QStringLiteral("Preview of ");
    return m_previewTitle.startsWith(preview) ? m_previewTitle.mid(preview.size()) : m_previewTitle;
}

void TRPPrinter::WritePdf(const QString &fileName)
{
    RunJob([&] { return StartPdfFileJob(fileName, PdfTitle(), SheetLayout(m_geometry)); }, false);
}

void TRPPrinter::RunJob(const std::function<std::unique_ptr<PrintJob>()> &startJob, bool withProgress)
{
    if (m_printing || m_state != TRPPrinterState::Finished)
        return;
    const int last = LastPageToPrint();
    if (last == 0)
        return;
    const FlagScope printing(m_printing);
    const int remembered = m_currentPage;
    try {
        ProgressWindow progress;
        if (withProgress)
            progress = CreateProgressForm(QStringLiteral("Printing report ") + m_documentTitle, m_pageCount);
        m_cancelled = false;
        const std::unique_ptr<PrintJob> job = startJob();
        for (int n = 1; n <= last && !m_cancelled; ++n) {
            if (!InPrintRange(n))
                continue;
            if (progress)
                progress->SetPosition(n);
            SelectPage(n);
            m_pages[n - 1].Replay(job->Painter(), job->PrintableArea());
            if (n < last)
                job->NewSheet();
        }
        if (m_cancelled)
            job->Abort();
        else
            job->Finish();
    } catch (...) {
        SelectPage(remembered);
        throw;
    }
    SelectPage(remembered);
}

void TRPPrinter::SetLandscape(bool landscape)
{
    if (!m_printerAvailable)
        return;
    m_device->ReadSettings();
    m_settings.Landscape = landscape;
}

void TRPPrinter::SetPaperSize(TRPPaperSize paper)
{
    if (paper == TRPPaperSize::rppDefault || m_device->SupportsPaper(paper))
        m_settings.Paper = paper;
    ComputePageSize();
}

void TRPPrinter::SetPaperWidth(int width)
{
    if (width != 0)
        SetPaperSize(TRPPaperSize::rppCustom);
    if (m_settings.Paper == TRPPaperSize::rppCustom)
        m_settings.CustomWidth = width;
    ComputePageSize();
}

void TRPPrinter::SetPaperLength(int length)
{
    if (length != 0)
        SetPaperSize(TRPPaperSize::rppCustom);
    if (m_settings.Paper == TRPPaperSize::rppCustom)
        m_settings.CustomLength = length;
    ComputePageSize();
}
