#include "ScheduleText.h"

#include "Format.h"

namespace {

std::string TermText(std::int32_t years)
{
    return std::to_string(years) + (years == 1 ? " year" : " years");
}

// A count with the locale's thousands separator between groups of three digits.
std::string GroupedCount(std::size_t count, const LocaleValues &locale)
{
    const std::string digits = std::to_string(count);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += locale.ThousandSeparator;
        text += digits[i];
    }
    return text;
}

} // namespace

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
        if (row.PartialMonths > 0)
            return std::to_string(row.Number) + " (" + std::to_string(row.PartialMonths) +
                   (row.PartialMonths == 1 ? " month)" : " months)");
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
        {"Term", TermText(schedule.Years)},
        {"Monthly payment", CentsText(schedule.PaymentCents, locale)},
        {"Number of payments", std::to_string(schedule.Monthly.size())},
    };
}

std::optional<std::string> PaidOffNote(const PaymentSchedule &schedule, const LocaleValues &locale)
{
    const std::size_t payments = schedule.Monthly.size();
    if (payments >= static_cast<std::size_t>(schedule.Years) * 12)
        return std::nullopt;
    return "Paid off after " + GroupedCount(payments, locale) + (payments == 1 ? " payment" : " payments");
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
