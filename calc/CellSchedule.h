#pragma once

#include "Chart.h"
#include "Schedule.h"

#include <cstdint>
#include <string>
#include <vector>

// The schedule behind one payment cell of a chart, made from the values the chart shows: the row's
// amount heading, the column's rate heading, the cell's payment and the chart's term.
struct PaymentSchedule {
    std::string LoanText;          // the amount heading without its leading blank ("$100,000.00")
    std::string RateText;          // the rate heading without its leading blanks ("8.75%")
    std::int32_t Years = 0;        // the chart's term
    std::int64_t PaymentCents = 0; // the level payment as the cell shows it
    std::vector<ScheduleRow> Monthly;
    std::vector<ScheduleRow> Yearly;
};

// The schedule of payment cell (column 1..7, row 1..11) of `chart`, from the exact values beside its
// texts: the amount and the payment as the cells show them, the rate exactly as its heading shows it.
// Raises ScheduleRefused (EmptyCell for a cell or heading without a value, NotInCents, NoLoan,
// TermOutOfRange, RateNotExact, and what MonthlySchedule raises) and std::out_of_range for a cell
// that is not a payment cell.
PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row);
