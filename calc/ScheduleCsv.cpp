#include "calc/ScheduleCsv.h"

#include <algorithm>

namespace {

__extension__ typedef __int128 Int128;

// The digits of a value of 0 or more.
std::string DigitsOf(Int128 value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// The fields of one column of a row: a year's number is followed by its months.
std::vector<std::string> WhatIfCsvFields(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                                         ScheduleColumn column)
{
    const ScheduleRow &shown = RowsOf(schedule, view)[row];
    switch (column) {
    case ScheduleColumn::Number:
        if (view == ScheduleView::Yearly)
            return {std::to_string(shown.Number),
                    std::to_string(shown.PartialMonths > 0 ? shown.PartialMonths : 12)};
        return {std::to_string(shown.Number)};
    case ScheduleColumn::Date:
        // Dates hold no money, so no locale takes part.
        return WhatIfRowCells(schedule, view, row, std::span(&column, 1), LocaleValues{});
    default:
        return {PlainCentsText(*WhatIfCellCents(schedule, view, row, column))};
    }
}

// The headings of the fields that WhatIfCsvFields gives.
std::vector<std::string> CsvHeadings(std::span<const ScheduleColumn> columns, ScheduleView view)
{
    const std::vector<std::string> shown = ScheduleColumnHeadings(columns, view);
    std::vector<std::string> headings;
    for (size_t c = 0; c < columns.size(); ++c) {
        headings.push_back(shown[c]);
        if (view == ScheduleView::Yearly && columns[c] == ScheduleColumn::Number)
            headings.emplace_back("Months");
    }
    return headings;
}

std::string ScenarioFactLine(const ScenarioFact &fact)
{
    switch (fact.What) {
    case ScenarioFact::Kind::ExtraEachMonth:
        return CsvLine(
            {"Extra each month", PlainCentsText(fact.Cents), "from payment", std::to_string(fact.Payment)});
    case ScenarioFact::Kind::OneTimeExtra:
        return CsvLine(
            {"One-time extra", PlainCentsText(fact.Cents), "at payment", std::to_string(fact.Payment)});
    case ScenarioFact::Kind::FirstPayment:
        return CsvLine({"First payment", PaymentMonthText(fact.Month)});
    }
    return {};
}

// What the rows were made with, a fact a line.
std::string FactLines(const PaymentSchedule &plain, const WhatIfSchedule &schedule)
{
    std::string lines = CsvLine({"Loan", PlainCentsText(plain.LoanCents)}) +
                        CsvLine({"Rate", PlainPercentText(plain.Rate)}) +
                        CsvLine({"Years", std::to_string(plain.Years)}) +
                        CsvLine({"Monthly payment", PlainCentsText(plain.PaymentCents)});
    for (const ScenarioFact &fact : ScenarioFacts(schedule))
        lines += ScenarioFactLine(fact);
    return lines;
}

} // namespace

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string> &fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + CsvField(fields[i]);
    return line + "\r\n";
}

std::string PlainDecimalText(const Decimal &value, int decimals)
{
    // The magnitude's digits, kept unsigned so that the most negative coefficient has one too.
    std::string digits =
        std::to_string(value.Coefficient < 0 ? 0 - static_cast<std::uint64_t>(value.Coefficient)
                                             : static_cast<std::uint64_t>(value.Coefficient));
    const std::string sign = value.Coefficient < 0 ? "-" : "";
    std::string text;
    size_t shown = 0; // decimals
    if (value.Exponent >= 0) {
        text =
            sign +
            (value.Coefficient == 0 ? "0" : digits + std::string(static_cast<size_t>(value.Exponent), '0'));
    } else {
        shown = static_cast<size_t>(-value.Exponent);
        if (digits.size() <= shown)
            digits.insert(0, shown - digits.size() + 1, '0');
        text = sign + digits.substr(0, digits.size() - shown) + '.' + digits.substr(digits.size() - shown);
    }
    const auto wanted = static_cast<size_t>(std::max(decimals, 0));
    if (shown < wanted)
        text += (shown == 0 ? "." : "") + std::string(wanted - shown, '0');
    return text;
}

std::string PlainCentsText(std::int64_t cents)
{
    return PlainDecimalText(Decimal{cents, -2});
}

std::string PlainPercentText(MonthlyRate rate)
{
    // rate x 1200 by long division. The rate came from a decimal percent, so its denominator divides
    // 1200 x 10^n and the division ends, well within the digits of any 64-bit fraction.
    const Int128 numerator = Int128{rate.Numerator} * 1200;
    const Int128 magnitude = numerator < 0 ? -numerator : numerator;
    std::string text = (numerator < 0 ? "-" : "") + DigitsOf(magnitude / rate.Denominator);
    Int128 remainder = magnitude % rate.Denominator;
    if (remainder != 0)
        text += '.';
    for (int digit = 0; remainder != 0 && digit < 80; ++digit) {
        remainder *= 10;
        text += static_cast<char>('0' + static_cast<int>(remainder / rate.Denominator));
        remainder %= rate.Denominator;
    }
    return text;
}

std::string WhatIfCsv(const PaymentSchedule &plain, const WhatIfSchedule &schedule, ScheduleView view,
                      std::span<const ScheduleColumn> columns)
{
    std::string csv = FactLines(plain, schedule) + "\r\n" + CsvLine(CsvHeadings(columns, view));
    for (size_t row = 0; row < RowsOf(schedule, view).size(); ++row) {
        std::vector<std::string> fields;
        for (const ScheduleColumn column : columns) {
            for (std::string &field : WhatIfCsvFields(schedule, view, row, column))
                fields.push_back(std::move(field));
        }
        csv += CsvLine(fields);
    }
    return csv;
}

std::string ChartCsv(const PaymentChart &chart)
{
    std::string csv;
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        std::vector<std::string> fields;
        for (int column = 0; column < PaymentChart::ColumnCount; ++column) {
            const std::optional<Decimal> &value = chart.Value(column, row);
            // Row 0 holds the rates in percent, the other rows money.
            const int decimals = row == 0 ? 0 : 2;
            fields.push_back(value && (column > 0 || row > 0) ? PlainDecimalText(*value, decimals)
                                                              : std::string());
        }
        csv += CsvLine(fields);
    }
    return csv;
}
