#pragma once

#include <optional>
#include <string>

// The system's number and currency settings that the text layouts use.
// Separators hold exactly one character, UTF-8 encoded.
struct LocaleValues {
    std::string CurrencySymbol; // empty when the system gives none
    int CurrencyFormat = 0;     // positive currency pattern, 0..3
    int NegCurrFormat = 0;      // negative currency pattern, 0..15
    std::string ThousandSeparator = ",";
    std::string DecimalSeparator = ".";

    bool operator==(const LocaleValues &) const = default;
};

// Whether the text is exactly one well-formed UTF-8 character, as a separator must be.
bool IsOneCharacter(const std::string &text);

// The raw monetary fields of a C locale (lconv) that decide the two currency patterns;
// CHAR_MAX in a field means the locale does not say.
struct CurrencyPlacement {
    int CsPrecedes; // 1: symbol before the number
    int SepBySpace; // 0: no blank, 1: blank between symbol and number, 2: blank next to the sign
    int SignPosn;   // 0: parentheses, 1: sign first, 2: sign last, 3: sign before symbol, 4: after
};

// Maps a locale's placement of symbol, blank and sign onto the pattern codes of the currency layout
// (0..3 positive, 0..15 negative); a placement the locale leaves open gives code 0. Where the locale
// asks for a layout the codes cannot express, the nearest code with the same order is taken.
int PositiveCurrencyPattern(const CurrencyPlacement &placement);
int NegativeCurrencyPattern(const CurrencyPlacement &placement);

// Reads the values of the process's current C locale (localeconv); the caller has run
// setlocale(LC_ALL, "") once at start-up. Values the locale does not give keep their defaults.
// The separators come from the number settings (LC_NUMERIC), falling back to the monetary ones;
// a separator that is not one UTF-8 character falls back to the default, and a thousands separator
// equal to the decimal separator is replaced by whichever of "," and "." differs from it.
LocaleValues ReadSystemLocaleValues();

// Sets the process's C locale from the environment (setlocale(LC_ALL, "")), once at start-up. When
// the locale the environment names cannot be loaded, because it is not installed or because
// locale-gen is rewriting the locale archive at that moment, the C locale stays and amounts lose their
// currency symbol and separators: the warning returned says so, for the program to print. Nothing
// when the locale loaded.
std::optional<std::string> UseEnvironmentLocale();
