#include "calc/ScheduleText.h"

#include "calc/Format.h"

#include <algorithm>
#include <array>

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

// "160 payments (13 years 4 months) sooner", leaving out a part of 0: "1 payment (1 month) sooner",
// "12 payments (1 year) sooner"; "not sooner" for none.
std::string SoonerText(std::int32_t payments, const std::string &thousands)
{
    if (payments <= 0)
        return "not sooner";
    std::string span;
    if (payments >= 12)
        span = Counted(payments / 12, "year", thousands);
    if (payments % 12 != 0)
        span += (span.empty() ? "" : " ") + Counted(payments % 12, "month");
    return Counted(payments, "payment", thousands) + " (" + span + ") sooner";
}

constexpr std::array<const char *, 12> MonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

constexpr const char *Heading(ScheduleColumn column, ScheduleView view)
{
    const bool yearly = view == ScheduleView::Yearly;
    switch (column) {
    case ScheduleColumn::Number:
        return yearly ? "Year" : "No.";
    case ScheduleColumn::Date:
        return "Date";
    case ScheduleColumn::Payment:
        return "Payment";
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
    return ScheduleNumberText(RowsOf(schedule, view)[row]);
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
    std::vector<std::string> headings;
    for (const ScheduleColumn column : columns)
        headings.emplace_back(Heading(column, view));
    return headings;
}

std::string ScheduleNumberText(const ScheduleRow &row)
{
    if (row.PartialMonths > 0)
        return std::to_string(row.Number) + " (" + Counted(row.PartialMonths, "month") + ")";
    return std::to_string(row.Number);
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

std::optional<std::string> PaidOffNote(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                       const LocaleValues &locale)
{
    const auto payments = static_cast<std::int64_t>(schedule.Monthly.size());
    if (payments >= plain.Months())
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
        figures.push_back({"Paid off", SoonerText(savings.Payments, locale.ThousandSeparator)});
    }
    if (schedule.FirstPayment) {
        const auto months = static_cast<std::int32_t>(schedule.Monthly.size());
        figures.push_back({"Payoff date", PaymentMonthText(MonthOfPayment(*schedule.FirstPayment, months))});
    }
    return figures;
}

std::string PaymentMonthName(PaymentMonth month)
{
    return std::string(MonthNames[static_cast<size_t>(month.Month - 1)]) + " " + std::to_string(month.Year);
}

std::vector<ScenarioFact> ScenarioFacts(const WhatIfSchedule &schedule)
{
    using Kind = ScenarioFact::Kind;
    const ScheduleExtras &extras = schedule.Extras;
    std::vector<ScenarioFact> facts;
    if (extras.MonthlyCents > 0)
        facts.push_back({Kind::ExtraEachMonth, extras.MonthlyCents, extras.FromMonth, {}});
    std::vector<OneTimeExtra> oneTime = extras.OneTime;
    std::ranges::stable_sort(oneTime, {}, &OneTimeExtra::Month);
    for (const OneTimeExtra &extra : oneTime) {
        if (extra.Cents > 0)
            facts.push_back({Kind::OneTimeExtra, extra.Cents, extra.Month, {}});
    }
    if (schedule.FirstPayment)
        facts.push_back({Kind::FirstPayment, 0, 0, *schedule.FirstPayment});
    return facts;
}

std::vector<std::string> ScenarioPhrases(const WhatIfSchedule &schedule, const LocaleValues &locale)
{
    std::vector<std::string> phrases;
    for (const ScenarioFact &fact : ScenarioFacts(schedule)) {
        const std::string payment = std::to_string(fact.Payment);
        switch (fact.What) {
        case ScenarioFact::Kind::ExtraEachMonth:
            phrases.push_back("Extra each month " + CentsText(fact.Cents, locale) + " from payment " +
                              payment);
            break;
        case ScenarioFact::Kind::OneTimeExtra:
            phrases.push_back("one-time " + CentsText(fact.Cents, locale) + " at payment " + payment);
            break;
        case ScenarioFact::Kind::FirstPayment:
            phrases.push_back("first payment " + PaymentMonthName(fact.Month));
            break;
        }
    }
    // A sentence's first word takes a capital, whichever fact comes first.
    if (!phrases.empty() && phrases.front()[0] >= 'a' && phrases.front()[0] <= 'z')
        phrases.front()[0] = static_cast<char>(phrases.front()[0] - 'a' + 'A');
    return phrases;
}

std::vector<std::string> ScenarioLines(const std::vector<std::string> &phrases,
                                       const std::function<bool(const std::string &line)> &fits)
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < phrases.size(); ++i) {
        const std::string ending = i + 1 < phrases.size() ? ";" : "";
        if (!lines.empty() && fits(lines.back() + " " + phrases[i] + ending)) {
            lines.back() += " " + phrases[i] + ending;
            continue;
        }
        lines.push_back(phrases[i] + ending);
    }
    return lines;
}

std::string ScenarioText(const WhatIfSchedule &schedule, const LocaleValues &locale)
{
    const std::vector<std::string> lines =
        ScenarioLines(ScenarioPhrases(schedule, locale), [](const std::string &) { return true; });
    return lines.empty() ? std::string() : lines.front();
}
