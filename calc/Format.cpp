#include "calc/Format.h"

#include "calc/Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr int SignificantDigits = 18;
constexpr long double TenTo18 = 1e18L;
constexpr long long IntegerTenTo18 = 1'000'000'000'000'000'000;

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
[[gnu::always_inline]] inline long double ScaleByPowerOfTen(long double x, int k)
{
    if (k >= 0 && k < ExactPowerCount)
        return x * ExactPowersOfTen[static_cast<size_t>(k)];
    const auto &big = BigPowersOfTen();
    // Values near the bottom of the range need more than the largest power: lift them in two steps.
    constexpr int LargestBig = (BigPowerCount - 1) * BigStep;
    while (k > LargestBig) {
        x *= big[BigPowerCount - 1];
        k -= LargestBig;
    }
    const int magnitude = std::abs(k);
    const long double small = ExactPowersOfTen[magnitude % BigStep];
    const long double large = big[magnitude / BigStep];
    if (k >= 0)
        return x * small * large;
    return x / small / large;
}

// The decimal exponent E with 10^(E-1) <= a < 10^E, or one less, for a finite a > 0.
[[gnu::always_inline]] inline int DecimalExponentEstimate(long double a)
{
    // From 1 to 10^27, where the chart's amounts and payments lie, exactly by comparison with the
    // exact powers: reading the exponent field passes the value through memory, which costs more.
    if (a >= 1 && a < ExactPowersOfTen[ExactPowerCount - 1]) {
        int exponent = 1;
        while (a >= ExactPowersOfTen[static_cast<size_t>(exponent)])
            ++exponent;
        return exponent;
    }
    // The binary exponent e with a in [2^(e-1), 2^e), read from the extended layout's exponent field.
    std::uint16_t signAndExponent = 0;
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&a) + sizeof(std::uint64_t),
                sizeof signAndExponent);
    int binaryExponent = (signAndExponent & 0x7FFF) - 16382;
    if ((signAndExponent & 0x7FFF) == 0) // subnormal
        std::frexp(a, &binaryExponent);
    // floor((e - 1) log10 2) + 1 with log10 2 as a 32-bit binary fraction; checked exact for
    // |e - 1| <= 20000, which covers the whole extended range.
    constexpr std::int64_t Log10Of2Scaled = 1292913986; // log10(2) x 2^32, rounded down
    return static_cast<int>((static_cast<std::int64_t>(binaryExponent - 1) * Log10Of2Scaled) >> 32) + 1;
}

