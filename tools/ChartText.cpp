#include "ChartText.h"

#include <algorithm>
#include <array>

namespace {

size_t CharacterCount(const std::string &text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string TsvText(const PaymentChart &chart)
{
    std::string text;
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        for (int column = 0; column < PaymentChart::ColumnCount; ++column)
            text += (column > 0 ? "\t" : "") + chart.Cell(column, row);
        text += '\n';
    }
    return text;
}

std::string AlignedText(const PaymentChart &chart)
{
    std::array<size_t, PaymentChart::ColumnCount> widths{};
    for (int column = 0; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 0; row < PaymentChart::RowCount; ++row)
            widths[column] = std::max(widths[column], CharacterCount(chart.Cell(column, row)));
    }
    std::string text;
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        for (int column = 0; column < PaymentChart::ColumnCount; ++column) {
            const std::string &cell = chart.Cell(column, row);
            const std::string padding(widths[column] - CharacterCount(cell), ' ');
            text += column == 0 ? cell + padding : "  " + padding + cell;
        }
        text += '\n';
    }
    return text;
}
