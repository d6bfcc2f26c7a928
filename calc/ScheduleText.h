#pragma once

#include "calc/CellSchedule.h"
#include "calc/LocaleValues.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The texts of a payment schedule, shared by the window, its copy, its printout and the tool. A
// schedule without extras or dates is a what-if schedule whose extras are none: the same texts serve
// both.

enum class ScheduleView { Monthly, Yearly };

inline const std::vector<ScheduleRow> &RowsOf(const WhatIfSchedule &schedule, ScheduleView view)
{
    return view == ScheduleView::Yearly ? schedule.Yearly : schedule.Monthly;
}

// An amount in cents in the locale's currency layout, exact to the cent (FormatCurrencyCents): the
// schedule's figures keep every cent where the chart's ten-digit layout would round them.
std::string CentsText(std::int64_t cents, const LocaleValues &locale);

enum class ScheduleColumn {
    Number,
    Date,
    Payment,
    Extra,
    Interest,
    Principal,
    Balance,
    InterestToDate,
    PrincipalToDate,
};

// The headings of `columns`: "No." or "Year", "Date", "Payment", "Extra", "Interest", "Principal",
// "Balance", "Interest to date", "Principal to date". A year's sums read as a month's figures do, so
// that its Payment, beside an Extra column or not, never claims to include the extras.
std::vector<std::string> ScheduleColumnHeadings(std::span<const ScheduleColumn> columns, ScheduleView view);

// A row's number. A year of fewer than 12 months says how many, after a loan year's number or a
// calendar year: "30 (11 months)", "2024 (10 months)".
std::string ScheduleNumberText(const ScheduleRow &row);

// A caption and its value, such as "Total interest" and "$183,212.95".
struct ScheduleFigure {
    std::string Caption;
    std::string Value;

    bool operator==(const ScheduleFigure &) const = default;
};

// Loan, rate and term as the chart shows them, the monthly payment and the number of payments.
std::vector<ScheduleFigure> ScheduleTerms(const PaymentSchedule &schedule, const LocaleValues &locale);
// "Paid off after 11,982 payments" (grouped as the locale groups) when the rows of `schedule`, `plain`
// repaid with its extras, end before the term's last month; nothing when they run the whole term.
std::optional<std::string> PaidOffNote(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                       const LocaleValues &locale);
// What tells one schedule's windows apart: "Payment Schedule - $100,000.00 at 8.75% over 30 years".
std::string ScheduleTitle(const PaymentSchedule &schedule);
// The totals of the rows shown: all payments and all interest.
std::vector<ScheduleFigure> ScheduleTotalsFigures(const std::vector<ScheduleRow> &rows,
                                                  const LocaleValues &locale);

// Cells separated by a tab, ended by a line feed.
std::string TsvLine(const std::vector<std::string> &cells);

// The texts of a schedule by columns.

// In order: the number, Date when the rows are dated, Payment, Extra when an extra is given, Interest,
// Principal, Balance, then the running totals of interest and principal when `runningTotals`. Without
// extras or dates, the five columns from the number to the balance.
std::vector<ScheduleColumn> WhatIfColumns(const WhatIfSchedule &schedule, bool runningTotals);
// The most columns a what-if schedule shows: dated and with an extra.
std::vector<ScheduleColumn> FullestWhatIfColumns(bool runningTotals);

// A month as YYYY-MM ("2024-03").
std::string PaymentMonthText(PaymentMonth month);

// The cents a money column of row `row` of `view` shows (the running totals included); no value for
// the number and the date.
std::optional<std::int64_t> WhatIfCellCents(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                                            ScheduleColumn column);
// Row `row` of `view` in `columns`: the number as ScheduleNumberText gives it; the date of a month, and
// the months a year covers ("2024-03 to 2024-12"), empty for undated rows; money in the currency
// layout.
std::vector<std::string> WhatIfRowCells(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                                        std::span<const ScheduleColumn> columns, const LocaleValues &locale);

// What the extras change, for after the totals: when an extra is given, the extras' total, the interest
// saved and how much sooner the loan is paid off ("Paid off", "1 payment (1 month) sooner", "60
// payments (5 years) sooner", "not sooner" when the extras save no payment); with a first payment
// month, the payoff date.
std::vector<ScheduleFigure> WhatIfFigures(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                          const LocaleValues &locale);

// A month by its English name and year: "January 2027".
std::string PaymentMonthName(PaymentMonth month);

// What a what-if schedule was made with beyond its loan's terms, each fact a value of its own.
struct ScenarioFact {
    enum class Kind {
        ExtraEachMonth, // Cents with every payment from Payment on
        OneTimeExtra,   // Cents with payment Payment
        FirstPayment,   // Month
    };
    Kind What = Kind::ExtraEachMonth;
    std::int64_t Cents = 0;
    std::int32_t Payment = 0;
    PaymentMonth Month;

    bool operator==(const ScenarioFact &) const = default;
};

// The facts of `schedule`: the extra each month when above 0, the one-time extras above 0 by payment
// (as given within one payment), then the first payment's month when given. None for a plain schedule.
std::vector<ScenarioFact> ScenarioFacts(const WhatIfSchedule &schedule);
// Each fact as a phrase: "Extra each month $200.00 from payment 1", "one-time $10,000.00 at payment
// 60", "first payment January 2027".
std::vector<std::string> ScenarioPhrases(const WhatIfSchedule &schedule, const LocaleValues &locale);
// The phrases in as few lines as `fits` allows, in order: within a line joined by "; ", a line before
// another ending in ";". A phrase that does not fit by itself stands alone on its line. None for none.
std::vector<std::string> ScenarioLines(const std::vector<std::string> &phrases,
                                       const std::function<bool(const std::string &line)> &fits);
// The phrases on one line: "Extra each month $200.00 from payment 1; one-time $10,000.00 at payment 60;
// first payment January 2027"; empty for a plain schedule.
std::string ScenarioText(const WhatIfSchedule &schedule, const LocaleValues &locale);
