#pragma once

#include "LocaleValues.h"

#include <optional>
#include <stdexcept>
#include <string>

// A command line that cannot be run; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the command line asks for. The three numbers stay texts: they are read during the run,
// with the locale's decimal separator, as the window's fields are.
struct ChartToolOptions {
    bool Help = false;
    bool Tsv = false;
    std::string Loan;
    std::string Years;
    std::string Rate;
    int LoanStepIndex = 3; // 0..8
    int RateStepIndex = 3; // 0..8
    std::optional<std::string> CurrencySymbol;
    std::optional<int> CurrencyFormat; // 0..3
    std::optional<int> NegCurrFormat;  // 0..15
    std::optional<std::string> ThousandSeparator;
    std::optional<std::string> DecimalSeparator;

    // The system's values with the overrides given on the command line. Raises UsageError when the
    // two separators end up the same.
    LocaleValues Locale(LocaleValues system) const;
};

// Options ("--name value" or "--name=value") may stand anywhere; "--" ends them, and an argument
// starting with a single "-" is a number. Raises UsageError for anything that cannot be run.
ChartToolOptions ParseChartToolOptions(int argc, const char *const argv[]);

// The --help text.
std::string ChartToolUsage();
