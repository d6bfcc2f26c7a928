#pragma once

#include "calc/Chart.h"
#include "calc/Decimal.h"
#include "calc/ScheduleText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Spreadsheet files (CSV) of a schedule and of the chart, each line ended by CR LF; numbers as plain
// decimals with a point, no grouping and no currency symbol, so that every spreadsheet reads them
// alike, money with two decimals.

// A field quoted when it holds a comma, a quote, CR or LF, its quotes doubled.
std::string CsvField(const std::string &text);
// The fields separated by commas, ended by CR LF.
std::string CsvLine(const std::vector<std::string> &fields);

// The exact value written digit by digit with a point and at least `decimals` decimals: "1234.5",
// "0.05", "-3", "1200"; with 2, "1234.50", "1200.00".
std::string PlainDecimalText(const Decimal &value, int decimals = 0);
// Cents as currency units with two decimals: "1234.50", "-0.05".
std::string PlainCentsText(std::int64_t cents);

// The exact annual percent of a monthly rate, as PlainDecimalText writes it: 7/960 is "8.75".
std::string PlainPercentText(MonthlyRate rate);

// What `schedule`, `plain` repaid with extras or dated, was made with, a fact a line: the caption in
// the first field, its value in the next ("Loan,100000.00", "Rate,8.75", "Years,30", "Monthly
// payment,786.70"), then the facts of ScenarioFacts ("Extra each month,200.00,from payment,1",
// "One-time extra,10000.00,at payment,60", "First payment,2027-01"); then an empty line and the rows
// of `view` in `columns` under their headings: the number as a whole number, a year's months in a
// Months column after it (12, or the count of a partial year), a month's date as "YYYY-MM" (a year's
// as "YYYY-MM to YYYY-MM"), money as PlainCentsText.
std::string WhatIfCsv(const PaymentSchedule &plain, const WhatIfSchedule &schedule, ScheduleView view,
                      std::span<const ScheduleColumn> columns);

// The chart's 12 rows by 8 columns from the exact values beside its texts (percent for the rates,
// currency units with two decimals otherwise); the corner and any cell without a value are empty.
std::string ChartCsv(const PaymentChart &chart);
