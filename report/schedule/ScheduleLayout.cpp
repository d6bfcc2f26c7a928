#include "report/schedule/ScheduleLayout.h"

#include "design/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/RPControls.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr int CellPadding = 4; // room beside a column's widest text
constexpr int ColumnGap = 10;
constexpr int NarrowColumnGap = 4;
constexpr int NumberColumnWidth = 60; // while the money columns have room
constexpr int TermGap = 24;
constexpr std::array<int, 3> TermFonts{13, 12, 11};

// The rows' font and the headings' a point larger, from 12 pixels (the chart's rows) down to 8.
struct TableFont {
    int RowPixels;
    int HeadingPixels;
};
constexpr std::array<TableFont, 4> TableFonts{{{12, 13}, {11, 12}, {9, 11}, {8, 9}}};

int Ceiling(qreal width)
{
    return static_cast<int>(std::ceil(width));
}

// What a label of the alignment prints for a text.
QString Printed(const std::string &text, TAlignment alignment)
{
    return QString::fromStdString(text) + TrailingBlank(alignment);
}

// A table as the layout measures it: its columns, their headings, each column's longest text among
// the rows, and the rows' texts.
struct TableTexts {
    std::vector<ScheduleColumn> Columns;
    std::vector<std::string> Headings;
    std::vector<std::string> Longest;
    std::vector<std::vector<std::string>> Cells;
};

// The rows of `view` of `whatIf` in `columns`; the digits of a currency text are all as wide, so the
// longest text is the widest.
TableTexts TextsOf(std::vector<ScheduleColumn> columns, const WhatIfSchedule &whatIf, ScheduleView view,
                   const LocaleValues &locale)
{
    TableTexts table{std::move(columns), {}, {}, {}};
    table.Headings = ScheduleColumnHeadings(table.Columns, view);
    table.Longest.resize(table.Columns.size());
    const size_t rowCount = RowsOf(whatIf, view).size();
    table.Cells.reserve(rowCount);
    for (size_t row = 0; row < rowCount; ++row) {
        table.Cells.push_back(WhatIfRowCells(whatIf, view, row, table.Columns, locale));
        const std::vector<std::string> &cells = table.Cells.back();
        for (size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].size() > table.Longest[c].size())
                table.Longest[c] = cells[c];
        }
    }
    return table;
}

// The table without its running totals.
TableTexts WithoutRunningTotals(TableTexts table)
{
    while (table.Columns.back() == ScheduleColumn::InterestToDate ||
           table.Columns.back() == ScheduleColumn::PrincipalToDate) {
        table.Columns.pop_back();
        table.Headings.pop_back();
        table.Longest.pop_back();
    }
    return table;
}

bool IsMoney(ScheduleColumn column)
{
    return column != ScheduleColumn::Number && column != ScheduleColumn::Date;
}

// The columns in the table font, or nothing when their widest texts do not fit: the number column
// and the date take what they need, the money columns share the rest alike.
std::optional<std::vector<ScheduleSpan>> Columns(const ScheduleLayout &layout, const TableTexts &table,
                                                 bool squeeze)
{
    const size_t count = table.Columns.size();
    std::vector<int> needs(count);
    for (size_t c = 0; c < count; ++c) {
        const TAlignment alignment = ScheduleColumnAlignment(table.Columns[c]);
        needs[c] = Ceiling(std::max(PrintedWidth(Printed(table.Headings[c], alignment),
                                                 layout.HeadingFont(TFontStyle::Bold)),
                                    PrintedWidth(Printed(table.Longest[c], alignment), layout.RowFont()))) +
                   CellPadding;
    }
    const auto firstMoney =
        static_cast<size_t>(std::ranges::find_if(table.Columns, IsMoney) - table.Columns.begin());
    const int moneyCount = static_cast<int>(count - firstMoney);
    const int gaps = static_cast<int>(count) - 1;
    int textWidth = 0; // of the columns between the number and the money
    for (size_t c = 1; c < firstMoney; ++c)
        textWidth += needs[c];
    const int available = layout.Right - layout.Left - textWidth;
    const int moneyNeed =
        *std::max_element(needs.begin() + static_cast<std::ptrdiff_t>(firstMoney), needs.end());
    // The money columns share what the number column and the gaps leave; those give up room first.
    int numberWidth = std::max(needs[0], NumberColumnWidth);
    int gap = ColumnGap;
    const auto moneyWidth = [&] { return (available - numberWidth - gaps * gap) / moneyCount; };
    if (moneyWidth() < moneyNeed)
        numberWidth = needs[0];
    if (moneyWidth() < moneyNeed)
        gap = NarrowColumnGap;
    if (moneyWidth() < moneyNeed && !squeeze)
        return std::nullopt;

    std::vector<ScheduleSpan> columns(count);
    columns[0] = {layout.Left, numberWidth};
    for (size_t c = 1; c < count; ++c)
        columns[c] = {columns[c - 1].Right() + gap, c < firstMoney ? needs[c] : moneyWidth()};
    columns.back().Width = layout.Right - columns.back().Left;
    return columns;
}

// The first of `tables` whose columns fit in a font above the smallest, else the last in the largest
// font it fits, down to the smallest.
void PlaceColumns(ScheduleLayout &layout, const std::vector<TableTexts> &tables)
{
    for (const TableTexts &table : tables) {
        const bool last = &table == &tables.back();
        for (const TableFont &font : TableFonts) {
            const bool smallest = &font == &TableFonts.back();
            if (smallest && !last)
                break;
            layout.RowPixels = font.RowPixels;
            layout.HeadingPixels = font.HeadingPixels;
            if (const auto columns = Columns(layout, table, smallest)) {
                layout.Shown = table.Columns;
                layout.Columns = *columns;
                return;
            }
        }
    }
}

