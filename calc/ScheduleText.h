#pragma once

#include "CellSchedule.h"
#include "LocaleValues.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The texts of a payment schedule, shared by the window, its copy, its printout and the tool.

enum class ScheduleView { Monthly, Yearly };

inline const std::vector<ScheduleRow> &RowsOf(const PaymentSchedule &schedule, ScheduleView view)
{
    return view == ScheduleView::Yearly ? schedule.Yearly : schedule.Monthly;
}

// An amount in cents in the locale's currency layout, exact to the cent (FormatCurrencyCents): the
// schedule's figures keep every cent where the chart's ten-digit layout would round them.
std::string CentsText(std::int64_t cents, const LocaleValues &locale);

inline constexpr int ScheduleColumnCount = 5;

// The column headings: number, payment, interest, principal, balance.
const std::array<const char *, ScheduleColumnCount> &ScheduleHeadings(ScheduleView view);

// Column 0..4 of a row: its number, then its money columns in the currency layout.
std::string ScheduleCellText(const ScheduleRow &row, int column, const LocaleValues &locale);

// A caption and its value, such as "Total interest" and "$183,212.95".
struct ScheduleFigure {
    std::string Caption;
    std::string Value;

    bool operator==(const ScheduleFigure &) const = default;
};

// Loan, rate and term as the chart shows them, the monthly payment and the number of payments.
std::vector<ScheduleFigure> ScheduleTerms(const PaymentSchedule &schedule, const LocaleValues &locale);
// The totals of the rows shown: all payments and all interest.
std::vector<ScheduleFigure> ScheduleTotalsFigures(const std::vector<ScheduleRow> &rows,
                                                  const LocaleValues &locale);

// The heading line and one line per row, cells separated by a tab, each line ended by a line feed.
std::string ScheduleTsv(const std::vector<ScheduleRow> &rows, ScheduleView view, const LocaleValues &locale);
// Its heading line, and the line of one row, for writing a line at a time.
std::string ScheduleTsvHeading(ScheduleView view);
std::string ScheduleTsvLine(const ScheduleRow &row, const LocaleValues &locale);

// The texts of a schedule with extras, by columns: the plain ones and those that only dated rows,
// extras or running totals have.

inline const std::vector<ScheduleRow> &RowsOf(const WhatIfSchedule &schedule, ScheduleView view)
{
    return view == ScheduleView::Yearly ? schedule.Yearly : schedule.Monthly;
}

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

// In order: the number, Date when the rows are dated, Payment, Extra when an extra is given, Interest,
// Principal, Balance, then the running totals of interest and principal when `runningTotals`.
std::vector<ScheduleColumn> WhatIfColumns(const WhatIfSchedule &schedule, bool runningTotals);

// "No." or "Year", "Date", "Payment", "Extra", "Interest", "Principal", "Balance",
// "Interest to date", "Principal to date".
const char *ScheduleColumnHeading(ScheduleColumn column, ScheduleView view);

// A month as YYYY-MM ("2024-03").
std::string PaymentMonthText(PaymentMonth month);

// Row `row` of `view` in `column`. The number; a year of fewer than 12 payments says so ("2024
// (partial)"). The date of a month, and the months a year covers ("2024-03 to 2024-12"); empty for
// undated rows. Money in the currency layout.
std::string WhatIfCellText(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                           ScheduleColumn column, const LocaleValues &locale);

// What the extras change, for after the totals: when an extra is given, the extras' total, the interest
// saved and how much sooner the loan is paid off ("Paid off", "60 payments (5 years 0 months) sooner");
// with a first payment month, the payoff date.
std::vector<ScheduleFigure> WhatIfFigures(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                          const LocaleValues &locale);

// The lines of a tab-separated what-if table, each ended by a line feed: the headings of `columns`,
// one row's cells, and a figure as its caption and value.
std::string WhatIfTsvHeading(const std::vector<ScheduleColumn> &columns, ScheduleView view);
std::string WhatIfTsvLine(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                          const std::vector<ScheduleColumn> &columns, const LocaleValues &locale);
std::string ScheduleFigureTsvLine(const ScheduleFigure &figure);
