#pragma once

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"
#include "report/engine/BandReport.h"
#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/engine/ReportForm.h"
#include "report/schedule/ScheduleLayout.h"

#include <array>
#include <vector>

// The report form of a payment schedule: a title on the first page; on every page a header with the
// loan's terms (loan, rate, term, monthly payment, number of payments) and the column headings, and a
// footer with "Page n of N" and the print date; one detail row per schedule row; after the last row a
// summary with the note of a loan paid off before its term and the totals of the rows. Each run lays
// the form out across the printable width of its paper (ScheduleLayout). Positions are design pixels
// at 96 per inch. Run it with Rep().PreviewReport().
class TRPSchedule : public TReportForm {
public:
    // Prints the rows of `view`; the schedule and the printer must outlive the form.
    TRPSchedule(const PaymentSchedule &schedule, ScheduleView view, const LocaleValues &locale,
                TRPPrinter &printer);

    TBandReport &Rep() { return m_rep; }

    // Starts the rows at the first one and lays the form out across the printer's printable width,
    // measured as the document began.
    void RepBeforePrint(TRPComponent *sender, bool &printReport);
    // Puts the next schedule row into the five column labels; answers whether there was one.
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

    const PaymentSchedule &m_schedule;
    ScheduleView m_view;
    LocaleValues m_locale;
    TBandReport m_rep;
    size_t m_row = 0; // the schedule row the next RepNeedData reads
    std::array<TRPLabel *, ScheduleColumnCount> lblColumn{};

    // What Arrange places; the form owns them.
    TRPBand *m_pageHeader = nullptr;
    TRPBand *m_detail = nullptr;
    TRPBand *m_summary = nullptr;
    std::vector<TRPShape *> m_rules; // across the page
    TRPShape *m_headingsRule = nullptr;
    std::vector<FigureLabels> m_terms;
    std::array<TRPLabel *, ScheduleColumnCount> m_headings{};
    TRPLabel *m_paidOff = nullptr; // only for a loan paid off before its term
    std::vector<FigureLabels> m_totals;
    TRPSysData *m_pageNumber = nullptr;
    TRPSysData *m_printed = nullptr;
};