// The terms in as few lines as hold them, the same count in each line but the last, each caption
// followed by its value: in one or two lines at the largest size if they fit, else in two in a
// smaller font, else in as many as it takes in the smallest.
void PlaceTerms(ScheduleLayout &layout, const std::vector<ScheduleFigure> &terms)
{
    const int count = static_cast<int>(terms.size());
    const auto place = [&](int pixels, int lines, bool always) {
        const TRPFont captionFont = ScheduleLayout::Font(pixels, TFontStyle::Regular);
        const TRPFont valueFont = ScheduleLayout::Font(pixels, TFontStyle::Bold);
        const int perLine = (count + lines - 1) / lines;
        std::vector<ScheduleTermPlace> places;
        int left = layout.Left;
        for (int i = 0; i < count; ++i) {
            const ScheduleFigure &term = terms[static_cast<size_t>(i)];
            if (i % perLine == 0)
                left = layout.Left;
            const int valueLeft =
                left + Ceiling(PrintedWidth(QString::fromStdString(term.Caption + ":"), captionFont)) +
                ScheduleCaptionGap;
            places.push_back({i / perLine, left, valueLeft});
            left = valueLeft + Ceiling(PrintedWidth(QString::fromStdString(term.Value), valueFont));
            if (left > layout.Right && !always)
                return false;
            left += TermGap;
        }
        layout.TermPixels = pixels;
        layout.TermLines = (count + perLine - 1) / perLine;
        layout.Terms = std::move(places);
        return true;
    };
    if (place(TermFonts.front(), 1, false))
        return;
    for (const int pixels : TermFonts) {
        if (place(pixels, 2, false))
            return;
    }
    for (int lines = 3; lines <= count; ++lines) {
        if (place(TermFonts.back(), lines, lines == count))
            return;
    }
}

} // namespace

TRPFont ScheduleLayout::Font(int pixels, TFontStyle style)
{
    return ReportArial(pixels, style, clBlack);
}

TAlignment ScheduleColumnAlignment(ScheduleColumn column)
{
    return IsMoney(column) ? TAlignment::taRightJustify : TAlignment::taCenter;
}

namespace {

// The layout of the table of the first of `tables` that fits, under `terms`, above `summary`.
ScheduleLayout LayOut(int printableWidth, const std::vector<TableTexts> &tables,
                      const std::vector<ScheduleFigure> &terms, const std::vector<ScheduleFigure> &summary)
{
    ScheduleLayout layout;
    layout.Left = ReportMargin;
    layout.Right = printableWidth - ReportMargin;
    PlaceColumns(layout, tables);
    layout.CellHeight = Ceiling(PrintedLineHeight(layout.RowFont())) + 1;
    layout.RowHeight = layout.CellHeight + 3;
    layout.HeadingHeight = Ceiling(PrintedLineHeight(layout.HeadingFont(TFontStyle::Bold))) + 1;
    PlaceTerms(layout, terms);

    int amountWidth = layout.Columns.back().Width;
    for (const ScheduleFigure &figure : summary)
        amountWidth =
            std::max(amountWidth, Ceiling(PrintedWidth(Printed(figure.Value, TAlignment::taRightJustify),
                                                       layout.HeadingFont(TFontStyle::Bold))) +
                                      CellPadding);
    layout.TotalAmounts = {layout.Right - amountWidth, amountWidth};
    return layout;
}

} // namespace

std::vector<ScheduleColumn> PrintedColumns(const WhatIfSchedule &whatIf)
{
    return WhatIfColumns(whatIf, whatIf.HasScenario());
}

ScheduleLayout LayOutSchedule(int printableWidth, const PaymentSchedule &plain, const WhatIfSchedule &whatIf,
                              ScheduleView view, const LocaleValues &locale)
{
    // The running totals, where there are any, are left out where they do not fit.
    const bool runningTotals = whatIf.HasScenario();
    TableTexts all = TextsOf(PrintedColumns(whatIf), whatIf, view, locale);
    std::vector<std::vector<std::string>> cells = std::exchange(all.Cells, {});
    std::vector<TableTexts> tables{all};
    if (runningTotals)
        tables.push_back(WithoutRunningTotals(std::move(all)));
    const std::vector<ScheduleRow> &rows = RowsOf(whatIf, view);
    std::vector<ScheduleFigure> summary = ScheduleTotalsFigures(rows, locale);
    for (ScheduleFigure &figure : WhatIfFigures(plain, whatIf, locale))
        summary.push_back(std::move(figure));
    ScheduleLayout layout = LayOut(printableWidth, tables, ScheduleTerms(plain, locale), summary);
    for (std::vector<std::string> &row : cells)
        row.resize(layout.Shown.size());
    layout.Cells = std::move(cells);
    const TRPFont font = ScheduleLayout::Font(layout.TermPixels, TFontStyle::Regular);
    layout.Scenario = ScenarioLines(ScenarioPhrases(whatIf, locale), [&](const std::string &line) {
        return Ceiling(PrintedWidth(QString::fromStdString(line), font)) <= layout.Right - layout.Left;
    });
    return layout;
}
