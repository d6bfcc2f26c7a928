#pragma once

#include "calc/Chart.h"

#include <QString>

// The chart as text that pastes into a spreadsheet as a table: one line per chart row, each ended by
// a line feed, the cells of a row separated by tabs, every cell's text without its leading blanks.
QString ChartAsTabSeparatedText(const PaymentChart &chart);