constexpr std::array<std::uint64_t, SignificantDigits + 1> IntegerPowersOfTen = [] {
    std::array<std::uint64_t, SignificantDigits + 1> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// n / 10^k for k in 0..18. Each divisor is a constant, which the compiler turns into a
// multiplication: a division by a divisor read from a table costs several times as much.
template <size_t... K> constexpr auto PowerOfTenDividers(std::index_sequence<K...>)
{
    return std::array<std::uint64_t (*)(std::uint64_t), sizeof...(K)>{
        [](std::uint64_t n) { return n / IntegerPowersOfTen[K]; }...};
}
constexpr auto DivideByPowerOfTen = PowerOfTenDividers(std::make_index_sequence<SignificantDigits + 1>());

// Writes the `count` (0..19) decimal digits of n < 10^count, two at a time, leading zeros included.
template <class Unsigned> void WriteDigitPairs(Unsigned n, size_t count, char *out)
{
    static constexpr std::array<char, 200> DigitPairs = [] {
        std::array<char, 200> table{};
        for (int i = 0; i < 100; ++i) {
            table[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
            table[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
        }
        return table;
    }();
    for (; count >= 2; count -= 2, n /= 100)
        std::memcpy(out + count - 2, &DigitPairs[2 * (n % 100)], 2);
    if (count == 1)
        out[0] = static_cast<char>('0' + n);
}

void WriteDigits(std::uint64_t n, size_t count, char *out)
{
    // Up to nine digits in 32 bits, whose divisions by 100 are cheaper.
    if (n <= UINT32_MAX)
        WriteDigitPairs(static_cast<std::uint32_t>(n), count, out);
    else
        WriteDigitPairs(n, count, out);
}

std::optional<std::string> NonFiniteText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

// What DecimalDigits gives, with the digits kept in place: the layouts read them without a copy.
struct RoundedDigits {
    int Exponent = 0;
    bool Negative = false;
    size_t Count = 0;
    // The first Count are set: at most 18 significant digits, or the 19 of the largest 64-bit cents.
    std::array<char, SignificantDigits + 1> Buffer;

    std::string_view Digits() const { return {Buffer.data(), Count}; }
    // Digit i (0-based), or '0' beyond the digits on either side.
    char DigitAt(int i) const
    {
        return i >= 0 && static_cast<size_t>(i) < Count ? Buffer[static_cast<size_t>(i)] : '0';
    }
};

// The exact value of the digits, which every layout of them shows.
Decimal ValueOf(const RoundedDigits &d)
{
    if (d.Count == 0)
        return {};
    std::int64_t coefficient = 0;
    for (const char digit : d.Digits())
        coefficient = coefficient * 10 + (digit - '0');
    return {d.Negative ? -coefficient : coefficient, d.Exponent - static_cast<int>(d.Count)};
}

// "d.dddEx" with the digits of a non-empty result.
void AppendScientific(std::string &text, const RoundedDigits &d, const LocaleValues &locale)
{
    if (d.Negative)
        text += '-';
    text += d.Buffer[0];
    if (d.Count > 1) {
        text += locale.DecimalSeparator;
        text += d.Digits().substr(1);
    }
    text += 'E';
    text += std::to_string(d.Exponent - 1);
}

// Appends a separator or symbol; the common single character without a call into the library.
inline void AppendPiece(std::string &text, const std::string &piece)
{
    if (piece.size() == 1)
        text += piece[0];
    else
        text += piece;
}

// Appends the unsigned "integer.decimals" part: at least one integer digit, grouped by
// `thousandSeparator` unless it is empty, and exactly `decimals` decimals. Character by character:
// the chart lays out a hundred short numbers per run, and a call to copy each piece costs more.
[[gnu::always_inline]] inline void AppendFixedNumber(std::string &text, const RoundedDigits &d, int decimals,
                                                     const std::string &thousandSeparator,
                                                     const std::string &decimalSeparator)
{
    if (d.Exponent <= 0)
        text += '0';
    // The leading group holds 1 to 3 digits, the others 3.
    int groupLeft = (d.Exponent + 2) % 3 + 1;
    for (int i = 0; i < d.Exponent; ++i) {
        if (groupLeft-- == 0) {
            if (!thousandSeparator.empty())
                AppendPiece(text, thousandSeparator);
            groupLeft = 2;
        }
        text += d.DigitAt(i);
    }
    if (decimals > 0) {
        AppendPiece(text, decimalSeparator);
        // Decimal place k (1-based) holds digit E + k - 1 of the digits, a zero before the first.
        for (int place = 1; place <= decimals; ++place)
            text += d.DigitAt(d.Exponent + place - 1);
    }
}

constexpr std::array<const char *, 4> PositivePatterns = {"CN", "NC", "C N", "N C"};
constexpr std::array<const char *, 16> NegativePatterns = {
    "(CN)", "-CN",  "C-N",  "CN-",  "(NC)", "-NC",  "N-C",   "NC-",
    "-N C", "-C N", "N C-", "C N-", "C -N", "N- C", "(C N)", "(N C)",
};

// Appends the pattern with the symbol for C and what `appendNumber` appends for N; other characters
// are literal.
template <class AppendNumber>
[[gnu::always_inline]] inline void AppendCurrencyPattern(std::string &text, const char *pattern,
                                                         const std::string &symbol, AppendNumber appendNumber)
{
    for (const char *p = pattern; *p; ++p) {
        if (*p == 'C')
            AppendPiece(text, symbol);
        else if (*p == 'N')
            appendNumber();
        else
            text += *p;
    }
}

const char *PositivePattern(const LocaleValues &locale)
{
    return PositivePatterns[static_cast<size_t>(std::clamp(locale.CurrencyFormat, 0, 3))];
}

// Appends the currency layout of rounded digits: the pattern of their sign (positive codes above 3
// count as 3, negative ones above 15 as 15) around the fixed number with two decimals.
[[gnu::always_inline]] inline void AppendCurrencyDigits(std::string &text, const RoundedDigits &d,
                                                        const LocaleValues &locale)
{
    const char *pattern = d.Negative
                              ? NegativePatterns[static_cast<size_t>(std::clamp(locale.NegCurrFormat, 0, 15))]
                              : PositivePattern(locale);
    AppendCurrencyPattern(text, pattern, locale.CurrencySymbol, [&] {
        AppendFixedNumber(text, d, 2, locale.ThousandSeparator, locale.DecimalSeparator);
    });
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
    constexpr long long Huge = std::numeric_limits<long long>::max() / 4;
    long long exponent = 0;
    if (!exponentText.empty()) {
        const char *first = exponentText.data() + (exponentText[0] == '+' ? 1 : 0);
        if (std::from_chars(first, exponentText.data() + exponentText.size(), exponent).ec != std::errc())
            exponent = exponentText[0] == '-' ? -Huge : Huge;
    }
    const size_t firstNonZero = integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string::npos)
        return static_cast<long long>(integerDigits.size() - firstNonZero) + exponent;
    return exponent - static_cast<long long>(fractionDigits.find_first_not_of('0'));
}

} // namespace

namespace {

[[gnu::always_inline]] inline RoundedDigits Round(long double value, int precision, int decimals)
{
    if (!std::isfinite(value))
        throw InvalidOperationError();
    RoundedDigits result;
    if (value == 0)
        return result;
    precision = std::clamp(precision, 1, SignificantDigits);

    const long double magnitude = std::fabs(value);
    int exponent = DecimalExponentEstimate(magnitude);
    long double scaled = ScaleByPowerOfTen(magnitude, SignificantDigits - exponent);
    if (scaled >= TenTo18) { // the estimate was one too small
        ++exponent;
        scaled = ScaleByPowerOfTen(magnitude, SignificantDigits - exponent);
    }
    long long rounded = std::llrint(scaled); // ties to even
    if (rounded >= IntegerTenTo18) {
        rounded = std::llrint(static_cast<long double>(rounded) / 10);
        ++exponent;
    }
    const auto all = static_cast<std::uint64_t>(rounded); // d1..d18

    const long long wanted = static_cast<long long>(exponent) + decimals;
    if (wanted < 0)
        return result;
    auto count = static_cast<size_t>(std::min<long long>({wanted, precision, SignificantDigits}));

    result.Negative = value < 0;
    result.Exponent = exponent;
    std::uint64_t kept = all; // d1..dN as a whole number
    if (count < SignificantDigits) {
        const std::uint64_t withNext = DivideByPowerOfTen[SignificantDigits - 1 - count](all);
        kept = withNext / 10;
        if (withNext % 10 >= 5 && ++kept == IntegerPowersOfTen[count]) { // carry past d1
            kept = 1;
            count = 1;
            ++result.Exponent;
        }
    }
    WriteDigits(kept, count, result.Buffer.data());
    while (count > 0 && result.Buffer[count - 1] == '0')
        --count;
    result.Count = count;
    return result;
}

// Every digit of cents / 100, in integers only: nothing to round.
RoundedDigits CentsDigits(std::int64_t cents)
{
    RoundedDigits result;
    result.Negative = cents < 0;
    // Unsigned negation, which holds the magnitude of the most negative value too.
    const auto bits = static_cast<std::uint64_t>(cents);
    const std::uint64_t magnitude = result.Negative ? 0 - bits : bits;
    size_t count = 1;
    while (count < IntegerPowersOfTen.size() && magnitude >= IntegerPowersOfTen[count])
        ++count;
    WriteDigits(magnitude, count, result.Buffer.data());
    result.Count = count;
    result.Exponent = static_cast<int>(count) - 2;
    return result;
}

} // namespace

DecimalDigitsResult DecimalDigits(long double value, int precision, int decimals)
{
    const RoundedDigits d = Round(value, precision, decimals);
    return {d.Exponent, d.Negative, std::string(d.Digits())};
}

std::string FormatGeneral(long double value, int precision, const LocaleValues &locale)
{
    std::string text;
    AppendGeneral(text, value, precision, locale);
    return text;
}

std::optional<Decimal> AppendGeneral(std::string &text, long double value, int precision,
                                     const LocaleValues &locale)
{
    if (!std::isfinite(value)) {
        text += *NonFiniteText(value);
        return std::nullopt;
    }
    const RoundedDigits d = Round(value, precision, UnlimitedDecimals);
    if (d.Exponent > precision || d.Exponent < -3) {
        AppendScientific(text, d, locale);
        return ValueOf(d);
    }
    if (d.Negative)
        text += '-';
    if (d.Exponent <= 0) {
        text += '0';
        if (d.Count > 0) {
            AppendPiece(text, locale.DecimalSeparator);
            text.append(static_cast<size_t>(-d.Exponent), '0');
            text += d.Digits();
        }
        return ValueOf(d);
    }
    for (int i = 0; i < d.Exponent; ++i)
        text += d.DigitAt(i);
    if (d.Count > static_cast<size_t>(d.Exponent)) {
        AppendPiece(text, locale.DecimalSeparator);
        for (size_t i = static_cast<size_t>(d.Exponent); i < d.Count; ++i)
            text += d.Buffer[i];
    }
    return ValueOf(d);
}

std::string FormatCurrency(long double value, const LocaleValues &locale)
{
    std::string text;
    AppendCurrency(text, value, locale);
    return text;
}

std::optional<Decimal> AppendCurrency(std::string &text, long double value, const LocaleValues &locale)
{
    if (!std::isfinite(value)) {
        text += *NonFiniteText(value);
        return std::nullopt;
    }
    constexpr int CurrencyPrecision = 10;
    const RoundedDigits d = Round(value, CurrencyPrecision, 2);
    if (d.Exponent > CurrencyPrecision)
        AppendScientific(text, d, locale);
    else
        AppendCurrencyDigits(text, d, locale);
    return ValueOf(d);
}

std::string FormatCurrencyCents(std::int64_t cents, const LocaleValues &locale)
{
    std::string text;
    AppendCurrencyDigits(text, CentsDigits(cents), locale);
    return text;
}

std::string WithCurrencySymbol(const std::string &number, const LocaleValues &locale)
{
    std::string text;
    AppendCurrencyPattern(text, PositivePattern(locale), locale.CurrencySymbol, [&] { text += number; });
    return text;
}

std::string FormatFixed(long double value, int decimals, const LocaleValues &locale)
{
    if (!std::isfinite(value) || std::fabs(value) >= TenTo18)
        return FormatGeneral(value, FullPrecision, locale);
    decimals = std::clamp(decimals, 0, SignificantDigits);
    const RoundedDigits d = Round(value, SignificantDigits, decimals);
    std::string text = d.Negative ? "-" : "";
    AppendFixedNumber(text, d, decimals, std::string(), locale.DecimalSeparator);
    return text;
}

std::optional<NumberParts> SplitNumber(const std::string &text, const LocaleValues &locale)
{
    size_t pos = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ') + 1;
    if (pos == std::string::npos)
        return std::nullopt;
    const auto digitRun = [&] {
        const size_t from = pos;
        while (pos < end && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        return text.substr(from, pos - from);
    };

    NumberParts parts;
    parts.Blanks = pos > 0 || end < text.size();
    if (text[pos] == '-' || text[pos] == '+')
        parts.Sign = text[pos++];
    parts.IntegerDigits = digitRun();
    const std::string &separator = locale.DecimalSeparator;
    if (!separator.empty() && text.compare(pos, separator.size(), separator) == 0) {
        pos += separator.size();
        parts.FractionDigits = digitRun();
    }
    if (parts.IntegerDigits.empty() && parts.FractionDigits.empty())
        return std::nullopt;
    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < end && (text[pos] == '-' || text[pos] == '+'))
            parts.Exponent = text[pos++];
        const std::string exponentDigits = digitRun();
        if (exponentDigits.empty())
            return std::nullopt;
        parts.Exponent += exponentDigits;
    }
    if (pos != end)
        return std::nullopt;
    return parts;
}

double TextToFloat(const std::string &text, const LocaleValues &locale)
{
    const std::optional<NumberParts> parts = SplitNumber(text, locale);
    if (!parts)
        RaiseNotAFloat(text);
    const bool negative = parts->Sign == '-';
    const std::string &integerDigits = parts->IntegerDigits;
    const std::string &fractionDigits = parts->FractionDigits;
    const std::string &exponentText = parts->Exponent;
    // Handed to from_chars with a full stop, which never looks at the C locale.
    const std::string plain = (negative ? "-" : "") + (integerDigits.empty() ? "0" : integerDigits) + "." +
                              (fractionDigits.empty() ? "0" : fractionDigits) + "e" +
                              (exponentText.empty() ? "0" : exponentText);
    double value = 0;
    const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a double reads as a signed zero. Too large is still a number, one beyond the
        // range the chart computes in, so it fails like any other value that leaves that range.
        if (DecimalPower(integerDigits, fractionDigits, exponentText) >= 0)
            throw OverflowError();
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != plain.data() + plain.size())
        RaiseNotAFloat(text);
    return value;
}
