#include "app/ReportPrinting.h"

#include "app/ModalWindow.h"
#include "app/WindowParts.h"
#include "report/engine/BandReport.h"
#include "report/engine/FormBuilding.h"
#include "report/preview/FmPreview.h"
#include "report/preview/NotPrintedBox.h"
#include "report/preview/PdfFileDialog.h"
#include "report/printer/ReportPrinter.h"

#include <QApplication>
#include <QDir>
#include <QWindow>

namespace {

// The printer's preview hook for the lifetime of a scope; unbound again afterwards.
class PreviewHookScope {
public:
    PreviewHookScope(TRPPrinter &printer, std::function<void()> hook) : m_printer(printer)
    {
        m_printer.SetPreviewHook(std::move(hook));
    }
    ~PreviewHookScope() { m_printer.SetPreviewHook({}); }
    PreviewHookScope(const PreviewHookScope &) = delete;
    PreviewHookScope &operator=(const PreviewHookScope &) = delete;

private:
    TRPPrinter &m_printer;
};

// The window that a window stands over for the lifetime of a scope: its transient parent, which the
// window system keeps it above. (A parent widget would do the same, but each change of parent widget
// sets the native window up again: its title, icon and state, at every showing.)
class TransientParentScope {
public:
    TransientParentScope(QWidget &window, QWidget &parent) : m_window(window)
    {
        m_window.winId();
        m_window.windowHandle()->setTransientParent(parent.window()->windowHandle());
    }
    ~TransientParentScope() { m_window.windowHandle()->setTransientParent(nullptr); }
    TransientParentScope(const TransientParentScope &) = delete;
    TransientParentScope &operator=(const TransientParentScope &) = delete;

private:
    QWidget &m_window;
};

// Says that the printer did not print a job it took, over whichever window is active by then (the
// preview that printed it has closed), and offers the document as a PDF file instead.
void OfferFailedJobAsPdf(const FailedJob &job)
{
    QWidget *parent = QApplication::activeWindow();
    if (!OfferPdf(parent, NotPrintedText(job), false))
        return;
    WriteChosenFile(AskPdfFileName(parent, QDir::home().filePath(PdfFileNameForTitle(job.Title))),
                    [&job] { return job.Pdf; });
}

} // namespace

ReportPrinting::ReportPrinting(std::unique_ptr<PrinterDevice> device, std::vector<TRPFont> firstPreviewFonts)
    : m_reportPrinter(std::make_unique<TRPPrinter>(std::move(device))),
      m_fontsToLayOut(std::move(firstPreviewFonts))
{
    m_reportPrinter->SetJobFailedHook(OfferFailedJobAsPdf);
}

ReportPrinting::~ReportPrinting() = default;

void ReportPrinting::PreviewReport(TBandReport &report, std::function<void()> previewHook)
{
    m_previewed = true;
    // Asking the print system whether the printer changed takes milliseconds, which pass while the
    // report is made for the printer as it was and the preview window is shown (ShowPreview).
    m_reportPrinter->StartPrinterCheck();
    m_printerChanged = false;
    const PreviewHookScope hook(*m_reportPrinter, std::move(previewHook));
    report.PreviewReport();
    if (m_printerChanged)
        report.PreviewReport(); // made again for the printer as it is now
}

void ReportPrinting::ShowPreview(QWidget &opener)
{
    TFmPreview &preview = Preview();
    const TransientParentScope parent(preview, opener);
    // The answer is awaited while the window system shows the window. Pages made for a printer that
    // changed meanwhile close the window again before it paints, and PreviewReport makes them anew.
    ExecModal(preview, [this] {
        m_printerChanged = !m_reportPrinter->PrinterUnchanged();
        return !m_printerChanged;
    });
}

bool ReportPrinting::PrepareFirstPreview()
{
    if (m_previewed)
        return false;
    if (!m_measured) {
        // Not worth a wait that the user did not ask for: a print system that is slow to answer is
        // asked again by the first preview.
        m_reportPrinter->SetPatient(false);
        m_reportPrinter->ComputePageSize();
        m_reportPrinter->SetPatient(true);
        m_measured = true;
        return true;
    }
    if (Preview().PrepareFirstShowing())
        return true;
    if (m_fontsToLayOut.empty())
        return false;
    LayOutPrintedFont(m_fontsToLayOut.back());
    m_fontsToLayOut.pop_back();
    return !m_fontsToLayOut.empty();
}

TFmPreview &ReportPrinting::Preview()
{
    if (!m_fmPreview)
        m_fmPreview = std::make_unique<TFmPreview>(*m_reportPrinter);
    return *m_fmPreview;
}
