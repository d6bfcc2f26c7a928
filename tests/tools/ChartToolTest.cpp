#include "calc/Chart.h"
#include "calc/Errors.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::string &argument)
{
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the tool under `locale` (LC_ALL) with the given arguments and collects both streams;
// `output`, a shell redirection, sends standard output elsewhere instead.
ToolRun RunTool(const std::vector<std::string> &arguments, const std::string &locale = "C",
                const std::string &output = "")
{
    char errPath[] = "/tmp/quillmere-chart-test-XXXXXX";
    const int errFile = mkstemp(errPath);
    EXPECT_GE(errFile, 0);
    close(errFile);
    std::string command = "LC_ALL=" + Quoted(locale) + " " + Quoted(QUILLMERE_CHART_PATH);
    for (const std::string &argument : arguments)
        command += " " + Quoted(argument);
    command += " 2>" + Quoted(errPath) + " " + output;

    ToolRun run;
    FILE *pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.Out.append(buffer, count);
    const int status = pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    run.Err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    unlink(errPath);
    return run;
}

std::vector<std::vector<std::string>> TsvCells(const std::string &text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

// Lines of `text` from `first` up to the first empty line.
std::vector<std::string> LinesFrom(const std::string &text, size_t first)
{
    std::istringstream stream(text.substr(first));
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line) && !line.empty();)
        lines.push_back(line);
    return lines;
}

const std::vector<std::string> Dollars = {"--currency-symbol", "$"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string> &more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(ChartTool, TsvPrintsTheTwelveRowsOfEightCellsAsHeld)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "100000", "30", "8.75"}));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    const auto cells = TsvCells(run.Out);
    ASSERT_EQ(cells.size(), 12u);
    for (const auto &row : cells)
        ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(cells[0][0], " Amount/Rate");
    EXPECT_EQ(cells[0][1], "  8%");
    EXPECT_EQ(cells[0][7], "  9.5%");
    EXPECT_EQ(cells[1][0], " $95,000.00");
    EXPECT_EQ(cells[6][4], " $786.70");
    EXPECT_EQ(cells[1][1], " $697.08");
    EXPECT_EQ(cells[11][7], " $882.90");
}

TEST(ChartTool, AlignedTableHasEqualLinesWithTheSameTexts)
{
    const ToolRun run = RunTool(With(Dollars, {"100000", "30", "8.75"}));
    EXPECT_EQ(run.Status, 0);
    std::istringstream lines(run.Out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 12u);
    for (const std::string &row : rows)
        EXPECT_EQ(row.size(), rows[0].size()) << row;
    EXPECT_NE(rows[6].find("$786.70"), std::string::npos);
    EXPECT_EQ(rows[0].rfind(" Amount/Rate", 0), 0u);
}

TEST(ChartTool, StepIndicesChooseTheSteps)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "100000", "30", "8.75", "8", "0"}));
    EXPECT_EQ(run.Status, 0);
    const auto cells = TsvCells(run.Out);
    EXPECT_EQ(cells[1][0], " $75,000.00");
    EXPECT_EQ(cells[0][1], "  8.45%");
}

TEST(ChartTool, CorrectedYearsAreReportedOnStandardError)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "100000", "0", "8.75"}));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "Years: 30\nThe number of years must be greater than 0.\n");
    EXPECT_EQ(TsvCells(run.Out)[6][4], " $786.70");
}

TEST(ChartTool, ArithmeticFailureKeepsThePartialChartAndExitsWithOne)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "100000", "30", "0.3", "3", "0"}));
    EXPECT_EQ(run.Status, 1);
    // On a terminal the message's line breaks are plain line feeds.
    EXPECT_EQ(run.Err, "The results of this calculation will be\ntoo large for your system to calculate.\n\n"
                       "Please try again with smaller numbers.\n");
    const auto cells = TsvCells(run.Out);
    EXPECT_EQ(cells[0][1], "  1.1369E-13%");
    EXPECT_EQ(cells[6][0], " $100,000.00");
    EXPECT_EQ(cells[6][4], ""); // the initial chart's empty payment
}

