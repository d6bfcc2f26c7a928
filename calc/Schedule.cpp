#include "calc/Schedule.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {

__extension__ typedef __int128 Int128;

const char *const RefusalMessages[] = {
    "This cell holds no payment, so there is no schedule to show.",
    "A payment schedule needs a loan amount above 0.",
    "The payment does not exceed the first month's interest, so the loan would never be repaid.",
    "The payment of this cell is zero, so the loan would never be repaid.",
    "A payment schedule needs a term of 1 to 999 years.",
    "The amount or the payment is too large to be scheduled in whole cents.",
    "The rate has too many digits to be taken exactly.",
    "The chart was not completed, so its cells have no schedule. Correct the entries and try again.",
    "An extra payment must be 0 or more, in a month from 1 to the last of the term.",
};

static_assert(MaximumTermYears == 999, "the refusal of a term says the longest one");

bool Fits64Bits(Int128 value)
{
    return value >= std::numeric_limits<std::int64_t>::min() &&
           value <= std::numeric_limits<std::int64_t>::max();
}

std::int64_t InCents(Int128 value)
{
    if (!Fits64Bits(value))
        throw ScheduleRefused(ScheduleRefusal::NotInCents);
    return static_cast<std::int64_t>(value);
}

// `value` x 10^count, or no value when that leaves the 128-bit range.
std::optional<Int128> TimesPowerOfTen(Int128 value, int count)
{
    for (int i = 0; i < count; ++i) {
        if (__builtin_mul_overflow(value, 10, &value))
            return std::nullopt;
    }
    return value;
}

Int128 GreatestCommonDivisor(Int128 a, Int128 b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

// balance x rate rounded to the cent, halves away from zero. Most products fit 64 bits, and a
// 64-bit division is several times faster than a 128-bit one.
std::int64_t Interest(std::int64_t balance, const MonthlyRate &rate)
{
    const std::int64_t divisor = rate.Denominator;
    std::int64_t product = 0;
    if (!__builtin_mul_overflow(balance, rate.Numerator, &product)) {
        const std::int64_t quotient = product / divisor;
        const std::int64_t remainder = product % divisor;
        const std::int64_t magnitude = remainder < 0 ? -remainder : remainder;
        if (magnitude >= divisor - magnitude)
            return quotient + (product < 0 ? -1 : 1);
        return quotient;
    }
    const Int128 wide = Int128{balance} * rate.Numerator;
    Int128 quotient = wide / divisor;
    const Int128 remainder = wide % divisor;
    const Int128 magnitude = remainder < 0 ? -remainder : remainder;
    if (magnitude >= divisor - magnitude)
        quotient += wide < 0 ? -1 : 1;
    return InCents(quotient);
}

// The extra of each month in turn, asked for in rising order: the monthly one from its first month
// on, plus the one-time extras of that month.
class MonthlyExtras {
public:
    explicit MonthlyExtras(const ScheduleExtras &extras) : m_extras(extras), m_oneTime(extras.OneTime)
    {
        std::ranges::sort(m_oneTime, {}, &OneTimeExtra::Month);
    }

    Int128 Of(std::int32_t month)
    {
        Int128 extra = month >= m_extras.FromMonth ? m_extras.MonthlyCents : 0;
        for (; m_next < m_oneTime.size() && m_oneTime[m_next].Month == month; ++m_next)
            extra += m_oneTime[m_next].Cents;
        return extra;
    }

private:
    const ScheduleExtras &m_extras;
    std::vector<OneTimeExtra> m_oneTime;
    size_t m_next = 0;
};

} // namespace

MonthlyRate MonthlyRateOfPercent(const Decimal &percent)
{
    if (percent.Coefficient == 0)
        return {0, 1};
    // Coefficient x 10^Exponent / 1200. Reducing divides the numerator by at most 1200 and the
    // denominator by at most the coefficient, so a fraction whose power of ten leaves 128 bits
    // would still need more than 64 bits in lowest terms.
    const auto numerator = TimesPowerOfTen(percent.Coefficient, std::max(percent.Exponent, 0));
    const auto denominator = TimesPowerOfTen(1200, std::max(-percent.Exponent, 0));
    if (!numerator || !denominator)
        throw ScheduleRefused(ScheduleRefusal::RateNotExact);
    const Int128 common = GreatestCommonDivisor(*numerator < 0 ? -*numerator : *numerator, *denominator);
    const Int128 reducedNumerator = *numerator / common;
    const Int128 reducedDenominator = *denominator / common;
    if (!Fits64Bits(reducedNumerator) || !Fits64Bits(reducedDenominator))
        throw ScheduleRefused(ScheduleRefusal::RateNotExact);
    return {static_cast<std::int64_t>(reducedNumerator), static_cast<std::int64_t>(reducedDenominator)};
}

std::optional<std::int64_t> CentsIn(const Decimal &amount)
{
    const int centsExponent = amount.Exponent + 2;
    if (centsExponent < 0)
        return std::nullopt;
    const auto cents = TimesPowerOfTen(amount.Coefficient, centsExponent);
    if (!cents || !Fits64Bits(*cents))
        return std::nullopt;
    return static_cast<std::int64_t>(*cents);
}

std::int64_t CentsOf(const Decimal &amount)
{
    const std::optional<std::int64_t> cents = CentsIn(amount);
    if (!cents)
        throw ScheduleRefused(ScheduleRefusal::NotInCents);
    return *cents;
}

