#pragma once

#include "calc/CellSchedule.h"

#include <cstdint>
#include <vector>

// The figures a plot of a schedule draws, shared by the window's plot and the printed one so that
// both show the same series. Money in cents.

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
    std::vector<BalancePoint> PlainBalance;  // without extras: the loan, then after each payment
    std::vector<BalancePoint> WhatIfBalance; // with the extras; the same points when there are none
    std::vector<YearSplit> Years;            // of the schedule with the extras
    std::int32_t PayoffPayment = 0;          // the payment that clears the schedule with the extras
};

// The series of `plain` and of `whatIf`, the same loan repaid with extras.
SchedulePlotSeries PlotSeriesOf(const PaymentSchedule &plain, const WhatIfSchedule &whatIf);
