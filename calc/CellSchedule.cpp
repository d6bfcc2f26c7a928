#include "CellSchedule.h"

#include "Format.h"

#include <limits>
#include <numeric>
#include <stdexcept>

namespace {

__extension__ typedef __int128 Int128;

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A plain unsigned decimal number: its digits without the separator, and the count of decimals.
struct PlainDecimal {
    std::string Digits;
    int Decimals = 0;
};

// Digits with at most one `separator` among them; `thousands`, when not empty, may stand between
// integer digits. No value for anything else.
std::optional<PlainDecimal> ReadPlainDecimal(const std::string &text, const std::string &separator,
                                             const std::string &thousands = {})
{
    PlainDecimal number;
    bool inFraction = false;
    for (size_t pos = 0; pos < text.size();) {
        if (IsDigit(text[pos])) {
            number.Digits += text[pos++];
            number.Decimals += inFraction;
        } else if (!inFraction && !separator.empty() && text.compare(pos, separator.size(), separator) == 0) {
            inFraction = true;
            pos += separator.size();
        } else if (!inFraction && !thousands.empty() && !number.Digits.empty() &&
                   text.compare(pos, thousands.size(), thousands) == 0) {
            pos += thousands.size();
        } else {
            return std::nullopt;
        }
    }
    if (number.Digits.empty())
        return std::nullopt;
    return number;
}

// digits x 10^exponent when it is a whole number that fits 64 bits.
std::optional<std::int64_t> WholeNumber(const std::string &digits, int exponent, bool negative)
{
    Int128 value = 0;
    constexpr Int128 limit = std::numeric_limits<std::int64_t>::max();
    for (size_t i = 0; i < digits.size(); ++i) {
        // Digits below the units must be zeros.
        if (exponent + static_cast<int>(digits.size() - i) <= 0) {
            if (digits[i] != '0')
                return std::nullopt;
            continue;
        }
        value = value * 10 + (digits[i] - '0');
        if (value > limit)
            return std::nullopt;
    }
    for (; exponent > 0; --exponent) {
        value *= 10;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int64_t>(negative ? -value : value);
}

// The amount of the number part of a currency text, or of its scientific layout, in cents.
std::optional<std::int64_t> NumberCents(const std::string &number, bool negative, const LocaleValues &locale)
{
    const size_t e = number.find('E');
    if (e == std::string::npos) {
        const auto plain = ReadPlainDecimal(number, locale.DecimalSeparator, locale.ThousandSeparator);
        if (!plain)
            return std::nullopt;
        return WholeNumber(plain->Digits, 2 - plain->Decimals, negative);
    }
    const auto mantissa = ReadPlainDecimal(number.substr(0, e), locale.DecimalSeparator);
    const std::string exponentText = number.substr(e + 1);
    const bool negativeExponent = exponentText.starts_with('-');
    const std::string exponentDigits = exponentText.substr(negativeExponent);
    if (!mantissa || exponentDigits.empty() || exponentDigits.size() > 3 ||
        exponentDigits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int exponent = std::stoi(exponentDigits) * (negativeExponent ? -1 : 1);
    return WholeNumber(mantissa->Digits, exponent + 2 - mantissa->Decimals, negative);
}

// The text around the number part of the layout of a value of this sign, blanks at the outer ends
// dropped.
std::pair<std::string, std::string> CurrencyFrame(bool negative, const LocaleValues &locale)
{
    const std::string sample = FormatCurrency(negative ? -1 : 1, locale);
    const std::string number = "1" + locale.DecimalSeparator + "00";
    const size_t at = sample.find(number);
    const std::string before = sample.substr(0, at);
    const std::string after = sample.substr(at + number.size());
    const size_t first = before.find_first_not_of(' ');
    return {first == std::string::npos ? std::string() : before.substr(first),
            after.substr(0, after.find_last_not_of(' ') + 1)};
}

std::optional<std::string> Framed(const std::string &text, const std::pair<std::string, std::string> &frame)
{
    const auto &[before, after] = frame;
    if (text.size() < before.size() + after.size() || !text.starts_with(before) || !text.ends_with(after))
        return std::nullopt;
    return text.substr(before.size(), text.size() - before.size() - after.size());
}

std::int64_t CellCents(const std::string &text, const LocaleValues &locale)
{
    const auto cents = CurrencyCents(text, locale);
    if (!cents)
        throw ScheduleRefused(ScheduleRefusal::NotInCents);
    return *cents;
}

} // namespace

std::optional<std::int64_t> CurrencyCents(const std::string &text, const LocaleValues &locale)
{
    const std::string trimmed = Trimmed(text);
    const bool minus = trimmed.starts_with('-');
    // The negative frame, the positive one, then the bare scientific layout. Only a text that the
    // layout itself writes for the amount is taken: that rules out digits grouped wrongly, a third
    // decimal, and a frame that merely looks like the other sign's.
    const std::optional<std::string> numbers[] = {Framed(trimmed, CurrencyFrame(true, locale)),
                                                  Framed(trimmed, CurrencyFrame(false, locale)),
                                                  trimmed.substr(minus ? 1 : 0)};
    const bool negatives[] = {true, false, minus};
    for (int i = 0; i < 3; ++i) {
        if (!numbers[i])
            continue;
        const auto cents = NumberCents(*numbers[i], negatives[i], locale);
        if (cents && Trimmed(FormatCurrency(static_cast<long double>(*cents) / 100, locale)) == trimmed)
            return cents;
    }
    return std::nullopt;
}

MonthlyRate MonthlyRateOfPercent(const std::string &text, const LocaleValues &locale)
{
    std::string number = Trimmed(text);
    if (number.ends_with('%'))
        number.pop_back();
    const bool negative = number.starts_with('-');
    const auto plain = ReadPlainDecimal(number.substr(negative), locale.DecimalSeparator);
    constexpr int maximumDecimals = 15; // 10^15 x 1200 still fits 64 bits
    constexpr size_t maximumDigits = 18;
    if (!plain || plain->Decimals > maximumDecimals)
        throw ScheduleRefused(ScheduleRefusal::RateNotPlain);
    const size_t significant = plain->Digits.find_first_not_of('0');
    if (significant != std::string::npos && plain->Digits.size() - significant > maximumDigits)
        throw ScheduleRefused(ScheduleRefusal::RateNotPlain);

    MonthlyRate rate;
    rate.Numerator = *WholeNumber(plain->Digits, 0, negative);
    rate.Denominator = 1200;
    for (int i = 0; i < plain->Decimals; ++i)
        rate.Denominator *= 10;
    const std::int64_t common = std::gcd(rate.Numerator, rate.Denominator);
    rate.Numerator /= common;
    rate.Denominator /= common;
    return rate;
}

PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row, const LocaleValues &locale)
{
    if (column < 1 || column >= PaymentChart::ColumnCount || row < 1 || row >= PaymentChart::RowCount)
        throw std::out_of_range("not a payment cell");
    const std::string payment = Trimmed(chart.Cell(column, row));
    if (payment.empty())
        throw ScheduleRefused(ScheduleRefusal::EmptyCell);

    PaymentSchedule schedule;
    schedule.LoanText = Trimmed(chart.Cell(0, row));
    schedule.RateText = Trimmed(chart.Cell(column, 0));
    schedule.Years = chart.Header().Years;
    const std::int64_t loanCents = CellCents(schedule.LoanText, locale);
    if (loanCents <= 0)
        throw ScheduleRefused(ScheduleRefusal::NoLoan);
    if (schedule.Years < 1 || schedule.Years > MaximumScheduleMonths / 12)
        throw ScheduleRefused(ScheduleRefusal::TermOutOfRange);
    const MonthlyRate rate = MonthlyRateOfPercent(schedule.RateText, locale);
    schedule.PaymentCents = CellCents(payment, locale);
    schedule.Monthly = MonthlySchedule(loanCents, schedule.PaymentCents, rate, schedule.Years * 12);
    schedule.Yearly = YearlyRows(schedule.Monthly);
    schedule.LoanCents = loanCents;
    schedule.Rate = rate;
    return schedule;
}

WhatIfSchedule WhatIfOf(const PaymentSchedule &plain, const ScheduleExtras &extras,
                        std::optional<PaymentMonth> firstPayment)
{
    WhatIfSchedule schedule;
    schedule.Extras = extras;
    schedule.FirstPayment = firstPayment;
    schedule.Monthly =
        MonthlySchedule(plain.LoanCents, plain.PaymentCents, plain.Rate, plain.Years * 12, extras);
    schedule.Yearly = YearlyRows(schedule.Monthly, firstPayment);
    schedule.MonthlyToDate = RunningTotals(schedule.Monthly);
    schedule.YearlyToDate = RunningTotals(schedule.Yearly);
    return schedule;
}

std::optional<std::int64_t> PlainAmountCents(const std::string &text, const LocaleValues &locale)
{
    const auto plain = ReadPlainDecimal(text, locale.DecimalSeparator);
    if (!plain)
        return std::nullopt;
    return WholeNumber(plain->Digits, 2 - plain->Decimals, false);
}
