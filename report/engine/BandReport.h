#pragma once

#include "report/engine/Margin.h"
#include "report/engine/RPFrame.h"
#include "report/engine/ReportEvents.h"
#include "report/engine/ReportForm.h"
#include "report/printer/PrinterDevice.h"

#include <QString>
#include <functional>

class TRPPrinter;

enum class TPrinterOrientation { poPortrait, poLandscape };

// The report component of a report form: paginates the form's bands into pages recorded by a
// report printer. It asks its handlers for data record by record, places the bands one below the
// other in design pixels, starts a new page when a band no longer fits above the page footer (a
// summary that would stand alone takes the last record over with it), and records every page at four
// page units per design pixel.
//
// Its handlers (TRPReportEvents) run on the caller's thread with the report as the sender, inside
// the run, with no event loop turning meanwhile; a failure they raise propagates to the caller of
// PreviewReport or CreateReport after the pages have been abandoned and the printer is back at Idle.
class TBandReport : public TRPComponent, public TRPReportEvents {
public:
    // `owner` is the form whose bands the report prints; both must outlive the report.
    TBandReport(const TReportForm &owner, TRPPrinter &printer);

    // Generates the document when the printer is idle, shows it through the printer's preview and
    // discards it afterwards, also when a failure passes through. While another document is being
    // built it does nothing; a finished one that is being shown is shown again, not replaced.
    void PreviewReport();

    // Records the document: the printer ends `Finished` with the pages, or, when a handler or the
    // printer fails, back at `Idle` with the failure passed on. Raises PrinterError("Printer driver
    // error") when the printer's settings cannot be read for the paper.
    void CreateReport();

    // The gap between columns and the left margin, in inches with tenth-inch and millimetre views.
    const TRPMargin &ColumnMargin() const { return m_columnMargin; }
    const TRPMargin &LeftMargin() const { return m_leftMargin; }
    int ColumnMarginInches() const { return m_columnMargin.Inches(); }
    void SetColumnMarginInches(int tenths) { m_columnMargin.SetInches(tenths); }
    int ColumnMarginMM() const { return m_columnMargin.MM(); }
    void SetColumnMarginMM(int millimetres) { m_columnMargin.SetMM(millimetres); }
    int LeftMarginInches() const { return m_leftMargin.Inches(); }
    void SetLeftMarginInches(int tenths) { m_leftMargin.SetInches(tenths); }
    int LeftMarginMM() const { return m_leftMargin.MM(); }
    void SetLeftMarginMM(int millimetres) { m_leftMargin.SetMM(millimetres); }

    // Columns across the page, 1 or more; a value below 1 is ignored.
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

    TPrinterOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPrinterOrientation orientation) { m_orientation = orientation; }

    // The paper the report selects for its run and sets back to the printer's default afterwards;
    // rppDefault leaves the printer's paper alone. A custom paper's width and length are in tenths
    // of a millimetre.
    TRPPaperSize PaperSize() const { return m_paperSize; }
    void SetPaperSize(TRPPaperSize paperSize) { m_paperSize = paperSize; }
    int PaperWidth() const { return m_paperWidth; }
    void SetPaperWidth(int width) { m_paperWidth = width; }
    int PaperLength() const { return m_paperLength; }
    void SetPaperLength(int length) { m_paperLength = length; }

    // Edges drawn around the printable area of every page; none at creation.
    const TRPFrame &PageFrame() const { return m_pageFrame; }
    void SetPageFrame(const TRPFrame &frame) { m_pageFrame = frame; }

    // The document's name at the printer.
    const QString &ReportTitle() const { return m_reportTitle; }
    void SetReportTitle(const QString &title) { m_reportTitle = title; }

    // Whether the progress window shows while the report is made ("Preparing report" and the title)
    // and while the printer prints it.
    bool ShowProgress() const { return m_showProgress; }
    void SetShowProgress(bool showProgress) { m_showProgress = showProgress; }

    // On the first page, the title above the page header rather than below it.
    bool TitleBeforeHeader() const { return m_titleBeforeHeader; }
    void SetTitleBeforeHeader(bool titleBeforeHeader) { m_titleBeforeHeader = titleBeforeHeader; }

    const TRPClock &Clock() const { return m_clock; }
    void SetClock(TRPClock clock) { m_clock = std::move(clock); }

    const TReportForm &Owner() const { return m_owner; }
    TRPPrinter &Printer() const { return m_printer; }

private:
    void SendOrientation();
    void SelectPaper();

    const TReportForm &m_owner;
    TRPPrinter &m_printer;
    TRPMargin m_columnMargin;
    int m_columns = 1;
    TRPMargin m_leftMargin;
    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
    TRPPaperSize m_paperSize = TRPPaperSize::rppDefault;
    int m_paperWidth = 0;
    int m_paperLength = 0;
    TRPFrame m_pageFrame;
    QString m_reportTitle;
    bool m_showProgress = true;
    bool m_titleBeforeHeader = false;
    TRPClock m_clock = std::chrono::system_clock::now;
};