struct ArgumentFailure {
    const char *Name;
    std::vector<std::string> Arguments;
    const char *Message; // ArithmeticFailureMessage or OtherFailureMessage
    const char *Line;    // the tool's own line naming the argument
};

class ChartToolArgumentFailure : public testing::TestWithParam<ArgumentFailure> {};

// The failure's message, then a line that names the argument and the reason; the chart stays initial.
TEST_P(ChartToolArgumentFailure, NamesTheArgumentAndTheReason)
{
    const ToolRun run = RunTool(With(Dollars, GetParam().Arguments));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              WithPlainLineFeeds(GetParam().Message) + "\nquillmere-chart: " + GetParam().Line + "\n");
    EXPECT_EQ(TsvCells(run.Out)[1][0], InitialPaymentChart().Cell(0, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ChartToolArgumentFailure,
    testing::Values(
        ArgumentFailure{"LoanText",
                        {"--tsv", "abc", "30", "8"},
                        OtherFailureMessage,
                        "the loan amount 'abc' is not a number"},
        ArgumentFailure{"YearsFraction",
                        {"--tsv", "100000", "2.5", "8"},
                        OtherFailureMessage,
                        "the number of years '2.5' is not a whole number from -2147483648 to 178956970"},
        ArgumentFailure{"RateText",
                        {"--tsv", "100000", "30", "8%"},
                        OtherFailureMessage,
                        "the interest rate '8%' is not a number"},
        ArgumentFailure{"LoanBeyondTheDoubleRange",
                        {"--tsv", "1e400", "30", "8"},
                        ArithmeticFailureMessage,
                        "the loan amount '1e400' is too large: the chart's numbers reach about 1.7E38"},
        ArgumentFailure{"RateBeyondReal6",
                        {"--tsv", "100000", "30", "-2e38"},
                        ArithmeticFailureMessage,
                        "the interest rate '-2e38' is too large: the chart's numbers reach about 1.7E38"}),
    [](const testing::TestParamInfo<ArgumentFailure> &info) { return std::string(info.param.Name); });

TEST(ChartTool, LocaleOverridesChangeTheTextsAndTheReading)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "--decimal-separator", ",", "--thousands-separator=.",
                                               "--negative-currency-format", "1", "1000", "30", "8,75"}));
    EXPECT_EQ(run.Status, 0);
    const auto cells = TsvCells(run.Out);
    EXPECT_EQ(cells[0][4], "  8,75%");
    EXPECT_EQ(cells[1][0], " -$4.000,00");
    const ToolRun fullStop = RunTool(
        With(Dollars, {"--decimal-separator", ",", "--thousands-separator", ".", "1000", "30", "8.75"}));
    EXPECT_EQ(fullStop.Status, 1);
}

TEST(ChartTool, SystemLocaleGivesTheDefaults)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/test generates it)";
    std::setlocale(LC_ALL, "C");
    const ToolRun run = RunTool({"--tsv", "100000", "30", "8.75"}, "de_DE.UTF-8");
    EXPECT_EQ(run.Status, 1); // the full stop is not the decimal separator there
    const ToolRun comma = RunTool({"--tsv", "100000", "30", "8,75"}, "de_DE.UTF-8");
    EXPECT_EQ(comma.Status, 0);
    EXPECT_EQ(TsvCells(comma.Out)[6][0], " 100.000,00 €");
}

TEST(ChartTool, ALocaleThatCannotBeLoadedIsSaidAndTheChartStillPrinted)
{
    const ToolRun run = RunTool({"--tsv", "100000", "30", "8.75"}, "xx_XX.UTF-8");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "quillmere-chart: the locale \"xx_XX.UTF-8\" is not available; amounts are shown "
                       "without a currency symbol, with the C locale's separators\n");
    EXPECT_EQ(TsvCells(run.Out)[6][4], " 786.70");
}

