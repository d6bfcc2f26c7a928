#pragma once

#include "calc/Chart.h"
#include "calc/Schedule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A loan's schedule as it is shown: the loan and rate as the chart shows them, the term, the payment,
// and the rows by month and by year. MakePaymentSchedule fills it.
struct PaymentSchedule {
    std::string LoanText;          // the amount heading without its leading blank ("$100,000.00")
    std::string RateText;          // the rate heading without its leading blanks ("8.75%")
    std::int32_t Years = 0;        // the chart's term
    std::int64_t LoanCents = 0;    // the amount heading's value
    MonthlyRate Rate;              // the rate heading's value / 1200, exact
    std::int64_t PaymentCents = 0; // the level payment as the cell shows it
    std::vector<ScheduleRow> Monthly;
    std::vector<ScheduleRow> Yearly;

    // The term's payments, 12 a year.
    std::int32_t Months() const { return Years * 12; }
};

// The schedule of `loanCents` repaid by `paymentCents` a month at `rate` over `years`, its months
// (MonthlySchedule) and its years (YearlyRows), under the texts that show the loan and the rate.
// Raises ScheduleRefused: TermOutOfRange for years outside 1..999, and what MonthlySchedule raises.
PaymentSchedule MakePaymentSchedule(std::string loanText, std::string rateText, std::int32_t years,
                                    std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate);

// The schedule of payment cell (column 1..7, row 1..11) of `chart`, made from the values beside its
// texts: the row's amount heading and the cell's payment as they show them, the column's rate heading
// exactly as it shows it, and the chart's term. Raises ScheduleRefused (EmptyCell for a cell or
// heading without a value, NotInCents, RateNotExact, and what MakePaymentSchedule raises) and
// std::out_of_range for a cell that is not a payment cell.
PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row);

// The schedule of a cell with extra payments, and its rows dated from a first payment month.
struct WhatIfSchedule {
    ScheduleExtras Extras;
    std::optional<PaymentMonth> FirstPayment;
    std::vector<ScheduleRow> Monthly;
    std::vector<ScheduleRow> Yearly; // by calendar year with FirstPayment, else by loan year
    std::vector<RunningTotal> MonthlyToDate;
    std::vector<RunningTotal> YearlyToDate;

    // Whether an extra above 0 or a first payment sets it apart from the schedule without extras.
    bool HasScenario() const { return Extras.Any() || FirstPayment.has_value(); }
};

// `plain`'s loan, rate, payment and term repaid with `extras`; its savings are those against `plain`.
// Without an extra above 0 its months are `plain`'s, not made again. Raises ScheduleRefused as
// MonthlySchedule does (ExtraNotValid, NotInCents).
WhatIfSchedule WhatIfOf(const PaymentSchedule &plain, const ScheduleExtras &extras,
                        std::optional<PaymentMonth> firstPayment = std::nullopt);

// An amount of 0 or more written as a plain decimal (NumberParts::Plain) with `locale`'s decimal
// separator and at most two decimals that are not 0 ("1500", "99.5", "0.250"), in cents; no value for
// anything else (a sign, grouping, an exponent, a fraction of a cent) or for an amount that 64-bit cents
// cannot hold.
std::optional<std::int64_t> PlainAmountCents(const std::string &text, const LocaleValues &locale);
