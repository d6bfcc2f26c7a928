#include "calc/ScheduleText.h"

#include "calc/Format.h"

#include <algorithm>

namespace {

// A count of 0 or more and its unit, plural unless the count is 1 ("1 month", "11,982 payments"),
// its digits grouped by `thousands` in threes when that is given.
std::string Counted(std::int64_t count, const char *unit, const std::string &thousands = {})
{
    const std::string digits = std::to_string(count);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousands;
        text += digits[i];
    }
    return text + " " + unit + (count == 1 ? "" : "s");
}

std::string TermText(std::int32_t years)
{
    return Counted(years, "year");
}

constexpr const char *Heading(ScheduleColumn column, ScheduleView view, bool extraBeside)
{
    const bool yearly = view == ScheduleView::Yearly;
    switch (column) {
    case ScheduleColumn::Number:
        return yearly ? "Year" : "No.";
    case ScheduleColumn::Date:
        return "Date";
    case ScheduleColumn::Payment:
        return yearly && !extraBeside ? "Total paid" : "Payment";
    case ScheduleColumn::Extra:
        return "Extra";
    case ScheduleColumn::Interest:
        return "Interest";
    case ScheduleColumn::Principal:
        return "Principal";
    case ScheduleColumn::Balance:
        return "Balance";
    case ScheduleColumn::InterestToDate:
        return "Interest to date";
    case ScheduleColumn::PrincipalToDate:
        return "Principal to date";
    }
    return "";
}

constexpr std::array<const char *, ScheduleColumnCount> PlainHeadings(ScheduleView view)
{
    std::array<const char *, ScheduleColumnCount> headings{};
    for (size_t i = 0; i < headings.size(); ++i)
        headings[i] = Heading(PlainScheduleColumns[i], view, false);
    return headings;
}

// The texts a row shows by itself; the columns of dates and running totals are not among them.
std::string RowCellText(const ScheduleRow &row, ScheduleColumn column, const LocaleValues &locale)
{
    switch (column) {
    case ScheduleColumn::Number:
        if (row.PartialMonths > 0)
            return std::to_string(row.Number) + " (" + Counted(row.PartialMonths, "month") + ")";
        return std::to_string(row.Number);
    case ScheduleColumn::Payment:
        return CentsText(row.Payment, locale);
    case ScheduleColumn::Extra:
        return CentsText(row.Extra, locale);
    case ScheduleColumn::Interest:
        return CentsText(row.Interest, locale);
    case ScheduleColumn::Principal:
        return CentsText(row.Principal, locale);
    case ScheduleColumn::Balance:
        return CentsText(row.Balance, locale);
    default:
        return {};
    }
}

// The months a calendar year of the schedule covers: from the first payment's month in the first
// year, up to the payoff month in the last, January to December between.
std::string YearMonthsText(const WhatIfSchedule &schedule, size_t row)
{
    const PaymentMonth first = *schedule.FirstPayment;
    const std::int32_t year = schedule.Yearly[row].Number;
    const PaymentMonth from{year, row == 0 ? first.Month : 1};
    const PaymentMonth to{
        year, row + 1 == schedule.Yearly.size()
                  ? MonthOfPayment(first, static_cast<std::int32_t>(schedule.Monthly.size())).Month
                  : 12};
    if (from == to)
        return PaymentMonthText(from);
    return PaymentMonthText(from) + " to " + PaymentMonthText(to);
}

std::string DateText(const WhatIfSchedule &schedule, ScheduleView view, size_t row)
{
    if (!schedule.FirstPayment)
        return {};
    if (view == ScheduleView::Yearly)
        return YearMonthsText(schedule, row);
    return PaymentMonthText(MonthOfPayment(*schedule.FirstPayment, schedule.Monthly[row].Number));
}

std::string WhatIfCellText(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                           ScheduleColumn column, const LocaleValues &locale)
{
    if (column == ScheduleColumn::Date)
        return DateText(schedule, view, row);
    if (const std::optional<std::int64_t> cents = WhatIfCellCents(schedule, view, row, column))
        return CentsText(*cents, locale);
    return RowCellText(RowsOf(schedule, view)[row], column, locale);
}

} // namespace

std::optional<std::int64_t> WhatIfCellCents(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                                            ScheduleColumn column)
{
    const ScheduleRow &shown = RowsOf(schedule, view)[row];
    const RunningTotal &toDate =
        (view == ScheduleView::Yearly ? schedule.YearlyToDate : schedule.MonthlyToDate)[row];
    switch (column) {
    case ScheduleColumn::Payment:
        return shown.Payment;
    case ScheduleColumn::Extra:
        return shown.Extra;
    case ScheduleColumn::Interest:
        return shown.Interest;
    case ScheduleColumn::Principal:
        return shown.Principal;
    case ScheduleColumn::Balance:
        return shown.Balance;
    case ScheduleColumn::InterestToDate:
        return toDate.Interest;
    case ScheduleColumn::PrincipalToDate:
        return toDate.Principal;
    default:
        return std::nullopt;
    }
}

std::string CentsText(std::int64_t cents, const LocaleValues &locale)
{
    return FormatCurrencyCents(cents, locale);
}

std::vector<std::string> ScheduleColumnHeadings(std::span<const ScheduleColumn> columns, ScheduleView view)
{
    const bool extraBeside = std::ranges::find(columns, ScheduleColumn::Extra) != columns.end();
    std::vector<std::string> headings;
    for (const ScheduleColumn column : columns)
        headings.emplace_back(Heading(column, view, extraBeside));
    return headings;
}

