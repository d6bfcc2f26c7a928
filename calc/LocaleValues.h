#pragma once

#include <string>

// The system's number and currency settings that the text layouts use.
// Separators hold exactly one character, UTF-8 encoded.
struct LocaleValues {
    std::string CurrencySymbol;      // empty when the system gives none
    int CurrencyFormat = 0;          // positive currency pattern, 0..3
    int NegCurrFormat = 0;           // negative currency pattern, 0..15
    std::string ThousandSeparator = ",";
    std::string DecimalSeparator = ".";
};

// Reads the values of the process's current C locale (localeconv); the caller has run
// setlocale(LC_ALL, "") once at start-up. Values the locale does not give keep their defaults.
LocaleValues ReadSystemLocaleValues();

// The values the program formats with: the defaults until SetCurrentLocaleValues is called.
const LocaleValues &CurrentLocaleValues();
void SetCurrentLocaleValues(const LocaleValues &values);
