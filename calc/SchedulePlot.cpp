#include "calc/SchedulePlot.h"

#include "calc/ScheduleText.h"

#include <algorithm>
#include <cmath>

namespace {

// The share of an axis beyond its values that holds the payoff marker.
constexpr double MarkerRoom = 1.0 / 16;
// Tells marks on whole years from a position a rounding error beside them.
constexpr double TimeTolerance = 1e-9;

std::vector<BalancePoint> BalanceSeries(std::int64_t loanCents, const std::vector<ScheduleRow> &monthly)
{
    std::vector<BalancePoint> points;
    points.reserve(monthly.size() + 1);
    points.push_back({0, loanCents});
    for (const ScheduleRow &row : monthly)
        points.push_back({row.Number, row.Balance});
    return points;
}

double Units(std::int64_t cents)
{
    return static_cast<double>(cents) / 100;
}

std::int32_t LastPayment(const std::vector<BalancePoint> &balance)
{
    return balance.empty() ? 0 : balance.back().Payment;
}

// When payment `number` falls: "with payment 300", dated "in 2049-02 (payment 300)".
std::string PayoffWhen(std::int32_t number, std::optional<PaymentMonth> firstPayment)
{
    const std::string payment = "payment " + std::to_string(number);
    if (!firstPayment)
        return "with " + payment;
    return "in " + PaymentMonthText(MonthOfPayment(*firstPayment, number)) + " (" + payment + ")";
}

// Whole units from 0 up to the first mark at or above `topCents`, at least two marks.
PlotAxis MoneyAxis(std::string title, std::int64_t topCents, const LocaleValues &locale, int mostSteps)
{
    const std::int64_t topUnits = std::max<std::int64_t>(1, (topCents + 99) / 100);
    const std::int64_t step = RoundStep(topUnits, mostSteps);
    const std::int64_t steps = (topUnits + step - 1) / step;
    PlotAxis axis{std::move(title), 0, static_cast<double>(steps * step), {}};
    for (std::int64_t i = 0; i <= steps; ++i)
        axis.Marks.push_back({static_cast<double>(i * step), CentsText(i * step * 100, locale)});
    return axis;
}

// The loan years, or the calendar years when dated, from the loan to the last payment without the
// extras; the years at multiples of the step marked.
PlotAxis TimeAxis(const SchedulePlotSeries &series, int mostSteps)
{
    const double start = PaymentPosition(0, series.FirstPayment);
    // A month at least, so that a schedule without payments still spans its axis.
    const double end =
        std::max(PaymentPosition(LastPayment(series.PlainBalance), series.FirstPayment), start + 1.0 / 12);
    PlotAxis axis{series.FirstPayment ? "Year" : "Loan year", start, end + (end - start) * MarkerRoom, {}};
    const auto step = static_cast<double>(
        RoundStep(static_cast<std::int64_t>(std::ceil(end - start - TimeTolerance)), mostSteps));
    for (double year = std::ceil(start / step - TimeTolerance) * step; year <= end + TimeTolerance;
         year += step)
        axis.Marks.push_back({year, std::to_string(std::llround(year))});
    return axis;
}

std::vector<PlotPoint> BalancePoints(const std::vector<BalancePoint> &balance,
                                     std::optional<PaymentMonth> firstPayment)
{
    std::vector<PlotPoint> points;
    points.reserve(balance.size());
    for (const BalancePoint &point : balance)
        points.push_back({PaymentPosition(point.Payment, firstPayment), Units(point.Balance)});
    return points;
}

BalanceChart DescribeBalance(const SchedulePlotSeries &series, const LocaleValues &locale, int mostSteps)
{
    BalanceChart chart;
    chart.Title = "Balance over time";
    chart.Time = TimeAxis(series, mostSteps);
    std::int64_t top = 0;
    for (const auto *balance : {&series.PlainBalance, &series.WhatIfBalance})
        for (const BalancePoint &point : *balance)
            top = std::max(top, point.Balance);
    chart.Money = MoneyAxis("Balance", top, locale, mostSteps);
    chart.Money.Min = -chart.Money.Max * MarkerRoom;
    chart.Lines = {{"Without extras", BalancePoints(series.PlainBalance, series.FirstPayment)},
                   {"With extras", BalancePoints(series.WhatIfBalance, series.FirstPayment)}};
    chart.Payoff = {PaymentPosition(series.PayoffPayment, series.FirstPayment), 0};

    const std::string payoff = PayoffWhen(series.PayoffPayment, series.FirstPayment);
    chart.PayoffText = "Paid off " + payoff;
    const std::int64_t loan = series.PlainBalance.empty() ? 0 : series.PlainBalance.front().Balance;
    chart.Description = "Balance of the " + CentsText(loan, locale) + " loan: paid off " + payoff;
    if (series.WhatIfBalance != series.PlainBalance)
        chart.Description += " with the extras, " +
                             PayoffWhen(LastPayment(series.PlainBalance), series.FirstPayment) +
                             " without them";
    chart.Description += ".";
    return chart;
}

// A year's bar in words: "2024 (10 months): interest $1,234.56, principal $2,000.00".
std::string YearTip(const YearSplit &year, const LocaleValues &locale)
{
    ScheduleRow row;
    row.Number = year.Number;
    row.PartialMonths = year.PartialMonths;
    return ScheduleNumberText(row) + ": interest " + CentsText(year.Interest, locale) + ", principal " +
           CentsText(year.Principal, locale);
}

YearChart DescribeYears(const SchedulePlotSeries &series, const LocaleValues &locale, int mostSteps)
{
    YearChart chart;
    chart.Title = "Interest and principal per year";
    const auto count = static_cast<std::int64_t>(series.Years.size());
    chart.Years = {series.FirstPayment ? "Year" : "Loan year",
                   -0.5,
                   static_cast<double>(std::max<std::int64_t>(count, 1)) - 0.5,
                   {}};
    const std::int64_t step = RoundStep(count, mostSteps);
    chart.Stack = {{"Interest", {}}, {"Principal", {}}};
    std::int64_t top = 0;
    std::int64_t interest = 0;
    std::int64_t principal = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const YearSplit &year = series.Years[static_cast<size_t>(i)];
        if (year.Number % step == 0)
            chart.Years.Marks.push_back({static_cast<double>(i), std::to_string(year.Number)});
        chart.Stack[0].Amounts.push_back(Units(year.Interest));
        chart.Stack[1].Amounts.push_back(Units(year.Principal));
        chart.Tips.push_back(YearTip(year, locale));
        top = std::max(top, year.Interest + year.Principal);
        interest += year.Interest;
        principal += year.Principal;
    }
    chart.Money = MoneyAxis("Paid", top, locale, mostSteps);
    chart.Description = "Interest " + CentsText(interest, locale) + " and principal " +
                        CentsText(principal, locale) + " paid over " + std::to_string(count) +
                        (count == 1 ? " year." : " years.");
    return chart;
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
    series.FirstPayment = whatIf.FirstPayment;
    return series;
}

double PaymentPosition(std::int32_t number, std::optional<PaymentMonth> firstPayment)
{
    if (!firstPayment)
        return number / 12.0;
    const std::int64_t month =
        std::int64_t{firstPayment->Year} * 12 + (firstPayment->Month - 1) + (number - 1);
    return static_cast<double>(month) / 12;
}

std::int64_t RoundStep(std::int64_t span, int mostSteps)
{
    for (std::int64_t power = 1;; power *= 10)
        for (const std::int64_t multiple : {1, 2, 5})
            if (multiple * power * mostSteps >= span)
                return multiple * power;
}

SchedulePlotDescription DescribePlot(const SchedulePlotSeries &series, const LocaleValues &locale,
                                     int mostSteps)
{
    return {DescribeBalance(series, locale, mostSteps), DescribeYears(series, locale, mostSteps)};
}
