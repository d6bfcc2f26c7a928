#include "ScheduleText.h"

#include "Format.h"

std::string CentsText(std::int64_t cents, const LocaleValues &locale)
{
    return FormatCurrencyCents(cents, locale);
}

const std::array<const char *, ScheduleColumnCount> &ScheduleHeadings(ScheduleView view)
{
    static constexpr std::array<const char *, ScheduleColumnCount> monthly = {"No.", "Payment", "Interest",
                                                                              "Principal", "Balance"};
    static constexpr std::array<const char *, ScheduleColumnCount> yearly = {"Year", "Total paid", "Interest",
                                                                             "Principal", "Balance"};
    return view == ScheduleView::Yearly ? yearly : monthly;
}

std::string ScheduleCellText(const ScheduleRow &row, int column, const LocaleValues &locale)
{
    switch (column) {
    case 0:
        return std::to_string(row.Number);
    case 1:
        return CentsText(row.Payment, locale);
    case 2:
        return CentsText(row.Interest, locale);
    case 3:
        return CentsText(row.Principal, locale);
    default:
        return CentsText(row.Balance, locale);
    }
}

std::vector<ScheduleFigure> ScheduleTerms(const PaymentSchedule &schedule, const LocaleValues &locale)
{
    return {
        {"Loan", schedule.LoanText},
        {"Rate", schedule.RateText},
        {"Term", std::to_string(schedule.Years) + (schedule.Years == 1 ? " year" : " years")},
        {"Monthly payment", CentsText(schedule.PaymentCents, locale)},
        {"Number of payments", std::to_string(schedule.Monthly.size())},
    };
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

std::string ScheduleTsv(const std::vector<ScheduleRow> &rows, ScheduleView view, const LocaleValues &locale)
{
    std::string text = ScheduleTsvHeading(view);
    for (const ScheduleRow &row : rows)
        text += ScheduleTsvLine(row, locale);
    return text;
}

std::string ScheduleTsvHeading(ScheduleView view)
{
    std::string line;
    for (const char *heading : ScheduleHeadings(view))
        line += (line.empty() ? "" : "\t") + std::string(heading);
    return line + '\n';
}

std::string ScheduleTsvLine(const ScheduleRow &row, const LocaleValues &locale)
{
    std::string line;
    for (int column = 0; column < ScheduleColumnCount; ++column)
        line += (column > 0 ? "\t" : "") + ScheduleCellText(row, column, locale);
    return line + '\n';
}

namespace {

std::string Counted(std::int64_t count, const char *unit)
{
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
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

} // namespace

std::vector<ScheduleColumn> WhatIfColumns(const WhatIfSchedule &schedule, bool runningTotals)
{
    std::vector<ScheduleColumn> columns = {ScheduleColumn::Number};
    if (schedule.FirstPayment)
        columns.push_back(ScheduleColumn::Date);
    columns.push_back(ScheduleColumn::Payment);
    if (schedule.Extras.Any())
        columns.push_back(ScheduleColumn::Extra);
    columns.insert(columns.end(),
                   {ScheduleColumn::Interest, ScheduleColumn::Principal, ScheduleColumn::Balance});
    if (runningTotals)
        columns.insert(columns.end(), {ScheduleColumn::InterestToDate, ScheduleColumn::PrincipalToDate});
    return columns;
}

const char *ScheduleColumnHeading(ScheduleColumn column, ScheduleView view)
{
    const auto &plain = ScheduleHeadings(view);
    switch (column) {
    case ScheduleColumn::Number:
        return plain[0];
    case ScheduleColumn::Date:
        return "Date";
    case ScheduleColumn::Payment:
        return "Payment"; // a year's too: beside the Extra column, "Total paid" would be less than paid
    case ScheduleColumn::Extra:
        return "Extra";
    case ScheduleColumn::Interest:
        return plain[2];
    case ScheduleColumn::Principal:
        return plain[3];
    case ScheduleColumn::Balance:
        return plain[4];
    case ScheduleColumn::InterestToDate:
        return "Interest to date";
    case ScheduleColumn::PrincipalToDate:
        return "Principal to date";
    }
    return "";
}

std::string PaymentMonthText(PaymentMonth month)
{
    const std::string year = std::to_string(month.Year);
    return std::string(year.size() < 4 ? 4 - year.size() : 0, '0') + year + (month.Month < 10 ? "-0" : "-") +
           std::to_string(month.Month);
}

std::string WhatIfCellText(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                           ScheduleColumn column, const LocaleValues &locale)
{
    const ScheduleRow &values = RowsOf(schedule, view)[row];
    const auto &toDate = view == ScheduleView::Yearly ? schedule.YearlyToDate : schedule.MonthlyToDate;
    switch (column) {
    case ScheduleColumn::Number:
        return std::to_string(values.Number) + (values.Partial ? " (partial)" : "");
    case ScheduleColumn::Date:
        return DateText(schedule, view, row);
    case ScheduleColumn::Payment:
        return CentsText(values.Payment, locale);
    case ScheduleColumn::Extra:
        return CentsText(values.Extra, locale);
    case ScheduleColumn::Interest:
        return CentsText(values.Interest, locale);
    case ScheduleColumn::Principal:
        return CentsText(values.Principal, locale);
    case ScheduleColumn::Balance:
        return CentsText(values.Balance, locale);
    case ScheduleColumn::InterestToDate:
        return CentsText(toDate[row].Interest, locale);
    case ScheduleColumn::PrincipalToDate:
        return CentsText(toDate[row].Principal, locale);
    }
    return {};
}

std::vector<ScheduleFigure> WhatIfFigures(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                          const LocaleValues &locale)
{
    std::vector<ScheduleFigure> figures;
    if (schedule.Extras.Any()) {
        const ScheduleSavings savings = SavingsOf(plain.Monthly, schedule.Monthly);
        figures.push_back({"Total of extras", CentsText(TotalsOf(schedule.Monthly).Extras, locale)});
        figures.push_back({"Interest saved", CentsText(savings.Interest, locale)});
        figures.push_back({"Paid off", Counted(savings.Payments, "payment") + " (" +
                                           Counted(savings.Payments / 12, "year") + " " +
                                           Counted(savings.Payments % 12, "month") + ") sooner"});
    }
    if (schedule.FirstPayment) {
        const auto months = static_cast<std::int32_t>(schedule.Monthly.size());
        figures.push_back({"Payoff date", PaymentMonthText(MonthOfPayment(*schedule.FirstPayment, months))});
    }
    return figures;
}

std::string WhatIfTsvHeading(const std::vector<ScheduleColumn> &columns, ScheduleView view)
{
    std::string line;
    for (const ScheduleColumn column : columns)
        line += (line.empty() ? "" : "\t") + std::string(ScheduleColumnHeading(column, view));
    return line + '\n';
}

std::string WhatIfTsvLine(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                          const std::vector<ScheduleColumn> &columns, const LocaleValues &locale)
{
    std::string line;
    for (size_t i = 0; i < columns.size(); ++i)
        line += (i > 0 ? "\t" : "") + WhatIfCellText(schedule, view, row, columns[i], locale);
    return line + '\n';
}

std::string ScheduleFigureTsvLine(const ScheduleFigure &figure)
{
    return figure.Caption + '\t' + figure.Value + '\n';
}
