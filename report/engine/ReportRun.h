#pragma once

#include "calc/Real6.h"
#include "report/engine/Margin.h"
#include "report/engine/PrintContext.h"
#include "report/engine/RPBand.h"
#include "report/engine/RPFrame.h"
#include "report/engine/ReportEvents.h"
#include "report/printer/PageCanvas.h"

#include <array>
#include <functional>
#include <vector>

class TReportForm;
class TRPPrinter;

// What a run reads of its report, by reference: a handler that changes a setting during the run
// changes it for the rest of the run. The references must outlive the run.
struct TRPRunSetup {
    const TReportForm &Form;
    TRPPrinter &Printer;
    TRPComponent &Sender; // the report, as the handlers' sender
    const TRPReportEvents &Events;
    const TRPClock &Clock;
    const TRPMargin &LeftMargin;
    const TRPMargin &ColumnMargin;
    const int &Columns;
    const TRPFrame &PageFrame;
    const bool &ShowProgress;
    const bool &TitleBeforeHeader;
};

// One pass of a report over its form while the printer builds a document: the run-time state from
// the first band to the last page. Vertical positions are design pixels from the top of the
// printable area.
class TRPReportRun {
public:
    // `pageWidth` and `pageHeight` are the printer's printable area in screen pixels;
    // `pixelsPerInch` is the form's resolution, `scaleFactor` that resolution / 96.
    TRPReportRun(const TRPRunSetup &setup, int pixelsPerInch, Real6 scaleFactor, int pageWidth,
                 int pageHeight);

    // Prints the report from its BeforePrint to its AfterPrint and answers the texts that show the
    // page count, which the document's end completes. A BeforePrint that refuses the run cancels the
    // printer and prints nothing.
    std::vector<TRPPageCountText> Generate();

private:
    void DataLoop();
    bool Fetch(bool moreData);
    void PrintBands(TBandType type);
    void PrintBand(TRPBand &band);
    void BreakIfNeeded(const TRPBand &band);
    // Goes on in the next column, or on a new page, below the headings.
    void Break();
    // Where the detail bands of the record being printed start in the current column.
    void MarkRecordStart();
    // When the summary would not fit below the last record, that record moves over with it, so that
    // the summary never stands alone at the top of a page or column.
    void KeepLastRecordWithSummary();
    // The enabled bands of a type, their heights added.
    int HeightOf(TBandType type) const;
    // Where a band lands after a break: the next column's top, or a new page's, below the headers.
    int TopAfterBreak() const;
    void StartNewPage();
    bool RenderBand(TRPBand &band, int x, int y);
    void DrawPageFrame();
    void DrawFrame(const TRPFrame &frame, const PageRect &rect);
    TRPPrintContext Context();
    void Raise(const std::function<void(TRPComponent *sender)> &handler);

    const TRPRunSetup m_setup;
    TRPPrinter &m_printer;
    const int m_pixelsPerInch;
    const Real6 m_scaleFactor;
    const int m_pageWidth; // screen pixels
    std::array<std::vector<TRPBand *>, BandListCount> m_bands;

    int m_pageHeight = 0; // design pixels
    int m_currentX = 0;
    int m_currentY = 0;
    int m_columnTop = 0; // where a new column starts, below the title and page header
    int m_currentColumn = 1;
    int m_columnWidth = 0;
    int m_footerHeight = 0;
    int m_pageNumber = 1;
    bool m_detailPrinted = false;
    std::vector<TRPPageCountText> m_pageCountTexts;

    // Where the last record's detail bands start: page, column, the first of their operations on
    // the page and their top. Page 0 while a new record has printed nothing yet.
    struct RecordStart {
        int Page = 0;
        int Column = 0;
        size_t Operation = 0;
        int Top = 0;
    } m_lastRecord;
};
