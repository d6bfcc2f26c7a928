#pragma once

#include "Chart.h"
#include "ScheduleText.h"

#include <string>
#include <vector>

// Rows of cell texts.
using TextTable = std::vector<std::vector<std::string>>;

// The rows as an aligned table for reading: the first column flush left, the others flush right,
// two blanks between columns; widths count characters, not bytes.
std::string AlignedTable(const TextTable &rows);

// The 12 rows as lines of the 8 cell texts exactly as held, separated by one tab.
std::string TsvText(const PaymentChart &chart);

// The chart as an aligned table.
std::string AlignedText(const PaymentChart &chart);

// The schedule for reading: its terms a line each and, for a loan paid off before its term, a line
// that says so; the rows of `view` as an aligned table under their headings, then the totals of
// those rows.
std::string AlignedScheduleText(const PaymentSchedule &schedule, ScheduleView view,
                                const LocaleValues &locale);