TEST(ChartTool, HelpExplainsAndSucceeds)
{
    const ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out.rfind("Usage: quillmere-chart", 0), 0u);
    for (const char *option : {"--tsv", "--currency-symbol", "--currency-format",
                               "--negative-currency-format", "--thousands-separator", "--decimal-separator",
                               "--extra-monthly", "--extra-from", "--extra ", "--start"})
        EXPECT_NE(run.Out.find(option), std::string::npos) << option;
}

// The long options a text names. The manual page's troff writes each hyphen as "\-".
std::set<std::string> LongOptions(std::string text)
{
    for (size_t at; (at = text.find("\\-")) != std::string::npos;)
        text.erase(at, 1);
    const std::regex option("--[a-z]+(-[a-z]+)*");
    std::set<std::string> options;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), option); match != std::sregex_iterator();
         ++match)
        options.insert(match->str());
    return options;
}

// The manual page is written by hand; it must describe the options the tool has, no fewer, no more.
TEST(ChartTool, ManualPageDescribesTheOptionsOfTheHelp)
{
    std::ifstream file(QUILLMERE_CHART_MANUAL);
    ASSERT_TRUE(file) << QUILLMERE_CHART_MANUAL;
    const std::string manual{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::set<std::string> helpOptions = LongOptions(RunTool({"--help"}).Out);
    EXPECT_TRUE(helpOptions.contains("--negative-currency-format"));
    EXPECT_EQ(LongOptions(manual), helpOptions);
}

class ChartToolUsageError : public testing::TestWithParam<std::vector<std::string>> {};

const std::string HelpPointer = "Try 'quillmere-chart --help' for more information.\n";

// The message on one line, then where to read the usage, as command-line tools do.
TEST_P(ChartToolUsageError, ExitsWithTwoAndPointsToTheHelp)
{
    const ToolRun run = RunTool(GetParam());
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.starts_with("quillmere-chart: ")) << run.Err;
    EXPECT_TRUE(run.Err.ends_with("\n" + HelpPointer)) << run.Err;
    EXPECT_EQ(std::ranges::count(run.Err, '\n'), 2) << run.Err;
    EXPECT_EQ(run.Out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ChartToolUsageError,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"100000", "30"},
                    std::vector<std::string>{"100000", "30", "8.75", "3"},
                    std::vector<std::string>{"100000", "30", "8.75", "9", "3"},
                    std::vector<std::string>{"100000", "30", "8.75", "3", "x"},
                    std::vector<std::string>{"--bogus", "100000", "30", "8.75"},
                    std::vector<std::string>{"--currency-format", "4", "100000", "30", "8.75"},
                    std::vector<std::string>{"--decimal-separator", "ab", "100000", "30", "8.75"},
                    std::vector<std::string>{"--thousands-separator", "\x80\x80", "100000", "30", "8.75"},
                    // Separators a number contains, or the same one twice (the C locale's are , and .).
                    std::vector<std::string>{"--decimal-separator", "5", "100000", "30", "8.75"},
                    std::vector<std::string>{"--thousands-separator", " ", "100000", "30", "8.75"},
                    std::vector<std::string>{"--decimal-separator", "-", "100000", "30", "8.75"},
                    std::vector<std::string>{"--thousands-separator", "E", "100000", "30", "8.75"},
                    std::vector<std::string>{"--decimal-separator=;", "--thousands-separator=;", "1", "30",
                                             "8"},
                    std::vector<std::string>{"--decimal-separator", ",", "100000", "30", "8,75"},
                    std::vector<std::string>{"--thousands-separator", ".", "100000", "30", "8.75"},
                    std::vector<std::string>{"100000", "30", "8.75", "--currency-symbol"},
                    std::vector<std::string>{"--yearly", "100000", "30", "8.75"},
                    std::vector<std::string>{"--schedule", "100000", "30", "8.75"},
                    std::vector<std::string>{"--schedule", "0", "6", "100000", "30", "8.75"}),
    [](const testing::TestParamInfo<std::vector<std::string>> &info) {
        return "Case" + std::to_string(info.index);
    });

