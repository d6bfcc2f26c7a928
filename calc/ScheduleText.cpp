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
