#include "calc/ScheduleCsv.h"

namespace {

std::string WhatIfCsvField(const WhatIfSchedule &schedule, ScheduleView view, size_t row,
                           ScheduleColumn column)
{
    switch (column) {
    case ScheduleColumn::Number:
        return std::to_string(RowsOf(schedule, view)[row].Number);
    case ScheduleColumn::Date:
        // Dates hold no money, so no locale takes part.
        return WhatIfRowCells(schedule, view, row, std::span(&column, 1), LocaleValues{})[0];
    default:
        return PlainCentsText(*WhatIfCellCents(schedule, view, row, column));
    }
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

std::string PlainDecimalText(const Decimal &value)
{
    // The magnitude's digits, kept unsigned so that the most negative coefficient has one too.
    std::string digits =
        std::to_string(value.Coefficient < 0 ? 0 - static_cast<std::uint64_t>(value.Coefficient)
                                             : static_cast<std::uint64_t>(value.Coefficient));
    const std::string sign = value.Coefficient < 0 ? "-" : "";
    if (value.Exponent >= 0)
        return sign + (value.Coefficient == 0
                           ? "0"
                           : digits + std::string(static_cast<size_t>(value.Exponent), '0'));
    const auto decimals = static_cast<size_t>(-value.Exponent);
    if (digits.size() <= decimals)
        digits.insert(0, decimals - digits.size() + 1, '0');
    return sign + digits.substr(0, digits.size() - decimals) + '.' + digits.substr(digits.size() - decimals);
}

std::string PlainCentsText(std::int64_t cents)
{
    return PlainDecimalText(Decimal{cents, -2});
}

std::string WhatIfCsv(const WhatIfSchedule &schedule, ScheduleView view,
                      std::span<const ScheduleColumn> columns)
{
    std::string csv = CsvLine(ScheduleColumnHeadings(columns, view));
    for (size_t row = 0; row < RowsOf(schedule, view).size(); ++row) {
        std::vector<std::string> fields;
        for (const ScheduleColumn column : columns)
            fields.push_back(WhatIfCsvField(schedule, view, row, column));
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
            fields.push_back(value && (column > 0 || row > 0) ? PlainDecimalText(*value) : std::string());
        }
        csv += CsvLine(fields);
    }
    return csv;
}
