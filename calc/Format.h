#pragma once

#include "calc/Decimal.h"
#include "calc/LocaleValues.h"

#include <cstdint>
#include <optional>
#include <string>

// Decimal digits of a value rounded to a count of significant digits and of decimals:
// the value is Negative ? -1 : +1 times 0.Digits x 10^Exponent. No digits means zero.
struct DecimalDigitsResult {
    int Exponent = 0;
    bool Negative = false;
    std::string Digits;

    bool operator==(const DecimalDigitsResult &) const = default;
};

constexpr int UnlimitedDecimals = 1 << 20;

// `precision` is 1..18 significant digits (others count as the nearest end), `decimals` any count.
// Raises InvalidOperationError for an infinity or not-a-number.
// The value's first 18 significant digits are found in extended (ties to even); the cut at
// min(precision, exponent + decimals) digits rounds a following digit of 5 or more up in magnitude.
// The sign stays negative for a negative value whose digits all round away, unless it is too small
// to reach the last decimal at all (then the result is an unsigned zero).
DecimalDigitsResult DecimalDigits(long double value, int precision, int decimals);

// General layout with at most `precision` significant digits (8.75, 1E-5, 1.2346E5); scientific
// when the decimal exponent exceeds `precision` or the value is below 0.0001. Infinities and
// not-a-number values read "INF", "-INF" and "NAN".
std::string FormatGeneral(long double value, int precision, const LocaleValues &locale);
// The precision that shows an entered number as typed: every digit a double carries.
inline constexpr int FullPrecision = 15;
// The same, appended to `text` (saves a copy where the layout follows a prefix). Returns the exact
// value the appended text shows, made from the same digits; none for an infinity or not-a-number.
std::optional<Decimal> AppendGeneral(std::string &text, long double value, int precision,
                                     const LocaleValues &locale);

// Currency layout: ten significant digits, two decimals, grouping and the locale's patterns
// ($100,000.00, ($4,000.00)); 10,000,000,000 and beyond in the bare scientific layout (1.23456789E10).
std::string FormatCurrency(long double value, const LocaleValues &locale);
// The same, appended to `text`, returning the exact value the appended text shows, as AppendGeneral:
// 123,456,789.12 shows as 123,456,789.10, and that is the value.
std::optional<Decimal> AppendCurrency(std::string &text, long double value, const LocaleValues &locale);

// Exact currency layout of an amount in cents, digit by digit, over the whole 64-bit range: the
// grouping and patterns of FormatCurrency, which gives the same text wherever it shows every cent
// (below 100,000,000.00), but never rounded to ten digits nor scientific.
std::string FormatCurrencyCents(std::int64_t cents, const LocaleValues &locale);

// A number text laid out already, with the locale's currency symbol set around it by the locale's
// positive currency pattern: "$100000" (pattern 0), "100000 €" (pattern 3). A sign in the text stays
// where it is ("$-5").
std::string WithCurrencySymbol(const std::string &number, const LocaleValues &locale);

// Fixed layout "0" or "0.00…": minus sign, ungrouped integer digits, exactly `decimals` decimals
// (0..18, others count as the nearest end), rounded half away from zero on 18 significant digits; 1E18 and
// beyond in the general 15-digit layout. Like the currency layout, a negative value that rounds to zero keeps
// its sign
// ("-0.00" for -0.001) unless its magnitude is below a tenth of the last decimal's unit ("0.00" for
// -0.0004).
std::string FormatFixed(long double value, int decimals, const LocaleValues &locale);

// A number's text split into its parts: optional blanks around, a sign, digits with the locale's
// decimal separator (no grouping; digits on at least one side of it), an optional exponent (E or e, a
// sign, digits). The one reading of a typed number: the entry fields' value and the what-if amounts.
struct NumberParts {
    bool Blanks = false; // around the number
    char Sign = 0;       // '-' or '+'; 0 for none
    std::string IntegerDigits;
    std::string FractionDigits;
    std::string Exponent; // its sign and digits; empty for none

    // Digits and the separator alone: no blanks, sign or exponent.
    bool Plain() const { return !Blanks && Sign == 0 && Exponent.empty(); }
};
// No value for a text that is not such a number.
std::optional<NumberParts> SplitNumber(const std::string &text, const LocaleValues &locale);

// The standard decimal text-to-number conversion of a text SplitNumber reads, rounded to the nearest
// double. A value too small for a double reads as
// zero; one too large for it raises OverflowError. Anything else raises
// ConversionError("'<text>' is not a valid floating point value").
double TextToFloat(const std::string &text, const LocaleValues &locale);
