#pragma once

#include "CellSchedule.h"
#include "LocaleValues.h"

#include <array>
#include <cstdint>
#include <optional>
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

// Column 0..4 of a row: its number, then its money columns in the currency layout. A partial year's
// number says how many months it holds: "30 (11 months)".
std::string ScheduleCellText(const ScheduleRow &row, int column, const LocaleValues &locale);

// A caption and its value, such as "Total interest" and "$183,212.95".
struct ScheduleFigure {
    std::string Caption;
    std::string Value;

    bool operator==(const ScheduleFigure &) const = default;
};

// Loan, rate and term as the chart shows them, the monthly payment and the number of payments.
std::vector<ScheduleFigure> ScheduleTerms(const PaymentSchedule &schedule, const LocaleValues &locale);
// "Paid off after 11,982 payments" (grouped as the locale groups) for a loan whose schedule ends
// before its term's last month; nothing for one that runs its whole term.
std::optional<std::string> PaidOffNote(const PaymentSchedule &schedule, const LocaleValues &locale);
// What tells one schedule's windows apart: "Payment Schedule - $100,000.00 at 8.75% over 30 years".
std::string ScheduleTitle(const PaymentSchedule &schedule);
// The totals of the rows shown: all payments and all interest.
std::vector<ScheduleFigure> ScheduleTotalsFigures(const std::vector<ScheduleRow> &rows,
                                                  const LocaleValues &locale);

// The heading line and one line per row, cells separated by a tab, each line ended by a line feed.
std::string ScheduleTsv(const std::vector<ScheduleRow> &rows, ScheduleView view, const LocaleValues &locale);
// Its heading line, and the line of one row, for writing a line at a time.
std::string ScheduleTsvHeading(ScheduleView view);
std::string ScheduleTsvLine(const ScheduleRow &row, const LocaleValues &locale);
