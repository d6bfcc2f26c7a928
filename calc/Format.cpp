#include "Format.h"

#include "Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr int SignificantDigits = 18;
constexpr long double TenTo17 = 1e17L;
constexpr long double TenTo18 = 1e18L;

// 10^0 .. 10^27 are exact in extended (5^27 < 2^64).
constexpr int ExactPowerCount = 28;
constexpr std::array<long double, ExactPowerCount> ExactPowersOfTen = [] {
    std::array<long double, ExactPowerCount> powers{};
    long double power = 1;
    for (long double &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// 10^(27 j), each correctly rounded to extended, up to the largest finite power 10^4914.
constexpr int BigStep = ExactPowerCount - 1;
constexpr int BigPowerCount = 4932 / BigStep + 1;

const std::array<long double, BigPowerCount> &BigPowersOfTen()
{
    static const std::array<long double, BigPowerCount> powers = [] {
        std::array<long double, BigPowerCount> table{};
        for (int j = 0; j < BigPowerCount; ++j) {
            const std::string text = "1e" + std::to_string(j * BigStep);
            std::from_chars(text.data(), text.data() + text.size(), table[j]);
        }
        return table;
    }();
    return powers;
}

// x * 10^k in extended, with at most a few roundings (one for |k| <= 27).
long double ScaleByPowerOfTen(long double x, int k)
{
    const auto &big = BigPowersOfTen();
    // Values near the bottom of the range need more than the largest power: lift them in two steps.
    constexpr int largestBig = (BigPowerCount - 1) * BigStep;
    while (k > largestBig) {
        x *= big[BigPowerCount - 1];
        k -= largestBig;
    }
    const int magnitude = std::abs(k);
    const long double small = ExactPowersOfTen[magnitude % BigStep];
    const long double large = big[magnitude / BigStep];
    if (k >= 0)
        return x * small * large;
    return x / small / large;
}

// The decimal exponent E with 10^(E-1) <= a < 10^E, up to one too small, for a > 0.
int DecimalExponentEstimate(long double a)
{
    int binaryExponent = 0;
    std::frexp(a, &binaryExponent); // a in [2^(e-1), 2^e)
    constexpr double log10Of2 = 0.30102999566398119521;
    return static_cast<int>(std::floor((binaryExponent - 1) * log10Of2)) + 1;
}

std::optional<std::string> NonFiniteText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

std::string ZeroPadded(const std::string &digits, size_t from, size_t count)
{
    std::string result = from < digits.size() ? digits.substr(from, count) : std::string();
    result.resize(count, '0');
    return result;
}

// "d.dddEx" with the digits of a non-empty result.
std::string ScientificLayout(const DecimalDigitsResult &d, const LocaleValues &locale)
{
    std::string text = d.Negative ? "-" : "";
    text += d.Digits[0];
    if (d.Digits.size() > 1)
        text += locale.DecimalSeparator + d.Digits.substr(1);
    text += 'E';
    text += std::to_string(d.Exponent - 1);
    return text;
}

// The unsigned "integer.decimals" part: at least one integer digit, grouped by `thousandSeparator`
// unless it is empty, and exactly `decimals` decimals.
std::string FixedNumberPart(const DecimalDigitsResult &d, int decimals, const std::string &thousandSeparator,
                            const std::string &decimalSeparator)
{
    std::string text;
    if (d.Exponent <= 0) {
        text = "0";
    } else {
        const std::string integer = ZeroPadded(d.Digits, 0, static_cast<size_t>(d.Exponent));
        for (size_t i = 0; i < integer.size(); ++i) {
            if (i > 0 && (integer.size() - i) % 3 == 0)
                text += thousandSeparator;
            text += integer[i];
        }
    }
    if (decimals > 0) {
        std::string fraction;
        if (d.Exponent < 0)
            fraction.assign(static_cast<size_t>(std::min(-d.Exponent, decimals)), '0');
        const size_t integerDigits = static_cast<size_t>(std::max(d.Exponent, 0));
        fraction += ZeroPadded(d.Digits, integerDigits, static_cast<size_t>(decimals) - fraction.size());
        text += decimalSeparator + fraction;
    }
    return text;
}

constexpr std::array<const char *, 4> PositivePatterns = {"CN", "NC", "C N", "N C"};
constexpr std::array<const char *, 16> NegativePatterns = {
    "(CN)", "-CN",  "C-N",  "CN-",  "(NC)", "-NC",  "N-C",   "NC-",
    "-N C", "-C N", "N C-", "C N-", "C -N", "N- C", "(C N)", "(N C)",
};

// Sets symbol (C) and number (N) into a pattern whose other characters are literal.
std::string ApplyPattern(const char *pattern, const std::string &symbol, const std::string &number)
{
    std::string text;
    for (const char *p = pattern; *p; ++p) {
        if (*p == 'C')
            text += symbol;
        else if (*p == 'N')
            text += number;
        else
            text += *p;
    }
    return text;
}

[[noreturn]] void RaiseNotAFloat(const std::string &text)
{
    throw ConversionError("'" + text + "' is not a valid floating point value");
}

// The decimal power (floor of log10, plus one) of a non-zero number given as digits and exponent;
// exponents beyond the range of long long count as very large.
long long DecimalPower(const std::string &integerDigits, const std::string &fractionDigits,
                       const std::string &exponentText)
{
    constexpr long long huge = std::numeric_limits<long long>::max() / 4;
    long long exponent = 0;
    if (!exponentText.empty()) {
        const char *first = exponentText.data() + (exponentText[0] == '+' ? 1 : 0);
        if (std::from_chars(first, exponentText.data() + exponentText.size(), exponent).ec != std::errc())
            exponent = exponentText[0] == '-' ? -huge : huge;
    }
    const size_t firstNonZero = integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string::npos)
        return static_cast<long long>(integerDigits.size() - firstNonZero) + exponent;
    return exponent - static_cast<long long>(fractionDigits.find_first_not_of('0'));
}

} // namespace

