#pragma once

#include "calc/Chart.h"
#include "calc/Decimal.h"
#include "calc/ScheduleText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Spreadsheet files (CSV) of a schedule and of the chart: a header line, then one line per row, each
// ended by CR LF; numbers as plain decimals with a point, no grouping and no currency symbol, so that
// every spreadsheet reads them alike.

// A field quoted when it holds a comma, a quote, CR or LF, its quotes doubled.
std::string CsvField(const std::string &text);
// The fields separated by commas, ended by CR LF.
std::string CsvLine(const std::vector<std::string> &fields);

// The exact value written digit by digit with a point: "1234.5", "0.05", "-3", "1200".
std::string PlainDecimalText(const Decimal &value);
// Cents as currency units with two decimals: "1234.50", "-0.05".
std::string PlainCentsText(std::int64_t cents);

// The rows of `view` in `columns`, under their headings: the number as a whole number, a month's date
// as "YYYY-MM" (a year's as "YYYY-MM to YYYY-MM"), money as PlainCentsText.
std::string WhatIfCsv(const WhatIfSchedule &schedule, ScheduleView view,
                      std::span<const ScheduleColumn> columns);

// The chart's 12 rows by 8 columns from the exact values beside its texts (percent for the rates,
// currency units otherwise); the corner and any cell without a value are empty.
std::string ChartCsv(const PaymentChart &chart);
