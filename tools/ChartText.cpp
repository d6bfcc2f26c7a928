#include "ChartText.h"

#include <algorithm>

namespace {

size_t CharacterCount(const std::string &text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TextTable ChartRows(const PaymentChart &chart)
{
    TextTable rows(PaymentChart::RowCount);
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        for (int column = 0; column < PaymentChart::ColumnCount; ++column)
            rows[row].push_back(chart.Cell(column, row));
    }
    return rows;
}

std::string FigureLines(const std::vector<ScheduleFigure> &figures)
{
    std::string text;
    for (const ScheduleFigure &figure : figures)
        text += figure.Caption + ": " + figure.Value + '\n';
    return text;
}

} // namespace

std::string AlignedTable(const TextTable &rows)
{
    std::vector<size_t> widths;
    for (const auto &cells : rows) {
        widths.resize(std::max(widths.size(), cells.size()));
        for (size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], CharacterCount(cells[column]));
    }
    std::string text;
    for (const auto &cells : rows) {
        for (size_t column = 0; column < cells.size(); ++column) {
            const std::string &cell = cells[column];
            const std::string padding(widths[column] - CharacterCount(cell), ' ');
            text += column == 0 ? cell + padding : "  " + padding + cell;
        }
        text += '\n';
    }
    return text;
}

std::string TsvText(const PaymentChart &chart)
{
    std::string text;
    for (const auto &cells : ChartRows(chart)) {
        for (size_t column = 0; column < cells.size(); ++column)
            text += (column > 0 ? "\t" : "") + cells[column];
        text += '\n';
    }
    return text;
}

std::string AlignedText(const PaymentChart &chart)
{
    return AlignedTable(ChartRows(chart));
}

std::string AlignedScheduleText(const PaymentSchedule &schedule, ScheduleView view,
                                const LocaleValues &locale)
{
    const std::vector<ScheduleRow> &scheduleRows = RowsOf(schedule, view);
    TextTable rows(1);
    for (const char *heading : ScheduleHeadings(view))
        rows[0].push_back(heading);
    for (const ScheduleRow &row : scheduleRows) {
        rows.emplace_back();
        for (int column = 0; column < ScheduleColumnCount; ++column)
            rows.back().push_back(ScheduleCellText(row, column, locale));
    }
    const std::optional<std::string> paidOff = PaidOffNote(schedule, locale);
    return FigureLines(ScheduleTerms(schedule, locale)) + (paidOff ? *paidOff + '\n' : "") + '\n' +
           AlignedTable(rows) + '\n' + FigureLines(ScheduleTotalsFigures(scheduleRows, locale));
}