void CheckScheduleExtras(const ScheduleExtras &extras, std::int32_t months)
{
    const bool oneTimeValid = std::ranges::all_of(extras.OneTime, [months](const OneTimeExtra &extra) {
        return extra.Cents >= 0 && extra.Month >= 1 && extra.Month <= months;
    });
    if (extras.MonthlyCents < 0 || extras.FromMonth < 1 || !oneTimeValid)
        throw ScheduleRefused(ScheduleRefusal::ExtraNotValid);
}

bool ScheduleExtras::Any() const
{
    return MonthlyCents > 0 ||
           std::ranges::any_of(OneTime, [](const OneTimeExtra &extra) { return extra.Cents > 0; });
}

PaymentMonth MonthOfPayment(PaymentMonth first, std::int32_t number)
{
    const std::int32_t monthIndex = first.Month - 1 + number - 1;
    return {first.Year + monthIndex / 12, monthIndex % 12 + 1};
}

const char *ScheduleRefusalMessage(ScheduleRefusal reason)
{
    return RefusalMessages[static_cast<int>(reason)];
}

ScheduleRefused::ScheduleRefused(ScheduleRefusal reason)
    : std::runtime_error(ScheduleRefusalMessage(reason)), m_reason(reason)
{
}

std::vector<ScheduleRow> MonthlySchedule(std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate,
                                         std::int32_t months, const ScheduleExtras &extras)
{
    if (months < 1 || months > MaximumScheduleMonths)
        throw ScheduleRefused(ScheduleRefusal::TermOutOfRange);
    CheckScheduleExtras(extras, months);
    if (loanCents <= 0)
        throw ScheduleRefused(ScheduleRefusal::NoLoan);
    if (paymentCents <= Interest(loanCents, rate))
        throw ScheduleRefused(paymentCents == 0 ? ScheduleRefusal::ZeroPayment
                                                : ScheduleRefusal::NeverRepaid);

    std::vector<ScheduleRow> rows;
    rows.reserve(static_cast<size_t>(months));
    // Running sums, checked so that every total and yearly sum of the rows fits 64 bits.
    Int128 paid = 0;
    Int128 interestPaid = 0;
    Int128 extrasPaid = 0;
    MonthlyExtras monthlyExtras(extras);
    std::int64_t balance = loanCents;
    for (std::int32_t month = 1;; ++month) {
        const std::int64_t interest = Interest(balance, rate);
        const Int128 extra = monthlyExtras.Of(month);
        const Int128 principal = Int128{paymentCents} + extra - interest;
        const bool last = month == months || principal >= balance;
        ScheduleRow row{month, paymentCents, interest, 0, 0};
        if (last) {
            const Int128 due = Int128{balance} + interest;
            row.Extra = InCents(std::clamp<Int128>(due - paymentCents, 0, extra));
            row.Payment = InCents(due - row.Extra);
            row.Principal = balance;
        } else {
            row.Extra = InCents(extra);
            row.Principal = InCents(principal);
            row.Balance = InCents(balance - principal);
        }
        paid += row.Payment;
        interestPaid += interest;
        extrasPaid += row.Extra;
        InCents(paid);
        InCents(interestPaid);
        InCents(extrasPaid);
        rows.push_back(row);
        if (last)
            return rows;
        balance = row.Balance;
    }
}

std::vector<ScheduleRow> YearlyRows(const std::vector<ScheduleRow> &monthly,
                                    std::optional<PaymentMonth> firstPayment)
{
    std::vector<ScheduleRow> years;
    years.reserve(monthly.size() / 12 + 2);
    // A calendar year's months run up to December; a loan year always has 12.
    size_t yearLength = firstPayment ? static_cast<size_t>(13 - firstPayment->Month) : 12;
    std::int32_t label = firstPayment ? firstPayment->Year : 1;
    for (size_t first = 0; first < monthly.size(); first += yearLength, yearLength = 12) {
        const size_t end = std::min(first + yearLength, monthly.size());
        ScheduleRow year{label++, 0, 0, 0, monthly[end - 1].Balance};
        for (size_t month = first; month < end; ++month) {
            year.Payment += monthly[month].Payment;
            year.Interest += monthly[month].Interest;
            year.Principal += monthly[month].Principal;
            year.Extra += monthly[month].Extra;
        }
        if (end - first < 12)
            year.PartialMonths = static_cast<std::int32_t>(end - first);
        years.push_back(year);
    }
    return years;
}

ScheduleTotals TotalsOf(const std::vector<ScheduleRow> &rows)
{
    ScheduleTotals totals;
    for (const ScheduleRow &row : rows) {
        totals.Payments += row.Payment;
        totals.Interest += row.Interest;
        totals.Principal += row.Principal;
        totals.Extras += row.Extra;
    }
    return totals;
}

std::vector<RunningTotal> RunningTotals(const std::vector<ScheduleRow> &rows)
{
    std::vector<RunningTotal> running;
    running.reserve(rows.size());
    RunningTotal sum;
    for (const ScheduleRow &row : rows) {
        sum.Interest += row.Interest;
        sum.Principal += row.Principal;
        running.push_back(sum);
    }
    return running;
}

ScheduleSavings SavingsOf(const std::vector<ScheduleRow> &plainMonthly,
                          const std::vector<ScheduleRow> &monthly)
{
    // Both interest totals have the rate's sign, so their difference fits 64 bits.
    return {TotalsOf(plainMonthly).Interest - TotalsOf(monthly).Interest,
            static_cast<std::int32_t>(plainMonthly.size()) - static_cast<std::int32_t>(monthly.size())};
}