// A schedule without extras or dates, its first and last lines exactly as the tool prints them.
struct PlainScheduleOutput {
    const char *Name;
    std::vector<std::string> Arguments;
    size_t LineCount;
    std::string Head;
    std::string Tail;
};

void PrintTo(const PlainScheduleOutput &output, std::ostream *os)
{
    *os << output.Name;
}

class ChartToolPlainSchedule : public testing::TestWithParam<PlainScheduleOutput> {};

TEST_P(ChartToolPlainSchedule, PrintsTheseTexts)
{
    const PlainScheduleOutput &expected = GetParam();
    const ToolRun run = RunTool(With(Dollars, expected.Arguments));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(std::ranges::count(run.Out, '\n'), static_cast<std::ptrdiff_t>(expected.LineCount));
    EXPECT_TRUE(run.Out.starts_with(expected.Head)) << run.Out.substr(0, 600);
    EXPECT_TRUE(run.Out.ends_with(expected.Tail))
        << run.Out.substr(run.Out.size() - std::min<size_t>(run.Out.size(), 400));
}

// The entered cell of the default chart, a loan that a rounded payment repays a month into its
// last year, and a one-year term at a high rate.
INSTANTIATE_TEST_SUITE_P(
    Cells, ChartToolPlainSchedule,
    testing::Values(
        PlainScheduleOutput{"EnteredCellAligned",
                            {"--schedule", "4", "6", "100000", "30", "8.75"},
                            370,
                            "Loan: $100,000.00\nRate: 8.75%\nTerm: 30 years\nMonthly payment: $786.70\n"
                            "Number of payments: 360\n\n"
                            "No.  Payment  Interest  Principal     Balance\n"
                            "1    $786.70   $729.17     $57.53  $99,942.47\n",
                            "360  $787.67     $5.70    $781.97       $0.00\n\n"
                            "Total of payments: $283,212.97\nTotal interest: $183,212.97\n"},
        PlainScheduleOutput{"EnteredCellTsv",
                            {"--schedule", "--tsv", "4", "6", "100000", "30", "8.75"},
                            361,
                            "No.\tPayment\tInterest\tPrincipal\tBalance\n"
                            "1\t$786.70\t$729.17\t$57.53\t$99,942.47\n",
                            "359\t$786.70\t$11.36\t$775.34\t$781.97\n360\t$787.67\t$5.70\t$781.97\t$0.00\n"},
        PlainScheduleOutput{"PartialLastYearAligned",
                            {"--schedule", "--yearly", "4", "6", "10000", "100", "8.75"},
                            111,
                            "Loan: $10,000.00\nRate: 8.75%\nTerm: 100 years\nMonthly payment: $72.93\n"
                            "Number of payments: 1189\nPaid off after 1,189 payments\n\n"
                            "Year           Payment  Interest  Principal    Balance\n"
                            "1              $875.16   $875.04      $0.12  $9,999.88\n",
                            "100 (1 month)   $55.61     $0.40     $55.21      $0.00\n\n"
                            "Total of payments: $86,696.45\nTotal interest: $76,696.45\n"},
        PlainScheduleOutput{
            "PartialLastYearTsv",
            {"--schedule", "--yearly", "--tsv", "4", "6", "10000", "100", "8.75"},
            101,
            "Year\tPayment\tInterest\tPrincipal\tBalance\n1\t$875.16\t$875.04\t$0.12\t$9,999.88\n",
            "99\t$875.16\t$44.72\t$830.44\t$55.21\n100 (1 month)\t$55.61\t$0.40\t$55.21\t$0.00\n"},
        PlainScheduleOutput{"OneYearHighRateAligned",
                            {"--schedule", "--yearly", "4", "6", "5000", "1", "24"},
                            11,
                            "Loan: $5,000.00\nRate: 24%\nTerm: 1 year\nMonthly payment: $472.80\n"
                            "Number of payments: 12\n\n",
                            "Year    Payment  Interest  Principal  Balance\n"
                            "1     $5,673.58   $673.58  $5,000.00    $0.00\n\n"
                            "Total of payments: $5,673.58\nTotal interest: $673.58\n"},
        PlainScheduleOutput{
            "OneYearHighRateTsv",
            {"--schedule", "--tsv", "4", "6", "5000", "1", "24"},
            13,
            "No.\tPayment\tInterest\tPrincipal\tBalance\n1\t$472.80\t$100.00\t$372.80\t$4,627.20\n",
            "11\t$472.80\t$18.36\t$454.44\t$463.51\n12\t$472.78\t$9.27\t$463.51\t$0.00\n"}),
    [](const testing::TestParamInfo<PlainScheduleOutput> &info) { return std::string(info.param.Name); });

