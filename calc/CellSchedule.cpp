#include "calc/CellSchedule.h"

#include "calc/Format.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

const Decimal &ValueOfCell(const PaymentChart &chart, int column, int row)
{
    const std::optional<Decimal> &value = chart.Value(column, row);
    if (!value)
        throw ScheduleRefused(ScheduleRefusal::EmptyCell);
    return *value;
}

} // namespace

PaymentSchedule MakePaymentSchedule(std::string loanText, std::string rateText, std::int32_t years,
                                    std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate)
{
    PaymentSchedule schedule{
        std::move(loanText), std::move(rateText), years, loanCents, rate, paymentCents, {}, {}};
    // A term beyond the longest stays beyond it in months, for MonthlySchedule to refuse.
    const auto months = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{years} * 12, 0, MaximumScheduleMonths + 1));
    schedule.Monthly = MonthlySchedule(loanCents, paymentCents, rate, months);
    schedule.Yearly = YearlyRows(schedule.Monthly);
    return schedule;
}

PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row)
{
    if (column < 1 || column >= PaymentChart::ColumnCount || row < 1 || row >= PaymentChart::RowCount)
        throw std::out_of_range("not a payment cell");
    const Decimal &payment = ValueOfCell(chart, column, row);
    const std::int64_t loanCents = CentsOf(ValueOfCell(chart, 0, row));
    const MonthlyRate rate = MonthlyRateOfPercent(ValueOfCell(chart, column, 0));
    return MakePaymentSchedule(Trimmed(chart.Cell(0, row)), Trimmed(chart.Cell(column, 0)),
                               chart.Header().Years, loanCents, CentsOf(payment), rate);
}

WhatIfSchedule WhatIfOf(const PaymentSchedule &plain, const ScheduleExtras &extras,
                        std::optional<PaymentMonth> firstPayment)
{
    WhatIfSchedule schedule;
    schedule.Extras = extras;
    schedule.FirstPayment = firstPayment;
    // Extras of 0 change no month: the plain rows stand.
    const bool extra = extras.Any();
    if (extra) {
        schedule.Monthly =
            MonthlySchedule(plain.LoanCents, plain.PaymentCents, plain.Rate, plain.Months(), extras);
    } else {
        CheckScheduleExtras(extras, plain.Months());
        schedule.Monthly = plain.Monthly;
    }
    schedule.Yearly = extra || firstPayment ? YearlyRows(schedule.Monthly, firstPayment) : plain.Yearly;
    schedule.MonthlyToDate = RunningTotals(schedule.Monthly);
    schedule.YearlyToDate = RunningTotals(schedule.Yearly);
    return schedule;
}

std::optional<std::int64_t> PlainAmountCents(const std::string &text, const LocaleValues &locale)
{
    const std::optional<NumberParts> parts = SplitNumber(text, locale);
    if (!parts || !parts->Plain())
        return std::nullopt;
    std::string digits = parts->IntegerDigits + parts->FractionDigits;
    // Trailing zeros go into the exponent, so that "0.250" is a whole number of cents.
    Decimal amount{0, -static_cast<int>(parts->FractionDigits.size())};
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++amount.Exponent;
    }
    // A coefficient beyond 64 bits is more cents than 64 bits hold, or not whole cents.
    for (const char digit : digits) {
        if (__builtin_mul_overflow(amount.Coefficient, 10, &amount.Coefficient) ||
            __builtin_add_overflow(amount.Coefficient, digit - '0', &amount.Coefficient))
            return std::nullopt;
    }
    return CentsIn(amount);
}
