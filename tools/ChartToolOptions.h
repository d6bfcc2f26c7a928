#pragma once

#include "calc/LocaleValues.h"
#include "calc/Schedule.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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
    // --schedule: the payment schedule of chart cell (ScheduleColumn 1..7, ScheduleRow 1..11)
    // instead of the chart, a month a row, or a year a row with --yearly.
    bool Schedule = false;
    bool Yearly = false;
    int ScheduleColumn = 0;
    int ScheduleRow = 0;
    // What-if extras of the schedule and the month of its first payment. The amounts stay texts until
    // the locale is known.
    std::optional<std::string> ExtraMonthly; // --extra-monthly AMOUNT
    std::optional<std::int32_t> ExtraFrom;   // --extra-from N, 1 or more
    struct OneTimeExtraText {
        std::string Argument; // AMOUNT@N as given
        std::string Amount;
        std::int32_t Month = 1;
    };
    std::vector<OneTimeExtraText> OneTimeExtras; // --extra AMOUNT@N, repeatable
    std::optional<PaymentMonth> Start;           // --start YYYY-MM
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

    // Whether an extra or a start month is given: the schedule is then printed with them.
    bool WhatIf() const;
    // The extras in cents, read with `locale`. Raises UsageError, naming the argument, for an amount
    // that is not a plain decimal of 0 or more in whole cents within the 64-bit range.
    ScheduleExtras Extras(const LocaleValues &locale) const;
    // Raises UsageError, naming the argument, for a one-time extra after month `months`.
    void CheckExtraMonths(std::int32_t months) const;
};

// Options ("--name value" or "--name=value") may stand anywhere; "--" ends them, and an argument
// starting with a single "-" is a number. Raises UsageError for anything that cannot be run.
ChartToolOptions ParseChartToolOptions(int argc, const char *const argv[]);

// The --help text.
std::string ChartToolUsage();
