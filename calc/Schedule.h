#pragma once

#include "Decimal.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

// The repayment schedule of a level-payment loan, in whole cents and exact fractions: no floating
// point takes part, so every row is reproducible to the cent.

// Why no schedule can be made for a loan.
enum class ScheduleRefusal {
    EmptyCell,      // the cell holds no payment
    NoLoan,         // the amount is 0 or less
    NeverRepaid,    // the payment does not exceed the first month's interest
    ZeroPayment,    // the payment is 0 and does not exceed the first month's interest
    TermOutOfRange, // the term is not 1 to 999 years
    NotInCents,     // an amount or payment that 64-bit cents cannot hold
    RateNotExact,   // the rate's exact monthly fraction needs more than 64 bits
    ChartCutOff,    // the chart shown is a rebuild that a failure cut off, not a completed chart
};

// The message that tells the user why.
const char *ScheduleRefusalMessage(ScheduleRefusal reason);

// Raised instead of a schedule; what() is the refusal's message.
class ScheduleRefused : public std::runtime_error {
public:
    explicit ScheduleRefused(ScheduleRefusal reason);
    ScheduleRefusal Reason() const { return m_reason; }

private:
    ScheduleRefusal m_reason;
};

// An exact monthly interest rate Numerator / Denominator, in lowest terms, Denominator > 0.
struct MonthlyRate {
    std::int64_t Numerator = 0;
    std::int64_t Denominator = 1;

    bool operator==(const MonthlyRate &) const = default;
};

// The exact monthly rate of an annual rate in percent: percent / 1200 in lowest terms. Raises
// ScheduleRefused(RateNotExact) when its numerator or denominator needs more than 64 bits, such as
// for 1.2345E-17 %.
MonthlyRate MonthlyRateOfPercent(const Decimal &percent);

// An amount in currency units as whole cents. Raises ScheduleRefused(NotInCents) for a digit below
// the cent and for an amount beyond the 64-bit range of cents.
std::int64_t CentsOf(const Decimal &amount);

// The longest term: 999 years of monthly payments.
inline constexpr std::int32_t MaximumScheduleMonths = 999 * 12;

// The month count of a term of `years`. Raises ScheduleRefused(TermOutOfRange) unless it is 1..999.
std::int32_t ScheduleMonths(std::int32_t years);

// One row of a schedule, money in cents: a month (Number 1, 2, ...) or a year (its months summed).
struct ScheduleRow {
    std::int32_t Number = 0;
    std::int64_t Payment = 0;
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;
    std::int64_t Balance = 0;       // what is still owed after the row
    std::int32_t PartialMonths = 0; // a year of fewer than 12 months (a loan paid off within it): their count

    bool operator==(const ScheduleRow &) const = default;
};

// The month-by-month schedule of `loanCents` repaid by `paymentCents` a month at `rate` over at most
// `months` payments. Each month's interest is balance x rate rounded to the cent, halves away from
// zero; the principal is the payment less the interest. The last month, or the first one whose
// principal would reach the balance, pays off the balance with its interest and ends the schedule,
// so the balance ends at exactly 0. Raises ScheduleRefused: TermOutOfRange for months outside
// 1..MaximumScheduleMonths, NoLoan for a loan of 0 or less, NeverRepaid when the payment does not
// exceed the first month's interest (ZeroPayment when it is 0), NotInCents when a figure leaves the
// 64-bit range.
std::vector<ScheduleRow> MonthlySchedule(std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate,
                                         std::int32_t months);

// One row per year (Number 1, 2, ...): the sums of its months and the balance after its last month; a
// last year of fewer than 12 months carries their count in PartialMonths.
std::vector<ScheduleRow> YearlyRows(const std::vector<ScheduleRow> &monthly);

// The sums of the payment, interest and principal columns, in cents.
struct ScheduleTotals {
    std::int64_t Payments = 0;
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;

    bool operator==(const ScheduleTotals &) const = default;
};
ScheduleTotals TotalsOf(const std::vector<ScheduleRow> &rows);
