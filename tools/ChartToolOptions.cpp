#include "tools/ChartToolOptions.h"

#include "calc/CellSchedule.h"
#include "calc/Chart.h"

#include <charconv>
#include <functional>
#include <map>
#include <vector>

namespace {

int WholeNumberIn(const std::string &text, int lowest, int highest, const std::string &what)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
        throw UsageError(what + " must be a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest) + ", not '" + text + "'");
    }
    return value;
}

// One character that no number read or printed by the tool contains: not a digit, a blank, a sign
// or an exponent letter.
std::string Separator(const std::string &text, const std::string &what)
{
    if (!IsOneCharacter(text))
        throw UsageError(what + " must be one character, not '" + text + "'");
    if (text.find_first_of("0123456789 \t\n\v\f\r+-eE") != std::string::npos) {
        throw UsageError(what + " must not be a digit, a blank, a sign or an exponent letter, not '" + text +
                         "'");
    }
    return text;
}

ChartToolOptions::OneTimeExtraText OneTimeExtraOf(const std::string &text)
{
    const size_t at = text.rfind('@');
    if (at == std::string::npos)
        throw UsageError("--extra must be AMOUNT@MONTH, not '" + text + "'");
    return {
        text, text.substr(0, at),
        WholeNumberIn(text.substr(at + 1), 1, MaximumScheduleMonths, "the month of --extra '" + text + "'")};
}

// YYYY-MM, year 0001..9999, month 01..12.
PaymentMonth MonthOf(const std::string &text)
{
    const bool digits = text.size() == 7 && text[4] == '-' && text.find_first_not_of("0123456789", 0) == 4 &&
                        text.find_first_not_of("0123456789", 5) == std::string::npos;
    const PaymentMonth month =
        digits ? PaymentMonth{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5))} : PaymentMonth{0, 0};
    if (month.Year < 1 || month.Month < 1 || month.Month > 12)
        throw UsageError("--start must be a month as YYYY-MM, such as 2024-03, not '" + text + "'");
    return month;
}

std::int64_t AmountCents(const std::string &text, const std::string &what, const LocaleValues &locale)
{
    const auto cents = PlainAmountCents(text, locale);
    if (!cents) {
        throw UsageError(what + " must be a plain amount from 0 to 92233720368547758" +
                         locale.DecimalSeparator + "07 in whole cents, not '" + text + "'");
    }
    return *cents;
}

} // namespace

LocaleValues ChartToolOptions::Locale(LocaleValues system) const
{
    system.CurrencySymbol = CurrencySymbol.value_or(system.CurrencySymbol);
    system.CurrencyFormat = CurrencyFormat.value_or(system.CurrencyFormat);
    system.NegCurrFormat = NegCurrFormat.value_or(system.NegCurrFormat);
    system.ThousandSeparator = ThousandSeparator.value_or(system.ThousandSeparator);
    system.DecimalSeparator = DecimalSeparator.value_or(system.DecimalSeparator);
    if (system.ThousandSeparator != system.DecimalSeparator)
        return system;
    const std::string separator = "'" + system.DecimalSeparator + "'";
    if (ThousandSeparator && DecimalSeparator)
        throw UsageError("--thousands-separator and --decimal-separator must differ, not both " + separator);
    if (DecimalSeparator)
        throw UsageError("--decimal-separator " + separator +
                         " is the locale's thousands separator; give --thousands-separator too");
    throw UsageError("--thousands-separator " + separator +
                     " is the locale's decimal separator; give --decimal-separator too");
}

bool ChartToolOptions::WhatIf() const
{
    return ExtraMonthly || !OneTimeExtras.empty() || Start;
}

ScheduleExtras ChartToolOptions::Extras(const LocaleValues &locale) const
{
    ScheduleExtras extras;
    if (ExtraMonthly)
        extras.MonthlyCents = AmountCents(*ExtraMonthly, "--extra-monthly", locale);
    extras.FromMonth = ExtraFrom.value_or(1);
    for (const OneTimeExtraText &extra : OneTimeExtras)
        extras.OneTime.push_back(
            {extra.Month, AmountCents(extra.Amount, "--extra '" + extra.Argument + "'", locale)});
    return extras;
}