const std::array<const char *, ScheduleColumnCount> &ScheduleHeadings(ScheduleView view)
{
    static constexpr std::array<const char *, ScheduleColumnCount> monthly =
        PlainHeadings(ScheduleView::Monthly);
    static constexpr std::array<const char *, ScheduleColumnCount> yearly =
        PlainHeadings(ScheduleView::Yearly);
    return view == ScheduleView::Yearly ? yearly : monthly;
}

std::string ScheduleCellText(const ScheduleRow &row, int column, const LocaleValues &locale)
{
    return RowCellText(row, PlainScheduleColumns[static_cast<size_t>(column)], locale);
}

std::vector<std::string> ScheduleRowCells(const ScheduleRow &row, const LocaleValues &locale)
{
    std::vector<std::string> cells;
    for (const ScheduleColumn column : PlainScheduleColumns)
        cells.push_back(RowCellText(row, column, locale));
    return cells;
}

std::vector<ScheduleFigure> ScheduleTerms(const PaymentSchedule &schedule, const LocaleValues &locale)
{
    return {
        {"Loan", schedule.LoanText},
        {"Rate", schedule.RateText},
        {"Term", TermText(schedule.Years)},
        {"Monthly payment", CentsText(schedule.PaymentCents, locale)},
        {"Number of payments", std::to_string(schedule.Monthly.size())},
    };
}

std::optional<std::string> PaidOffNote(const PaymentSchedule &schedule, const LocaleValues &locale)
{
    const auto payments = static_cast<std::int64_t>(schedule.Monthly.size());
    if (payments >= std::int64_t{schedule.Years} * 12)
        return std::nullopt;
    return "Paid off after " + Counted(payments, "payment", locale.ThousandSeparator);
}

std::string ScheduleTitle(const PaymentSchedule &schedule)
{
    return "Payment Schedule - " + schedule.LoanText + " at " + schedule.RateText + " over " +
           TermText(schedule.Years);
}

std::vector<ScheduleFigure> ScheduleTotalsFigures(const std::vector<ScheduleRow> &rows,
                                                  const LocaleValues &locale)
{
    const ScheduleTotals totals = TotalsOf(rows);
    return {
        {"Total of payments", CentsText(totals.Payments, locale)},
        {"Total interest", CentsText(totals.Interest, locale)},
    };
}

std::string TsvLine(const std::vector<std::string> &cells)
{
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? "\t" : "") + cells[i];
    return line + '\n';
}

std::string ScheduleTsv(const std::vector<ScheduleRow> &rows, ScheduleView view, const LocaleValues &locale)
{
    std::string text = TsvLine(ScheduleColumnHeadings(PlainScheduleColumns, view));
    for (const ScheduleRow &row : rows)
        text += TsvLine(ScheduleRowCells(row, locale));
    return text;
}

namespace {
std::vector<ScheduleColumn> ColumnsOf(bool dated, bool withExtra, bool runningTotals)
{
    std::vector<ScheduleColumn> columns = {ScheduleColumn::Number};
    if (dated)
        columns.push_back(ScheduleColumn::Date);
    columns.push_back(ScheduleColumn::Payment);
    if (withExtra)
        columns.push_back(ScheduleColumn::Extra);
    columns.insert(columns.end(),
                   {ScheduleColumn::Interest, ScheduleColumn::Principal, ScheduleColumn::Balance});
    if (runningTotals)
        columns.insert(columns.end(), {ScheduleColumn::InterestToDate, ScheduleColumn::PrincipalToDate});
    return columns;
}
} // namespace

std::vector<ScheduleColumn> WhatIfColumns(const WhatIfSchedule &schedule, bool runningTotals)
{
    return ColumnsOf(schedule.FirstPayment.has_value(), schedule.Extras.Any(), runningTotals);
}

std::vector<ScheduleColumn> FullestWhatIfColumns(bool runningTotals)
{
    return ColumnsOf(true, true, runningTotals);
}

std::string PaymentMonthText(PaymentMonth month)
{
    const std::string year = std::to_string(month.Year);
    return std::string(year.size() < 4 ? 4 - year.size() : 0, '0') + year + (month.Month < 10 ? "-0" : "-") +
           std::to_string(month.Month);
}

std::vector<std::string> WhatIfRowCells(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                                        std::span<const ScheduleColumn> columns, const LocaleValues &locale)
{
    std::vector<std::string> cells;
    for (const ScheduleColumn column : columns)
        cells.push_back(WhatIfCellText(schedule, view, row, column, locale));
    return cells;
}

std::vector<ScheduleFigure> WhatIfFigures(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                          const LocaleValues &locale)
{
    std::vector<ScheduleFigure> figures;
    if (schedule.Extras.Any()) {
        const ScheduleSavings savings = SavingsOf(plain.Monthly, schedule.Monthly);
        figures.push_back({"Total of extras", CentsText(TotalsOf(schedule.Monthly).Extras, locale)});
        figures.push_back({"Interest saved", CentsText(savings.Interest, locale)});
        figures.push_back({"Paid off", Counted(savings.Payments, "payment", locale.ThousandSeparator) + " (" +
                                           Counted(savings.Payments / 12, "year") + " " +
                                           Counted(savings.Payments % 12, "month") + ") sooner"});
    }
    if (schedule.FirstPayment) {
        const auto months = static_cast<std::int32_t>(schedule.Monthly.size());
        figures.push_back({"Payoff date", PaymentMonthText(MonthOfPayment(*schedule.FirstPayment, months))});
    }
    return figures;
}
