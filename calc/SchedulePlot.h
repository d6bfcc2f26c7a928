#pragma once

#include "calc/CellSchedule.h"
#include "calc/LocaleValues.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The plot of a schedule: its figures, and the one description of what it shows (charts, axes, titles,
// series in order, the payoff marker) that the window's plot and the printed one both draw, so that
// screen and paper tell the same story. Money in cents in the figures, in currency units in the
// description; time in years.

// The balance owed after `Payment` payments (0: the loan before the first payment).
struct BalancePoint {
    std::int32_t Payment = 0;
    std::int64_t Balance = 0;

    bool operator==(const BalancePoint &) const = default;
};

// What one row of the yearly view paid in interest and in principal.
struct YearSplit {
    std::int32_t Number = 0;        // the loan year, or the calendar year when the rows are dated
    std::int32_t PartialMonths = 0; // as the yearly row: 0 for a whole year
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;

    bool operator==(const YearSplit &) const = default;
};

struct SchedulePlotSeries {
    std::vector<BalancePoint> PlainBalance;   // without extras: the loan, then after each payment
    std::vector<BalancePoint> WhatIfBalance;  // with the extras; the same points when there are none
    std::vector<YearSplit> Years;             // of the schedule with the extras
    std::int32_t PayoffPayment = 0;           // the payment that clears the schedule with the extras
    std::optional<PaymentMonth> FirstPayment; // dates the plot when given
};

// The series of `plain` and of `whatIf`, the same loan repaid with extras.
SchedulePlotSeries PlotSeriesOf(const PaymentSchedule &plain, const WhatIfSchedule &whatIf);

// The place of payment `number` (0: the loan) on the time axis: years since the loan without a first
// payment month (12 payments a year), else the calendar year with each month a twelfth (March 2024 is
// 2024 + 2/12); the loan stands a month before the first payment.
double PaymentPosition(std::int32_t number, std::optional<PaymentMonth> firstPayment);

// The most steps between an axis's marks: the screen's charts have the room for one more than paper.
inline constexpr int ScreenMostSteps = 5;
inline constexpr int PaperMostSteps = 4;

// The smallest of 1, 2 and 5 times a power of ten (1 or more) that covers `span` in at most `mostSteps`
// steps.
std::int64_t RoundStep(std::int64_t span, int mostSteps);

// A labelled value of an axis.
struct PlotMark {
    double Value = 0;
    std::string Text;

    bool operator==(const PlotMark &) const = default;
};

// An axis from `Min` to `Max`, its marks in between in ascending order.
struct PlotAxis {
    std::string Title;
    double Min = 0;
    double Max = 1;
    std::vector<PlotMark> Marks;
};

struct PlotPoint {
    double Time = 0;   // on the time axis
    double Amount = 0; // currency units

    bool operator==(const PlotPoint &) const = default;
};

struct PlotLine {
    std::string Name;
    std::vector<PlotPoint> Points;
};

// The balance over time: the loan's line without the extras, then with them, and where the extras
// pay it off, marked at a balance of 0. The axes leave room around the marker, so that it stands
// wholly inside them: below 0 and after the last payment.
struct BalanceChart {
    std::string Title;
    PlotAxis Time;
    PlotAxis Money;
    std::vector<PlotLine> Lines; // in the legend's order
    PlotPoint Payoff;
    std::string PayoffText;  // "Paid off with payment 300" or, dated, "Paid off in 2049-02 (payment 300)"
    std::string Description; // the loan and when it is paid off, with the extras and without when they differ
};

// One part of each year's bar.
struct PlotBarSet {
    std::string Name;
    std::vector<double> Amounts; // currency units, a year each
};

// Each year's interest and principal as a stacked bar; bar i stands at i on the year axis.
struct YearChart {
    std::string Title;
    PlotAxis Years; // from -0.5 to the count less 0.5, years at round numbers marked
    PlotAxis Money;
    std::vector<PlotBarSet> Stack; // from the bottom up: the interest, the principal on it
    std::vector<std::string> Tips; // each year in words: "2024 (10 months): interest $1.00, principal $2.00"
    std::string Description;       // the interest and principal paid in all, and over how many years
};

struct SchedulePlotDescription {
    BalanceChart Balance;
    YearChart Years;
};

// What the plot of `series` shows, its money in the locale's currency layout, each axis's marks a
// RoundStep of at most `mostSteps` apart.
SchedulePlotDescription DescribePlot(const SchedulePlotSeries &series, const LocaleValues &locale,
                                     int mostSteps);