TEST(ChartTool, CellWithoutAScheduleSaysWhyAndExitsWithOne)
{
    const ToolRun run = RunTool(With(Dollars, {"--schedule", "4", "6", "0", "30", "8.75"}));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("loan amount above 0"), std::string::npos) << run.Err;
}

struct UnwritableOutput {
    const char *Name;
    const char *Redirection;
    const char *Reason;
};

class ChartToolUnwritableOutput : public testing::TestWithParam<UnwritableOutput> {};

// Output that was not written is a failure that says why, whatever was being printed.
TEST_P(ChartToolUnwritableOutput, ExitsWithOneAndSaysWhy)
{
    for (const std::vector<std::string> &arguments :
         {std::vector<std::string>{"100000", "30", "8.75"},
          {"--tsv", "100000", "30", "8.75"},
          {"--schedule", "4", "6", "100000", "30", "8.75"},
          {"--schedule", "--tsv", "4", "6", "100000", "30", "8.75"},
          {"--schedule", "--start", "2024-03", "4", "6", "100000", "30", "8.75"},
          {"--schedule", "--tsv", "--extra-monthly", "100", "4", "6", "100000", "30", "8.75"},
          {"--help"}}) {
        const ToolRun run = RunTool(With(Dollars, arguments), "C", GetParam().Redirection);
        EXPECT_EQ(run.Status, 1) << testing::PrintToString(arguments);
        EXPECT_EQ(run.Err,
                  std::string("quillmere-chart: cannot write the output: ") + GetParam().Reason + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, ChartToolUnwritableOutput,
    testing::Values(UnwritableOutput{"FullDevice", ">/dev/full", "No space left on device"},
                    UnwritableOutput{"Closed", ">&-", "Bad file descriptor"}),
    [](const testing::TestParamInfo<UnwritableOutput> &info) { return std::string(info.param.Name); });

TEST(ChartTool, NegativeNumbersAreNotOptions)
{
    const ToolRun run = RunTool(With(Dollars, {"--tsv", "-100000", "-5", "8.75"}));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "Years: 30\nThe number of years must be greater than 0.\n");
    EXPECT_EQ(TsvCells(run.Out)[6][0], " ($100,000.00)");
}

const std::vector<std::string> WhatIfCell = {"--schedule", "4", "6", "100000", "30", "8.75"};

// 100,000.00 at 8.75 % over 30 years (786.70 a month) with 100.00 more every month and 5,000.00 +
// 2,500.00 with payment 12, from March 2024. The figures come from a separate integer implementation
// of the schedule's arithmetic in Python (fractions for the rate, rounding half away from zero by hand).
TEST(ChartTool, WhatIfScheduleShowsDatesExtrasAndSavingsAlike)
{
    const std::vector<std::string> whatIf = {"--extra-monthly", "100",     "--extra", "5000@12",
                                             "--extra",         "2500@12", "--start", "2024-03"};
    const ToolRun tsv = RunTool(With(With(Dollars, WhatIfCell), With({"--tsv"}, whatIf)));
    EXPECT_EQ(tsv.Status, 0);
    EXPECT_EQ(tsv.Err, "");
    const auto cells = TsvCells(tsv.Out);
    ASSERT_EQ(cells.size(), 1 + 200 + 1 + 6u);
    EXPECT_EQ(cells[0], (std::vector<std::string>{"No.", "Date", "Payment", "Extra", "Interest", "Principal",
                                                  "Balance"}));
    EXPECT_EQ(cells[1], (std::vector<std::string>{"1", "2024-03", "$786.70", "$100.00", "$729.17", "$157.53",
                                                  "$99,842.47"}));
    EXPECT_EQ(cells[12], (std::vector<std::string>{"12", "2025-02", "$786.70", "$7,600.00", "$716.06",
                                                   "$7,670.64", "$90,531.93"}));
    EXPECT_EQ(cells[200],
              (std::vector<std::string>{"200", "2040-10", "$714.81", "$0.00", "$5.17", "$709.64", "$0.00"}));
    EXPECT_EQ(cells[201], (std::vector<std::string>{""}));
    const std::vector<std::vector<std::string>> figures = {
        {"Total of payments", "$157,268.11"},
        {"Total interest", "$84,668.11"},
        {"Total of extras", "$27,400.00"},
        {"Interest saved", "$98,544.86"},
        {"Paid off", "160 payments (13 years 4 months) sooner"},
        {"Payoff date", "2040-10"}};
    EXPECT_EQ(std::vector(cells.begin() + 202, cells.end()), figures);

    // The aligned table has the same cells and is followed by the same figures; under the terms, the
    // extras and dates it was made with and when its rows pay the loan off.
    const ToolRun aligned = RunTool(With(With(Dollars, WhatIfCell), whatIf));
    EXPECT_EQ(aligned.Status, 0);
    EXPECT_NE(aligned.Out.find("\nNumber of payments: 360\nExtra each month $100.00 from payment 1; one-time "
                               "$5,000.00 at payment 12; one-time $2,500.00 at payment 12; first payment "
                               "March 2024\nPaid off after 200 payments\n\n"),
              std::string::npos)
        << aligned.Out;
    const size_t table = aligned.Out.find("\n\n") + 2;
    const std::vector<std::string> rows = LinesFrom(aligned.Out, table);
    ASSERT_EQ(rows.size(), 201u);
    std::istringstream row12(rows[12]);
    EXPECT_EQ(std::vector<std::string>(std::istream_iterator<std::string>(row12), {}), cells[12]);
    const std::vector<std::string> totals = LinesFrom(aligned.Out, aligned.Out.find("\n\n", table) + 2);
    ASSERT_EQ(totals.size(), figures.size());
    for (size_t i = 0; i < figures.size(); ++i)
        EXPECT_EQ(totals[i], figures[i][0] + ": " + figures[i][1]);
}

TEST(ChartTool, WhatIfYearsAreCalendarYearsFromTheStart)
{
    const ToolRun run =
        RunTool(With(With(Dollars, WhatIfCell), {"--tsv", "--yearly", "--extra-monthly", "100",
                                                 "--extra-from", "10", "--start", "2024-03"}));
    EXPECT_EQ(run.Status, 0);
    const auto cells = TsvCells(run.Out);
    EXPECT_EQ(cells[0][0], "Year");
    // March to December 2024: ten payments of 786.70, the last of them with 100.00 more.
    EXPECT_EQ(cells[1][0], "2024 (10 months)");
    EXPECT_EQ(cells[1][1], "2024-03 to 2024-12");
    EXPECT_EQ(cells[1][2], "$7,867.00");
    EXPECT_EQ(cells[1][3], "$100.00");
    EXPECT_EQ(cells[2][0], "2025");
    EXPECT_EQ(cells[2][1], "2025-01 to 2025-12");
    EXPECT_EQ(cells[2][3], "$1,200.00");
}

struct WhatIfUsage {
    const char *Name;
    std::vector<std::string> Arguments;
    const char *Named; // what the message names
};

class ChartToolWhatIfUsageError : public testing::TestWithParam<WhatIfUsage> {};

TEST_P(ChartToolWhatIfUsageError, ExitsWithTwoNamingTheArgument)
{
    const ToolRun run = RunTool(With(With(Dollars, WhatIfCell), GetParam().Arguments));
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.rfind("quillmere-chart: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find(GetParam().Named), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ChartToolWhatIfUsageError,
    testing::Values(
        WhatIfUsage{"NegativeMonthly", {"--extra-monthly", "-5"}, "--extra-monthly must"},
        WhatIfUsage{"TextMonthly", {"--extra-monthly=ten"}, "'ten'"},
        WhatIfUsage{"MonthlyBeyondCents", {"--extra-monthly", "92233720368547758.08"}, "--extra-monthly"},
        WhatIfUsage{"FractionOfACent", {"--extra", "0.001@2"}, "--extra '0.001@2'"},
        WhatIfUsage{"NoMonth", {"--extra", "100"}, "--extra must be AMOUNT@MONTH"},
        WhatIfUsage{"MonthZero", {"--extra", "100@0"}, "--extra '100@0'"},
        WhatIfUsage{"MonthAfterTheTerm", {"--extra", "100@361"}, "--extra '100@361' must be from 1 to 360"},
        WhatIfUsage{"FromAfterTheTerm",
                    {"--extra-monthly", "100", "--extra-from", "361"},
                    "--extra-from must be from 1 to 360, the term's last payment, not '361'"},
        WhatIfUsage{"FromZero", {"--extra-monthly", "1", "--extra-from", "0"}, "--extra-from"},
        WhatIfUsage{"FromWithoutMonthly", {"--extra-from", "2"}, "--extra-from needs --extra-monthly"},
        WhatIfUsage{"MonthThirteen", {"--start", "2024-13"}, "--start must be"},
        WhatIfUsage{"ShortYear", {"--start", "24-03"}, "'24-03'"}),
    [](const testing::TestParamInfo<WhatIfUsage> &info) { return std::string(info.param.Name); });

struct MissingValue {
    const char *Name;
    std::vector<std::string> Arguments;
    const char *Message;
};

class ChartToolMissingValue : public testing::TestWithParam<MissingValue> {};

TEST_P(ChartToolMissingValue, NamesTheOption)
{
    const ToolRun run = RunTool(GetParam().Arguments);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, std::string("quillmere-chart: ") + GetParam().Message + "\n" + HelpPointer);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ChartToolMissingValue,
    testing::Values(
        MissingValue{"AtTheEnd",
                     {"--schedule", "4", "6", "100000", "30", "8.75", "--extra-monthly"},
                     "--extra-monthly needs a value"},
        MissingValue{
            "BeforeAnOption",
            {"--schedule", "--extra-monthly", "--start", "2024-03", "4", "6", "100000", "30", "8.75"},
            "--extra-monthly needs a value"},
        MissingValue{
            "BeforeTheNumbers",
            {"--schedule", "--extra-monthly", "4", "6", "100000", "30", "8.75"},
            "expected COLUMN ROW LOAN YEARS RATE and optionally LOAN_STEP_INDEX RATE_STEP_INDEX, one "
            "more number than given: did --extra-monthly take '4' as its value?"},
        MissingValue{"NoNumberTaken",
                     {"--currency-symbol", "$", "100000", "30"},
                     "expected LOAN YEARS RATE and optionally LOAN_STEP_INDEX RATE_STEP_INDEX"}),
    [](const testing::TestParamInfo<MissingValue> &info) { return std::string(info.param.Name); });

TEST(ChartTool, WhatIfNeedsTheSchedule)
{
    const ToolRun run = RunTool(With(Dollars, {"--start", "2024-03", "100000", "30", "8.75"}));
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("need --schedule"), std::string::npos) << run.Err;
}

} // namespace
