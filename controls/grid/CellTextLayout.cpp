#include "controls/grid/CellTextLayout.h"

namespace {
constexpr QChar CarriageReturn(13);
constexpr QChar LineFeed(10);
constexpr int Margin = 2;

int LineX(const QRect &cell, TCellAlign alignment, int width)
{
    const int left = cell.x();
    const int right = cell.x() + cell.width(); // exclusive, as the cell's edge
    switch (alignment) {
    case alRight:
        return right - width - Margin;
    case alCenter:
        return left + (right - left - width) / 2; // integer division truncates toward zero
    default:
        return left + Margin;
    }
}
} // namespace

std::vector<CellTextLine> LayoutCellText(const QString &text, const QRect &cell, TCellAlign alignment,
                                         const std::function<QSize(const QString &line)> &measure)
{
    // The text is read as if one carriage return were appended: every line ends at one.
    std::vector<CellTextLine> lines;
    int y = cell.y() + Margin;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(CarriageReturn, start);
        if (end < 0)
            end = text.size();
        // A one-line text is drawn as it is, without a copy.
        const QString line = start == 0 && end == text.size() ? text : text.mid(start, end - start);
        const QSize size = measure(line);
        lines.push_back({line, LineX(cell, alignment, size.width()), y});
        y += size.height();
        start = end + 1;
        if (start < text.size() && text[start] == LineFeed)
            ++start;
    }
    return lines;
}
