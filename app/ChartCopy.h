#pragma once

#include <QString>
#include <functional>

// The chart as text that pastes into a spreadsheet as a table: one line per grid row, each ended by
// a line feed, the cells of a row separated by tabs, every cell's text without its leading blanks.
QString ChartAsTabSeparatedText(int columnCount, int rowCount,
                                const std::function<QString(int column, int row)> &cellText);
