#include "calc/SchedulePlot.h"

namespace {

std::vector<BalancePoint> BalanceSeries(std::int64_t loanCents, const std::vector<ScheduleRow> &monthly)
{
    std::vector<BalancePoint> points;
    points.reserve(monthly.size() + 1);
    points.push_back({0, loanCents});
    for (const ScheduleRow &row : monthly)
        points.push_back({row.Number, row.Balance});
    return points;
}

} // namespace

SchedulePlotSeries PlotSeriesOf(const PaymentSchedule &plain, const WhatIfSchedule &whatIf)
{
    SchedulePlotSeries series;
    series.PlainBalance = BalanceSeries(plain.LoanCents, plain.Monthly);
    series.WhatIfBalance = BalanceSeries(plain.LoanCents, whatIf.Monthly);
    series.Years.reserve(whatIf.Yearly.size());
    for (const ScheduleRow &year : whatIf.Yearly)
        series.Years.push_back({year.Number, year.PartialMonths, year.Interest, year.Principal});
    series.PayoffPayment = whatIf.Monthly.empty() ? 0 : whatIf.Monthly.back().Number;
    return series;
}