void ChartToolOptions::CheckExtraMonths(std::int32_t months) const
{
    if (ExtraFrom && *ExtraFrom > months) {
        throw UsageError("--extra-from must be from 1 to " + std::to_string(months) +
                         ", the term's last payment, not '" + std::to_string(*ExtraFrom) + "'");
    }
    for (const OneTimeExtraText &extra : OneTimeExtras) {
        if (extra.Month > months) {
            throw UsageError("the month of --extra '" + extra.Argument + "' must be from 1 to " +
                             std::to_string(months) + ", the term's last payment");
        }
    }
}

ChartToolOptions ParseChartToolOptions(int argc, const char *const argv[])
{
    ChartToolOptions options;
    using Setter = std::function<void(const std::string &)>;
    const std::map<std::string, Setter> valued = {
        {"--currency-symbol", [&](const std::string &v) { options.CurrencySymbol = v; }},
        {"--currency-format",
         [&](const std::string &v) { options.CurrencyFormat = WholeNumberIn(v, 0, 3, "--currency-format"); }},
        {"--negative-currency-format",
         [&](const std::string &v) {
             options.NegCurrFormat = WholeNumberIn(v, 0, 15, "--negative-currency-format");
         }},
        {"--thousands-separator",
         [&](const std::string &v) { options.ThousandSeparator = Separator(v, "--thousands-separator"); }},
        {"--decimal-separator",
         [&](const std::string &v) { options.DecimalSeparator = Separator(v, "--decimal-separator"); }},
        {"--extra-monthly", [&](const std::string &v) { options.ExtraMonthly = v; }},
        {"--extra-from",
         [&](const std::string &v) {
             options.ExtraFrom = WholeNumberIn(v, 1, MaximumScheduleMonths, "--extra-from");
         }},
        {"--extra", [&](const std::string &v) { options.OneTimeExtras.push_back(OneTimeExtraOf(v)); }},
        {"--start", [&](const std::string &v) { options.Start = MonthOf(v); }},
    };

    const std::map<std::string, bool *> flags = {
        {"--help", &options.Help},
        {"--tsv", &options.Tsv},
        {"--schedule", &options.Schedule},
        {"--yearly", &options.Yearly},
    };
    // An option where a value should be means that the value is missing.
    const auto isOption = [&](const std::string &text) {
        const std::string name = text.substr(0, text.find('='));
        return text == "--" || flags.contains(text) || valued.contains(name);
    };

    std::vector<std::string> positional;
    // "--name take 'value'" of each option that took the next argument, a number, as its value.
    std::vector<std::string> tookNumber;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || !argument.starts_with("--")) {
            positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (const auto flag = flags.find(argument); flag != flags.end()) {
            *flag->second = true;
        } else {
            const size_t equals = argument.find('=');
            const auto setter = valued.find(argument.substr(0, equals));
            if (setter == valued.end())
                throw UsageError("unknown option '" + argument + "'");
            if (equals != std::string::npos) {
                setter->second(argument.substr(equals + 1));
            } else if (i + 1 < argc && !isOption(argv[i + 1])) {
                const std::string value = argv[++i];
                if (value.find_first_of("0123456789+-.") == 0)
                    tookNumber.push_back(argument + " take '" + value + "'");
                setter->second(value);
            } else {
                throw UsageError(argument + " needs a value");
            }
        }
    }
    if (options.Help)
        return options;
    if (options.Yearly && !options.Schedule)
        throw UsageError("--yearly needs --schedule");
    if (options.WhatIf() && !options.Schedule)
        throw UsageError("--extra-monthly, --extra and --start need --schedule");
    if (options.ExtraFrom && !options.ExtraMonthly)
        throw UsageError("--extra-from needs --extra-monthly");
    // The schedule's cell comes first: COLUMN ROW LOAN YEARS RATE ...
    const size_t cellArguments = options.Schedule ? 2 : 0;
    const auto countFits = [&](size_t count) {
        return count == cellArguments + 3 || count == cellArguments + 5;
    };
    if (!countFits(positional.size())) {
        std::string message = std::string("expected ") + (options.Schedule ? "COLUMN ROW " : "") +
                              "LOAN YEARS RATE and optionally LOAN_STEP_INDEX RATE_STEP_INDEX";
        // One number short where an option took a number after it: most likely its own value is missing.
        if (countFits(positional.size() + 1) && !tookNumber.empty()) {
            message += ", one more number than given: did ";
            for (size_t t = 0; t < tookNumber.size(); ++t)
                message += (t > 0 ? " or " : "") + tookNumber[t];
            message += " as its value?";
        }
        throw UsageError(message);
    }
    if (options.Schedule) {
        options.ScheduleColumn = WholeNumberIn(positional[0], 1, PaymentChart::ColumnCount - 1, "COLUMN");
        options.ScheduleRow = WholeNumberIn(positional[1], 1, PaymentChart::RowCount - 1, "ROW");
        positional.erase(positional.begin(), positional.begin() + 2);
    }
    options.Loan = positional[0];
    options.Years = positional[1];
    options.Rate = positional[2];
    if (positional.size() == 5) {
        options.LoanStepIndex = WholeNumberIn(positional[3], 0, 8, "LOAN_STEP_INDEX");
        options.RateStepIndex = WholeNumberIn(positional[4], 0, 8, "RATE_STEP_INDEX");
    }
    return options;
}

