#pragma once

#include "calc/Chart.h"
#include "calc/ScheduleText.h"

#include <ostream>

// Writers of the tool's output. Each writes a line as soon as it is made, so that memory stays the
// same whatever the output's length, and stops at the first line that `out` does not take; the
// caller checks the stream.

// The 12 rows as lines of the 8 cell texts exactly as held, separated by one tab.
void WriteChartTsv(std::ostream &out, const PaymentChart &chart);

// The chart as an aligned table for reading: the first column flush left, the others flush right,
// two blanks between columns; widths count characters, not bytes.
void WriteAlignedChart(std::ostream &out, const PaymentChart &chart);

// The schedule `schedule`, `plain` repaid with its extras and dated from its first payment (none for
// the plain schedule): the heading line of its columns and the rows of `view`, tab-separated; with
// extras or dates, then an empty line and the totals of those rows and what the extras change, a
// caption and its value a line.
void WriteScheduleTsv(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                      ScheduleView view, const LocaleValues &locale);

// The same for reading: the terms of `plain` a line each, a line with the extras and the first
// payment (ScenarioText) when there are any, the note of a loan whose rows end before its term, the
// rows as an aligned table under their headings, then the totals and what the extras change.
void WriteAlignedSchedule(std::ostream &out, const PaymentSchedule &plain, const WhatIfSchedule &schedule,
                          ScheduleView view, const LocaleValues &locale);
