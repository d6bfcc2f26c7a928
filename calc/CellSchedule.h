#pragma once

#include "Chart.h"
#include "LocaleValues.h"
#include "Schedule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The schedule behind one payment cell of a chart, made from the texts the chart shows: the row's
// amount heading, the column's rate heading, the cell's payment and the chart's term.
struct PaymentSchedule {
    std::string LoanText;          // the amount heading without its leading blank ("$100,000.00")
    std::string RateText;          // the rate heading without its leading blanks ("8.75%")
    std::int32_t Years = 0;        // the chart's term
    std::int64_t PaymentCents = 0; // the level payment as the cell shows it
    std::vector<ScheduleRow> Monthly;
    std::vector<ScheduleRow> Yearly;
    std::int64_t LoanCents = 0; // the amount heading's value
    MonthlyRate Rate;           // the rate heading's value / 1200, exact
};

// The schedule of a cell with extra payments, and its rows dated from a first payment month.
struct WhatIfSchedule {
    ScheduleExtras Extras;
    std::optional<PaymentMonth> FirstPayment;
    std::vector<ScheduleRow> Monthly;
    std::vector<ScheduleRow> Yearly; // by calendar year with FirstPayment, else by loan year
    std::vector<RunningTotal> MonthlyToDate;
    std::vector<RunningTotal> YearlyToDate;
};

// `plain`'s loan, rate, payment and term repaid with `extras`; its savings are those against `plain`.
// Raises ScheduleRefused as MonthlySchedule does (ExtraNotValid, NotInCents).
WhatIfSchedule WhatIfOf(const PaymentSchedule &plain, const ScheduleExtras &extras,
                        std::optional<PaymentMonth> firstPayment = std::nullopt);

// An amount of 0 or more written as a plain decimal with `locale`'s decimal separator and at most two
// decimals that are not 0 ("1500", "99.5", "0.250"), in cents; no value for anything else (a sign,
// grouping, an exponent, a fraction of a cent) or for an amount that 64-bit cents cannot hold.
std::optional<std::int64_t> PlainAmountCents(const std::string &text, const LocaleValues &locale);

// The amount a currency text of `locale` shows (FormatCurrency's layout, the scientific one
// included, blanks around it ignored), in cents; no value for any other text or for an amount that
// 64-bit cents cannot hold.
std::optional<std::int64_t> CurrencyCents(const std::string &text, const LocaleValues &locale);

// The exact monthly rate of an annual rate in percent written as a plain decimal ("8.75%", "-0.5",
// blanks around and a trailing percent sign allowed, the locale's decimal separator): percent / 1200.
// Raises ScheduleRefused(RateNotPlain) for anything else, such as an exponent, or more than 18
// significant digits or 15 decimals.
MonthlyRate MonthlyRateOfPercent(const std::string &text, const LocaleValues &locale);

// The schedule of payment cell (column 1..7, row 1..11) of `chart`, whose texts are in `locale`'s
// layouts. Raises ScheduleRefused (EmptyCell, NotInCents, RateNotPlain, TermOutOfRange, and what
// MonthlySchedule raises) and std::out_of_range for a cell that is not a payment cell.
PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row, const LocaleValues &locale);