std::string ChartToolUsage()
{
    return R"(Usage: quillmere-chart [OPTIONS] LOAN YEARS RATE [LOAN_STEP_INDEX RATE_STEP_INDEX]
       quillmere-chart --schedule [OPTIONS] COLUMN ROW LOAN YEARS RATE [LOAN_STEP_INDEX RATE_STEP_INDEX]

Prints the monthly payment chart of Quillmere 32: eleven loan amounts around LOAN (rows) by seven
annual interest rates around RATE percent (columns), each cell the level monthly payment over
YEARS years. The chart starts from the window's initial chart and shows what the run left in it.

  LOAN, YEARS, RATE   numbers with the locale's decimal separator, optional sign and exponent
  LOAN_STEP_INDEX     0..8 for steps of 100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000 (default 3)
  RATE_STEP_INDEX     0..8 for steps of .10, .125, .20, .25, .333, .375, .5, .75, 1.0 (default 3)

With --schedule it prints the payment schedule of the chart's cell in column COLUMN (1..7, the
rates) and row ROW (1..11, the amounts) instead: the loan, rate and term as the chart shows them,
one row per month (--yearly: per year) with the payment, interest, principal and balance in whole
cents, and the totals. A cell without a schedule is a failure that says why.

What if more is paid: --extra-monthly adds an amount to every payment from payment --extra-from
on (default 1), --extra AMOUNT@N adds a one-time amount to payment N (N and --extra-from 1 to the
term's last; repeatable, two in one month add up). The schedule then has an Extra column and ends as
soon as the loan is repaid; under the terms a line says the extras, and the totals say the extras'
total, the interest saved and how many payments sooner the loan is paid off. --start YYYY-MM dates
the payments from that month on (a Date column and the payoff date), and --yearly then sums calendar
years, a partial first or last one saying how many months it holds, as in 2024 (10 months). AMOUNTs
are plain numbers of 0 or more in whole cents, with the locale's decimal separator and no grouping.

Options (the locale values default to the system's, from LANG and LC_*):
  --tsv                            the 12 rows as lines of 8 tab-separated cell texts, unpadded;
                                   with --schedule a heading line and the schedule's rows, and
                                   with extras or --start an empty line and the totals
  --schedule                       the schedule of one cell (see above)
  --yearly                         with --schedule, one row per year
  --extra-monthly AMOUNT           with --schedule, an extra paid every month
  --extra-from N                   the first payment of --extra-monthly (default 1)
  --extra AMOUNT@N                 with --schedule, an extra paid once with payment N; repeatable
  --start YYYY-MM                  with --schedule, the month of the first payment
  --currency-symbol S              currency symbol text
  --currency-format N              positive currency pattern 0..3 (0 $1, 1 1$, 2 $ 1, 3 1 $)
  --negative-currency-format N     negative currency pattern 0..15 (0 ($1), 1 -$1, 5 -1$, 8 -1 $, ...)
  --thousands-separator C          one character: no digit, blank, sign, e or E
  --decimal-separator C            one character like the thousands separator, and not the same
  --help                           this text

Messages of the run (a corrected year count as "Years: 30", information, failures, and which
argument a failure came from) go to standard error. Exit status: 0 when the chart was completed,
1 when a failure ended the run or the output could not be written, 2 for a usage error.
)";
}
