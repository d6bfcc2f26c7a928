#include "app/ReportPrinting.h"

#include "app/ModalWindow.h"
#include "report/engine/BandReport.h"
#include "report/engine/FormBuilding.h"
#include "report/preview/FmPreview.h"
#include "report/printer/ReportPrinter.h"

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

// A window's parent for the lifetime of a scope; a window of its own again afterwards.
class ParentScope {
public:
    ParentScope(QWidget &window, QWidget &parent) : m_window(window)
    {
        m_window.setParent(&parent, m_window.windowFlags());
    }
    ~ParentScope() { m_window.setParent(nullptr, m_window.windowFlags()); }
    ParentScope(const ParentScope &) = delete;
    ParentScope &operator=(const ParentScope &) = delete;

private:
    QWidget &m_window;
};

} // namespace

ReportPrinting::ReportPrinting(std::unique_ptr<PrinterDevice> device, std::vector<TRPFont> firstPreviewFonts)
    : m_reportPrinter(std::make_unique<TRPPrinter>(std::move(device))),
      m_fontsToLayOut(std::move(firstPreviewFonts))
{
}

ReportPrinting::~ReportPrinting() = default;

void ReportPrinting::PreviewReport(TBandReport &report, std::function<void()> previewHook)
{
    m_previewed = true;
    const PreviewHookScope hook(*m_reportPrinter, std::move(previewHook));
    report.PreviewReport();
}

void ReportPrinting::ShowPreview(QWidget &opener)
{
    TFmPreview &preview = Preview();
    const ParentScope parent(preview, opener);
    ExecModal(preview);
}

bool ReportPrinting::PrepareFirstPreview()
{
    if (m_previewed)
        return false;
    if (!m_measured) {
        m_reportPrinter->ComputePageSize();
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