DecimalDigitsResult DecimalDigits(long double value, int precision, int decimals)
{
    DecimalDigitsResult result;
    if (value == 0)
        return result;

    const long double magnitude = std::fabs(value);
    int exponent = DecimalExponentEstimate(magnitude);
    long double scaled = ScaleByPowerOfTen(magnitude, SignificantDigits - exponent);
    if (scaled >= TenTo18) { // the estimate was one too small
        scaled /= 10;
        ++exponent;
    }
    long double rounded = std::rint(scaled);
    if (rounded >= TenTo18) {
        rounded = std::rint(rounded / 10);
        ++exponent;
    }
    if (rounded < TenTo17) { // a power of ten met only after the scaling's rounding
        rounded *= 10;
        --exponent;
    }
    std::string digits(SignificantDigits, '0');
    auto integer = static_cast<std::uint64_t>(rounded);
    for (int i = SignificantDigits - 1; i >= 0; --i, integer /= 10)
        digits[static_cast<size_t>(i)] = static_cast<char>('0' + integer % 10);

    const long long wanted = static_cast<long long>(exponent) + decimals;
    if (wanted < 0)
        return result;
    const auto count = static_cast<size_t>(std::min<long long>({wanted, precision, SignificantDigits}));

    result.Negative = value < 0;
    result.Exponent = exponent;
    if (count < digits.size() && digits[count] >= '5') {
        size_t last = count;
        while (last > 0 && digits[last - 1] == '9')
            --last;
        if (last == 0) {
            digits = "1";
            ++result.Exponent;
        } else {
            ++digits[last - 1];
            digits.resize(last);
        }
    } else {
        digits.resize(count);
    }
    const size_t lastNonZero = digits.find_last_not_of('0');
    digits.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    result.Digits = std::move(digits);
    return result;
}

