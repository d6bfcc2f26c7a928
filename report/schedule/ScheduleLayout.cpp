#include "schedule/ScheduleLayout.h"

#include "common/ColorNames.h"
#include "engine/FormBuilding.h"
#include "engine/RPControls.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int Margin = 15;
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

// Each column's longest text among the rows; the digits of a currency text are all as wide.
std::array<std::string, ScheduleColumnCount> LongestCells(const std::vector<ScheduleRow> &rows,
                                                          const LocaleValues &locale)
{
    std::array<std::string, ScheduleColumnCount> longest;
    for (const ScheduleRow &row : rows) {
        for (int column = 0; column < ScheduleColumnCount; ++column) {
            std::string text = ScheduleCellText(row, column, locale);
            std::string &kept = longest[static_cast<size_t>(column)];
            if (text.size() > kept.size())
                kept = std::move(text);
        }
    }
    return longest;
}

// The five columns in the table font, or nothing when their widest texts do not fit.
std::optional<std::array<ScheduleSpan, ScheduleColumnCount>>
Columns(const ScheduleLayout &layout, ScheduleView view,
        const std::array<std::string, ScheduleColumnCount> &cells, bool squeeze)
{
    std::array<int, ScheduleColumnCount> needs{};
    for (int column = 0; column < ScheduleColumnCount; ++column) {
        const TAlignment alignment = ScheduleColumnAlignment(column);
        const auto c = static_cast<size_t>(column);
        needs[c] = Ceiling(std::max(PrintedWidth(Printed(ScheduleHeadings(view)[c], alignment),
                                                 layout.HeadingFont(TFontStyle::Bold)),
                                    PrintedWidth(Printed(cells[c], alignment), layout.RowFont()))) +
                   CellPadding;
    }
    const int available = layout.Right - layout.Left;
    const int moneyNeed = *std::max_element(needs.begin() + 1, needs.end());
    // The money columns share what the number column and the gaps leave; those give up room first.
    int numberWidth = std::max(needs[0], NumberColumnWidth);
    int gap = ColumnGap;
    const auto moneyWidth = [&] { return (available - numberWidth - 4 * gap) / 4; };
    if (moneyWidth() < moneyNeed)
        numberWidth = needs[0];
    if (moneyWidth() < moneyNeed)
        gap = NarrowColumnGap;
    if (moneyWidth() < moneyNeed && !squeeze)
        return std::nullopt;

    std::array<ScheduleSpan, ScheduleColumnCount> columns{};
    columns[0] = {layout.Left, numberWidth};
    for (size_t c = 1; c < columns.size(); ++c)
        columns[c] = {columns[c - 1].Right() + gap, moneyWidth()};
    columns.back().Width = layout.Right - columns.back().Left;
    return columns;
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

TAlignment ScheduleColumnAlignment(int column)
{
    return column == 0 ? TAlignment::taCenter : TAlignment::taRightJustify;
}

ScheduleLayout LayOutSchedule(int printableWidth, const PaymentSchedule &schedule, ScheduleView view,
                              const LocaleValues &locale)
{
    ScheduleLayout layout;
    layout.Left = Margin;
    layout.Right = printableWidth - Margin;
    const std::vector<ScheduleRow> &rows = RowsOf(schedule, view);
    const std::array<std::string, ScheduleColumnCount> cells = LongestCells(rows, locale);
    for (const TableFont &font : TableFonts) {
        layout.RowPixels = font.RowPixels;
        layout.HeadingPixels = font.HeadingPixels;
        const auto columns = Columns(layout, view, cells, &font == &TableFonts.back());
        if (columns) {
            layout.Columns = *columns;
            break;
        }
    }
    layout.CellHeight = Ceiling(PrintedLineHeight(layout.RowFont())) + 1;
    layout.RowHeight = layout.CellHeight + 3;
    layout.HeadingHeight = Ceiling(PrintedLineHeight(layout.HeadingFont(TFontStyle::Bold))) + 1;
    PlaceTerms(layout, ScheduleTerms(schedule, locale));

    int amountWidth = layout.Columns.back().Width;
    for (const ScheduleFigure &total : ScheduleTotalsFigures(rows, locale))
        amountWidth =
            std::max(amountWidth, Ceiling(PrintedWidth(Printed(total.Value, TAlignment::taRightJustify),
                                                       layout.HeadingFont(TFontStyle::Bold))) +
                                      CellPadding);
    layout.TotalAmounts = {layout.Right - amountWidth, amountWidth};
    return layout;
}
