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
    std::string text;
    for (const char *heading : ScheduleHeadings(view))
        text += (text.empty() ? "" : "\t") + std::string(heading);
    text += '\n';
    for (const ScheduleRow &row : rows) {
        for (int column = 0; column < ScheduleColumnCount; ++column)
            text += (column > 0 ? "\t" : "") + ScheduleCellText(row, column, locale);
        text += '\n';
    }
    return text;
}
