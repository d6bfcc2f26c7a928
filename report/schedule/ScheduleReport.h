#pragma once

#include "CellSchedule.h"
#include "ScheduleText.h"
#include "engine/BandReport.h"
#include "engine/RPBand.h"
#include "engine/RPControls.h"
#include "engine/ReportForm.h"

#include <array>

// The report form of a payment schedule: a title on the first page; on every page a header with
// the loan, rate and term and the column headings, and a footer with "Page n" and the print date;
// one detail row per schedule row; after the last row a summary with the totals of the rows.
// Positions are design pixels at 96 per inch; fonts are Arial in points. Run it with
// Rep().PreviewReport().
class TRPSchedule : public TReportForm {
public:
    // Prints the rows of `view`; the schedule and the printer must outlive the form.
    TRPSchedule(const PaymentSchedule &schedule, ScheduleView view, const LocaleValues &locale,
                TRPPrinter &printer);

    TBandReport &Rep() { return m_rep; }

    // Starts the rows at the first one.
    void RepBeforePrint(TRPComponent *sender, bool &printReport);
    // Puts the next schedule row into the five column labels; answers whether there was one.
    void RepNeedData(TRPComponent *sender, bool &moreData);

private:
    void CreateTitle();
    void CreatePageHeader();
    void CreateDetail();
    void CreateSummary();
    void CreatePageFooter();

    const PaymentSchedule &m_schedule;
    ScheduleView m_view;
    LocaleValues m_locale;
    TBandReport m_rep;
    size_t m_row = 0; // the schedule row the next RepNeedData reads
    std::array<TRPLabel *, ScheduleColumnCount> lblColumn{};
};
