#pragma once

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"
#include "report/engine/BandReport.h"
#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/engine/ReportForm.h"
#include "report/schedule/ScheduleLayout.h"
#include "report/schedule/SchedulePlotControl.h"

#include <array>
#include <vector>

// The report form of a payment schedule: a title on the first page; on every page a header with the
// loan's terms (loan, rate, term, monthly payment, number of payments), the extras and first payment
// under them, and the column headings, and a footer with "Page n of N" and
// the print date; one detail row per schedule row; after the last row a summary with the note of rows
// that pay the loan off before its term and the totals of the rows. Each run lays the form out across
// the printable width of its paper (ScheduleLayout). Positions are design pixels at 96 per inch. Run
// it with Rep().PreviewReport().
class TRPSchedule : public TReportForm {
public:
    // Prints the rows of `view` of `whatIf`, `schedule` repaid with its extras and dated from its first
    // payment: its columns (LayOutSchedule), the terms of `schedule`, after the totals what the extras
    // change (WhatIfFigures), and, with extras or dates, on the first page the plot of both balances and
    // of each year's interest and principal. Both schedules and the printer must outlive the form.
    TRPSchedule(const PaymentSchedule &schedule, const WhatIfSchedule &whatIf, ScheduleView view,
                const LocaleValues &locale, TRPPrinter &printer);
    TRPSchedule(const PaymentSchedule &, WhatIfSchedule &&, ScheduleView, const LocaleValues &,
                TRPPrinter &) = delete;

    TBandReport &Rep() { return m_rep; }

    // Starts the rows at the first one and lays the form out across the printer's printable width,
    // measured as the document began.
    void RepBeforePrint(TRPComponent *sender, bool &printReport);
    // Puts the next schedule row into the column labels; answers whether there was one.
    void RepNeedData(TRPComponent *sender, bool &moreData);

private:
    // A caption and its value.
    struct FigureLabels {
        TRPLabel *Caption = nullptr;
        TRPLabel *Value = nullptr;
    };

    void CreateTitle();
    void CreatePageHeader();
    void CreateDetail();
    void CreateSummary();
    void CreatePageFooter();
    TRPShape *NewRule(TRPBand *band, int top);
    void Arrange(const ScheduleLayout &layout);
    // The plot across the layout's width, a third of the page's height (design pixels) at most.
    void ArrangePlot(const ScheduleLayout &layout, int pageHeight);

    const PaymentSchedule &m_schedule;
    const WhatIfSchedule &m_whatIf;
    ScheduleView m_view;
    LocaleValues m_locale;
    TBandReport m_rep;
    size_t m_row = 0;                              // the schedule row the next RepNeedData reads
    std::vector<std::vector<std::string>> m_cells; // the rows' texts in this run's layout
    std::vector<TRPLabel *> lblColumn;             // as many as the most columns a run may show

    // What Arrange places; the form owns them.
    TRPBand *m_title = nullptr;
    TRPSchedulePlot *m_plot = nullptr; // only with extras or dates
    TRPBand *m_pageHeader = nullptr;
    TRPBand *m_detail = nullptr;
    TRPBand *m_summary = nullptr;
    std::vector<TRPShape *> m_rules; // across the page
    TRPShape *m_headingsRule = nullptr;
    std::vector<FigureLabels> m_terms;
    std::vector<TRPLabel *> m_scenario; // as many as the scenario has phrases; the layout's lines fill them
    std::vector<TRPLabel *> m_headings;
    TRPLabel *m_paidOff = nullptr; // only for a loan paid off before its term
    std::vector<FigureLabels> m_totals;
    TRPSysData *m_pageNumber = nullptr;
    TRPSysData *m_printed = nullptr;
};