std::string FormatGeneral(long double value, int precision, const LocaleValues &locale)
{
    if (auto text = NonFiniteText(value))
        return *text;
    const DecimalDigitsResult d = DecimalDigits(value, precision, UnlimitedDecimals);
    if (d.Exponent > precision || d.Exponent < -3)
        return ScientificLayout(d, locale);

    std::string text = d.Negative ? "-" : "";
    if (d.Exponent <= 0) {
        text += '0';
        if (!d.Digits.empty())
            text += locale.DecimalSeparator + std::string(static_cast<size_t>(-d.Exponent), '0') + d.Digits;
        return text;
    }
    const auto integerDigits = static_cast<size_t>(d.Exponent);
    text += ZeroPadded(d.Digits, 0, integerDigits);
    if (d.Digits.size() > integerDigits)
        text += locale.DecimalSeparator + d.Digits.substr(integerDigits);
    return text;
}

std::string FormatCurrency(long double value, const LocaleValues &locale)
{
    if (auto text = NonFiniteText(value))
        return *text;
    constexpr int currencyPrecision = 10;
    const DecimalDigitsResult d = DecimalDigits(value, currencyPrecision, 2);
    if (d.Exponent > currencyPrecision)
        return ScientificLayout(d, locale);

    const std::string number = FixedNumberPart(d, 2, locale.ThousandSeparator, locale.DecimalSeparator);
    if (d.Negative)
        return ApplyPattern(NegativePatterns[static_cast<size_t>(std::clamp(locale.NegCurrFormat, 0, 15))],
                            locale.CurrencySymbol, number);
    return ApplyPattern(PositivePatterns[static_cast<size_t>(std::clamp(locale.CurrencyFormat, 0, 3))],
                        locale.CurrencySymbol, number);
}

std::string FormatFixed(long double value, int decimals, const LocaleValues &locale)
{
    if (!std::isfinite(value) || std::fabs(value) >= TenTo18)
        return FormatGeneral(value, 15, locale);
    const DecimalDigitsResult d = DecimalDigits(value, SignificantDigits, decimals);
    return (d.Negative ? "-" : "") + FixedNumberPart(d, decimals, std::string(), locale.DecimalSeparator);
}

double TextToFloat(const std::string &text, const LocaleValues &locale)
{
    // Checked by hand, then handed to from_chars with a full stop, which never looks at the C locale.
    size_t pos = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ') + 1;
    if (pos == std::string::npos)
        RaiseNotAFloat(text);
    const auto digitRun = [&] {
        const size_t from = pos;
        while (pos < end && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        return text.substr(from, pos - from);
    };

    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+')
        ++pos;
    const std::string integerDigits = digitRun();
    std::string fractionDigits;
    const std::string &separator = locale.DecimalSeparator;
    if (!separator.empty() && text.compare(pos, separator.size(), separator) == 0) {
        pos += separator.size();
        fractionDigits = digitRun();
    }
    if (integerDigits.empty() && fractionDigits.empty())
        RaiseNotAFloat(text);
    std::string exponentText;
    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < end && (text[pos] == '-' || text[pos] == '+'))
            exponentText = text[pos++];
        const std::string exponentDigits = digitRun();
        if (exponentDigits.empty())
            RaiseNotAFloat(text);
        exponentText += exponentDigits;
    }
    if (pos != end)
        RaiseNotAFloat(text);

    const std::string plain = (negative ? "-" : "") + (integerDigits.empty() ? "0" : integerDigits) + "." +
                              (fractionDigits.empty() ? "0" : fractionDigits) + "e" +
                              (exponentText.empty() ? "0" : exponentText);
    double value = 0;
    const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double reads as a signed zero; too large is not a number we can hold.
        if (DecimalPower(integerDigits, fractionDigits, exponentText) >= 0)
            RaiseNotAFloat(text);
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != plain.data() + plain.size())
        RaiseNotAFloat(text);
    return value;
}
