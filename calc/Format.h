#pragma once

#include "LocaleValues.h"

#include <string>

// Decimal digits of a value rounded to a count of significant digits and of decimals:
// the value is Negative ? -1 : +1 times 0.Digits x 10^Exponent. No digits means zero.
struct DecimalDigitsResult {
    int Exponent = 0;
    bool Negative = false;
    std::string Digits;
};

constexpr int UnlimitedDecimals = 1 << 20;

DecimalDigitsResult DecimalDigits(long double value, int precision, int decimals);

// General layout with at most `precision` significant digits (8.75, 1E-5, 1.2346E5).
std::string FormatGeneral(long double value, int precision, const LocaleValues &locale = CurrentLocaleValues());

// Currency layout: ten significant digits, two decimals, grouping and the locale's patterns.
std::string FormatCurrency(long double value, const LocaleValues &locale = CurrentLocaleValues());

// Fixed layout "0" or "0.00…": minus sign, ungrouped integer digits, exactly `decimals` decimals
// (0..9), rounded half away from zero on 18 significant digits; 1E18 and beyond in the general
// 15-digit layout.
std::string FormatFixed(long double value, int decimals, const LocaleValues &locale = CurrentLocaleValues());

// The standard decimal text-to-number conversion: optional blanks around, a sign, digits with the
// locale's decimal separator (no grouping), an optional exponent; rounded to the nearest double.
// Raises ConversionError("'<text>' is not a valid floating point value") for anything else.
double TextToFloat(const std::string &text, const LocaleValues &locale = CurrentLocaleValues());
