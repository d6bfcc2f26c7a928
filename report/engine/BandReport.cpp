#include "report/engine/BandReport.h"

#include "report/engine/PrintContext.h"
#include "report/engine/ReportRun.h"
#include "report/printer/PageGeometry.h"
#include "report/printer/ReportPrinter.h"

TBandReport::TBandReport(const TReportForm &owner, TRPPrinter &printer) : m_owner(owner), m_printer(printer)
{
}

void TBandReport::SetColumns(int columns)
{
    if (columns >= 1)
        m_columns = columns;
}

void TBandReport::PreviewReport()
{
    if (m_printer.Busy())
        return;
    // A document already finished is someone's preview: show it again and leave it to its owner.
    const bool created = m_printer.PrinterState() == TRPPrinterState::Idle;
    if (created)
        CreateReport();
    try {
        if (!m_printer.Cancelled())
            m_printer.ShowPreview();
    } catch (...) {
        if (created)
            m_printer.DiscardPages();
        throw;
    }
    if (created)
        m_printer.DiscardPages();
}

void TBandReport::CreateReport()
{
    SendOrientation();
    if (m_paperSize != TRPPaperSize::rppDefault)
        SelectPaper();
    m_printer.BeginDocument();
    if (m_printer.PrinterState() != TRPPrinterState::Building)
        return;
    std::vector<TRPPageCountText> pageCountTexts;
    try {
        m_printer.SetDocumentTitle(m_reportTitle);
        SendOrientation();
        m_printer.ComputePageSize();
        const int pixelsPerInch = m_owner.PixelsPerInch().value_or(ScreenPixelsPerInch);
        const Real6 scaleFactor =
            Real6::FromExtended(static_cast<long double>(pixelsPerInch) / ScreenPixelsPerInch);
        const TRPRunSetup setup{.Form = m_owner,
                                .Printer = m_printer,
                                .Sender = *this,
                                .Events = *this,
                                .Clock = m_clock,
                                .LeftMargin = m_leftMargin,
                                .ColumnMargin = m_columnMargin,
                                .Columns = m_columns,
                                .PageFrame = m_pageFrame,
                                .ShowProgress = m_showProgress,
                                .TitleBeforeHeader = m_titleBeforeHeader};
        pageCountTexts =
            TRPReportRun(setup, pixelsPerInch, scaleFactor, m_printer.PageWidth(), m_printer.PageHeight())
                .Generate();
    } catch (...) {
        m_printer.AbandonDocument();
        throw;
    }
    m_printer.EndDocument();
    for (const TRPPageCountText &text : pageCountTexts)
        m_printer.SetRecordedText(text.Page, text.Operation, text.Text(m_printer.PageCount()));
    if (m_paperSize != TRPPaperSize::rppDefault)
        m_printer.SetPaperSize(TRPPaperSize::rppDefault);
}

void TBandReport::SendOrientation()
{
    m_printer.SetLandscape(m_orientation == TPrinterOrientation::poLandscape);
}

void TBandReport::SelectPaper()
{
    m_printer.SetPaperSize(m_paperSize);
    if (m_paperSize == TRPPaperSize::rppCustom) {
        m_printer.SetPaperWidth(m_paperWidth);
        m_printer.SetPaperLength(m_paperLength);
    }
}
