#include "tools/ChartText.h"

#include <algorithm>
#include <functional>
#include <optional>
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

// The table of `rowCount` rows, a tab-separated line each.
void WriteTsvTable(std::ostream &out, size_t rowCount, const TableRowCells &cellsOf)
{
    for (size_t row = 0; row < rowCount && out; ++row)
        out << TsvLine(cellsOf(row));
}

std::vector<std::string> ChartRowCells(const PaymentChart &chart, size_t row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < PaymentChart::ColumnCount; ++column)
        cells.push_back(chart.Cell(column, static_cast<int>(row)));
    return cells;
}

// The rows of `view` in `columns` under their headings: row 0 holds the headings, row r the
// schedule's row r - 1.
TableRowCells ScheduleTable(const WhatIfSchedule &schedule, ScheduleView view,
                            const std::vector<ScheduleColumn> &columns, const LocaleValues &locale)
{
    return [&schedule, view, &columns, &locale](size_t row) {
        return row == 0 ? ScheduleColumnHeadings(columns, view)
                        : WhatIfRowCells(schedule, view, row - 1, columns, locale);
    };
}

void WriteFigureLines(std::ostream &out, const std::vector<ScheduleFigure> &figures)
{
    for (const ScheduleFigure &figure : figures)
        out << figure.Caption << ": " << figure.Value << '\n';
}

// The terms of `schedule` and the `notes` below them, the table, then `figures`, an empty line between.
void WriteAlignedReport(std::ostream &out, const PaymentSchedule &schedule,
                        const std::vector<std::string> &notes, size_t rowCount, const TableRowCells &cellsOf,
                        const std::vector<ScheduleFigure> &figures, const LocaleValues &locale)
{
    WriteFigureLines(out, ScheduleTerms(schedule, locale));
    for (const std::string &note : notes)
        out << note << '\n';
    out << '\n';
    WriteAlignedTable(out, rowCount, cellsOf);
    out << '\n';
    WriteFigureLines(out, figures);
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
    WriteTsvTable(out, PaymentChart::RowCount, [&](size_t row) { return ChartRowCells(chart, row); });
}

void WriteAlignedChart(std::ostream &out, const PaymentChart &chart)
{
    WriteAlignedTable(out, PaymentChart::RowCount, [&](size_t row) { return ChartRowCells(chart, row); });
}

void WriteScheduleTsv(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                      ScheduleView view, const LocaleValues &locale)
{
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, false);
    WriteTsvTable(out, RowsOf(schedule, view).size() + 1, ScheduleTable(schedule, view, columns, locale));
    // The plain table stands alone, for a spreadsheet to take as it is.
    if (!out || !schedule.HasScenario())
        return;
    out << '\n';
    const std::vector<ScheduleFigure> figures = WhatIfTotals(plain, schedule, view, locale);
    WriteTsvTable(out, figures.size(), [&](size_t row) {
        return std::vector<std::string>{figures[row].Caption, figures[row].Value};
    });
}

void WriteAlignedSchedule(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                          ScheduleView view, const LocaleValues &locale)
{
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, false);
    std::vector<std::string> notes;
    if (std::string scenario = ScenarioText(schedule, locale); !scenario.empty())
        notes.push_back(std::move(scenario));
    if (std::optional<std::string> paidOff = PaidOffNote(plain, schedule, locale))
        notes.push_back(std::move(*paidOff));
    WriteAlignedReport(out, plain, notes, RowsOf(schedule, view).size() + 1,
                       ScheduleTable(schedule, view, columns, locale),
                       WhatIfTotals(plain, schedule, view, locale), locale);
}
