#pragma once

#include "calc/Chart.h"
#include "calc/LocaleValues.h"
#include "report/chart/PrintedChartHost.h"
#include "report/engine/BandReport.h"
#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/engine/ReportForm.h"

#include <array>
#include <vector>

// The report form of the payment chart: a title block about the maker on the first page, a page
// header with the loan amount, rate and term, one framed table row per chart row and a page footer
// with a disclaimer and the time of printing. Positions are design pixels at 96 per inch; fonts are
// Arial in points. Run it with Rep().PreviewReport().
class TRPPaymentChart : public TReportForm {
public:
    // The host and the printer must outlive the form.
    TRPPaymentChart(const PrintedChartHost &host, TRPPrinter &printer);

    // The fonts the chart prints in, one of each size and style, colours aside.
    static std::vector<TRPFont> Fonts();

    TBandReport &Rep() { return m_rep; }

    // Starts the rows at the chart's heading row.
    void RepBeforePrint(TRPComponent *sender, bool &printReport);
    // Puts the next chart row into the eight column labels; answers whether that row exists.
    void RepNeedData(TRPComponent *sender, bool &moreData);
    // Writes the chart's loan amount, rate and term into the header's value labels as plain numbers
    // (15 significant digits, no grouping), the amount with the locale's currency symbol around it.
    void PageHeaderBeforePrint(TRPComponent *sender, bool &printBand);

private:
    // The bands and their controls, in creation order.
    void CreateTitle();
    void CreatePageHeader();
    void CreateDetail();
    void CreatePageFooter();

    const PrintedChartHost &m_host;
    TBandReport m_rep;
    int m_row = 0; // the chart row the next RepNeedData reads
    TRPLabel *lblMortgageAmt = nullptr;
    TRPLabel *lblIRate = nullptr;
    TRPLabel *lblNumPmts = nullptr;
    std::array<TRPLabel *, PaymentChart::ColumnCount> lblColumn{}; // lblColumn1 .. lblColumn8
};
