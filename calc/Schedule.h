#pragma once

#include "calc/Decimal.h"

#include <cstdint>
#include <optional>
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
    ExtraNotValid,  // an extra payment below 0, or in a month outside the term
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

// An amount in currency units as whole cents; no value for a digit below the cent or for an amount
// beyond the 64-bit range of cents.
std::optional<std::int64_t> CentsIn(const Decimal &amount);
// The same, raising ScheduleRefused(NotInCents) where CentsIn has no value.
std::int64_t CentsOf(const Decimal &amount);

// The longest term, in years and in monthly payments.
inline constexpr std::int32_t MaximumTermYears = 999;
inline constexpr std::int32_t MaximumScheduleMonths = MaximumTermYears * 12;

// One row of a schedule, money in cents: a month (Number 1, 2, ...) or a year (its months summed).
struct ScheduleRow {
    std::int32_t Number = 0;
    std::int64_t Payment = 0;
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;
    std::int64_t Balance = 0;       // what is still owed after the row
    std::int64_t Extra = 0;         // paid beyond Payment; Payment + Extra = Interest + Principal
    std::int32_t PartialMonths = 0; // a year of fewer than 12 months: their count; else 0

    bool operator==(const ScheduleRow &) const = default;
};

// An extra payment of Cents (0 or more) with payment Month (1, 2, ...).
struct OneTimeExtra {
    std::int32_t Month = 1;
    std::int64_t Cents = 0;

    bool operator==(const OneTimeExtra &) const = default;
};

// What is paid beyond the level payment: MonthlyCents (0 or more) with every payment from FromMonth
// (1 or more) on, and each one-time extra with its month; two in one month add up.
struct ScheduleExtras {
    std::int64_t MonthlyCents = 0;
    std::int32_t FromMonth = 1;
    std::vector<OneTimeExtra> OneTime;

    // Whether any extra amount is above 0.
    bool Any() const;
    bool operator==(const ScheduleExtras &) const = default;
};

// Raises ScheduleRefused(ExtraNotValid) for an extra below 0, FromMonth below 1 or a one-time extra
// outside 1..months.
void CheckScheduleExtras(const ScheduleExtras &extras, std::int32_t months);

// A calendar month: Year 1..9999, Month 1..12.
struct PaymentMonth {
    std::int32_t Year = 1;
    std::int32_t Month = 1;

    bool operator==(const PaymentMonth &) const = default;
};

// The month of payment `number` (1, 2, ...) when payment 1 falls in `first`: number - 1 months later.
PaymentMonth MonthOfPayment(PaymentMonth first, std::int32_t number);

// The month-by-month schedule of `loanCents` repaid by `paymentCents` a month, plus `extras`, at
// `rate` over at most `months` payments. Each month's interest is balance x rate rounded to the cent,
// halves away from zero; the principal is the payment and the month's extra less the interest. The
// last month, or the first one whose principal would reach the balance, pays off the balance with its
// interest and ends the schedule, so the balance ends at exactly 0: its extra is what the balance and
// interest need beyond the payment (0 to the month's extra), and its payment is the rest. Extras
// after that month are not used. Raises ScheduleRefused: TermOutOfRange for months outside
// 1..MaximumScheduleMonths, NoLoan for a loan of 0 or less, NeverRepaid when the payment does not
// exceed the first month's interest (ZeroPayment when it is 0) whatever the extras, ExtraNotValid for
// an extra below 0, FromMonth below 1 or a one-time extra outside 1..months, NotInCents when a figure
// leaves the 64-bit range.
std::vector<ScheduleRow> MonthlySchedule(std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate,
                                         std::int32_t months, const ScheduleExtras &extras = {});

// One row per year: the sums of its months and the balance after its last month; a year of fewer
// than 12 months carries their count in PartialMonths. Without `firstPayment` the years are the
// loan's (Number 1, 2, ...), and only the last can be partial; with it they are calendar years
// (Number 2024, 2025, ...), the first one starting at the first payment's month.
std::vector<ScheduleRow> YearlyRows(const std::vector<ScheduleRow> &monthly,
                                    std::optional<PaymentMonth> firstPayment = std::nullopt);

// The sums of the payment, interest, principal and extra columns, in cents.
struct ScheduleTotals {
    std::int64_t Payments = 0;
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;
    std::int64_t Extras = 0;

    bool operator==(const ScheduleTotals &) const = default;
};
ScheduleTotals TotalsOf(const std::vector<ScheduleRow> &rows);

// The interest and the principal paid up to and including a row, in cents.
struct RunningTotal {
    std::int64_t Interest = 0;
    std::int64_t Principal = 0;

    bool operator==(const RunningTotal &) const = default;
};
std::vector<RunningTotal> RunningTotals(const std::vector<ScheduleRow> &rows);

// What a schedule with extras saves against the plain one of the same loan (both monthly rows): the
// interest in cents and the number of payments.
struct ScheduleSavings {
    std::int64_t Interest = 0;
    std::int32_t Payments = 0;

    bool operator==(const ScheduleSavings &) const = default;
};
ScheduleSavings SavingsOf(const std::vector<ScheduleRow> &plainMonthly,
                          const std::vector<ScheduleRow> &monthly);
