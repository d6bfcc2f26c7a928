#include "ChartText.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// The cell texts of row 0, 1, ... of a table, made when asked for.
using TableRowCells = std::function<std::vector<std::string>(size_t row)>;

size_t CharacterCount(const std::string &text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The aligned table of `rowCount` rows. Each row is made twice, once to measure the columns and once
// to be written, so that only one row is ever held.
void WriteAlignedTable(std::ostream &out, size_t rowCount, const TableRowCells &cellsOf)
{
    if (!out)
        return;
    std::vector<size_t> widths;
    for (size_t row = 0; row < rowCount; ++row) {
        const std::vector<std::string> cells = cellsOf(row);
        widths.resize(std::max(widths.size(), cells.size()));
        for (size_t column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], CharacterCount(cells[column]));
    }
    for (size_t row = 0; row < rowCount && out; ++row) {
        const std::vector<std::string> cells = cellsOf(row);
        std::string line;
        for (size_t column = 0; column < cells.size(); ++column) {
            const std::string &cell = cells[column];
            const std::string padding(widths[column] - CharacterCount(cell), ' ');
            line += column == 0 ? cell + padding : "  " + padding + cell;
        }
        out << line << '\n';
    }
}

std::vector<std::string> ChartRowCells(const PaymentChart &chart, size_t row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < PaymentChart::ColumnCount; ++column)
        cells.push_back(chart.Cell(column, static_cast<int>(row)));
    return cells;
}

void WriteFigureLines(std::ostream &out, const std::vector<ScheduleFigure> &figures)
{
    for (const ScheduleFigure &figure : figures)
        out << figure.Caption << ": " << figure.Value << '\n';
}

// The totals of the rows of `view`, then what the extras change.
std::vector<ScheduleFigure> WhatIfTotals(const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                                         ScheduleView view, const LocaleValues &locale)
{
    std::vector<ScheduleFigure> figures = ScheduleTotalsFigures(RowsOf(schedule, view), locale);
    const std::vector<ScheduleFigure> changes = WhatIfFigures(plain, schedule, locale);
    figures.insert(figures.end(), changes.begin(), changes.end());
    return figures;
}

} // namespace

void WriteChartTsv(std::ostream &out, const PaymentChart &chart)
{
    for (size_t row = 0; row < PaymentChart::RowCount && out; ++row) {
        std::string line;
        for (const std::string &cell : ChartRowCells(chart, row))
            line += (line.empty() ? "" : "\t") + cell;
        out << line << '\n';
    }
}

void WriteAlignedChart(std::ostream &out, const PaymentChart &chart)
{
    WriteAlignedTable(out, PaymentChart::RowCount, [&](size_t row) { return ChartRowCells(chart, row); });
}

void WriteScheduleTsv(std::ostream &out, const PaymentSchedule &schedule, ScheduleView view,
                      const LocaleValues &locale)
{
    out << ScheduleTsvHeading(view);
    for (const ScheduleRow &row : RowsOf(schedule, view)) {
        if (!out)
            return;
        out << ScheduleTsvLine(row, locale);
    }
}

void WriteAlignedSchedule(std::ostream &out, const PaymentSchedule &schedule, ScheduleView view,
                          const LocaleValues &locale)
{
    const std::vector<ScheduleRow> &rows = RowsOf(schedule, view);
    WriteFigureLines(out, ScheduleTerms(schedule, locale));
    out << '\n';
    // Row 0 holds the headings, row r the schedule's row r - 1.
    WriteAlignedTable(out, rows.size() + 1, [&](size_t row) {
        std::vector<std::string> cells;
        for (int column = 0; column < ScheduleColumnCount; ++column)
            cells.push_back(row == 0 ? ScheduleHeadings(view)[static_cast<size_t>(column)]
                                     : ScheduleCellText(rows[row - 1], column, locale));
        return cells;
    });
    out << '\n';
    WriteFigureLines(out, ScheduleTotalsFigures(rows, locale));
}

void WriteWhatIfTsv(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                    ScheduleView view, const LocaleValues &locale)
{
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, false);
    out << WhatIfTsvHeading(columns, view);
    const size_t rowCount = RowsOf(schedule, view).size();
    for (size_t row = 0; row < rowCount && out; ++row)
        out << WhatIfTsvLine(schedule, view, row, columns, locale);
    out << '\n';
    for (const ScheduleFigure &figure : WhatIfTotals(plain, schedule, view, locale))
        out << ScheduleFigureTsvLine(figure);
}

void WriteAlignedWhatIf(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                        ScheduleView view, const LocaleValues &locale)
{
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, false);
    WriteFigureLines(out, ScheduleTerms(plain, locale));
    out << '\n';
    // Row 0 holds the headings, row r the schedule's row r - 1.
    WriteAlignedTable(out, RowsOf(schedule, view).size() + 1, [&](size_t row) {
        std::vector<std::string> cells;
        for (const ScheduleColumn column : columns)
            cells.push_back(row == 0 ? ScheduleColumnHeading(column, view)
                                     : WhatIfCellText(schedule, view, row - 1, column, locale));
        return cells;
    });
    out << '\n';
    WriteFigureLines(out, WhatIfTotals(plain, schedule, view, locale));
}
