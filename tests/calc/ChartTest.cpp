#include "calc/Chart.h"

#include "calc/Errors.h"
#include "calc/Format.h"
#include "calc/Payment.h"
#include "tests/support/CalcValuePrinters.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <typeinfo>
#include <vector>

namespace {

// A window stand-in: fixed field values and a log of every call in order.
class RecordingHost : public ChartHost {
public:
    double Loan = 100000;
    double Years = 30;
    double Rate = 8.75;
    int LoanStepIndex = 3;
    int RateStepIndex = 3;
    bool RateTextIsJunk = false;

    std::vector<std::string> Log;
    std::vector<std::string> Messages;
    std::optional<double> WrittenYears;

    double ReadLoanValue() override { return Read("ReadLoanValue", Loan); }
    double ReadYearsValue() override { return Read("ReadYearsValue", Years); }
    void WriteYearsValue(double years) override
    {
        Log.push_back("WriteYearsValue " + FormatGeneral(years, 15, LocaleValues()));
        WrittenYears = years;
    }
    double ReadRateValue() override
    {
        if (RateTextIsJunk)
            throw ConversionError("'junk' is not a valid floating point value");
        return Read("ReadRateValue", Rate);
    }
    int ReadLoanStepIndex() override { return static_cast<int>(Read("ReadLoanStepIndex", LoanStepIndex)); }
    int ReadRateStepIndex() override { return static_cast<int>(Read("ReadRateStepIndex", RateStepIndex)); }
    void ShowInformation(const std::string &message) override
    {
        Log.push_back("ShowInformation");
        Messages.push_back(message);
    }

private:
    double Read(const char *name, double value)
    {
        Log.push_back(name);
        return value;
    }
};

LocaleValues Dollars()
{
    return {"$", 0, 0, ",", "."};
}

// One run as the window makes it: the inputs read through the host, then the chart built into
// `chart`, which starts as the initial chart, in the dollar settings unless a test changes them.
class PaymentTable : public testing::Test {
protected:
    void Calculate()
    {
        const ChartInputs inputs = ReadChartInputs(host);
        BuildPaymentChart(inputs, locale, chart);
    }

    RecordingHost host;
    LocaleValues locale = Dollars();
    PaymentChart chart = InitialPaymentChart();
};

std::vector<std::string> RateHeadings(const PaymentChart &chart)
{
    std::vector<std::string> texts;
    for (int column = 1; column < PaymentChart::ColumnCount; ++column)
        texts.push_back(chart.Cell(column, 0));
    return texts;
}

std::vector<std::string> AmountHeadings(const PaymentChart &chart)
{
    std::vector<std::string> texts;
    for (int row = 1; row < PaymentChart::RowCount; ++row)
        texts.push_back(chart.Cell(0, row));
    return texts;
}

TEST_F(PaymentTable, DefaultInputsGiveTheDefaultChart)
{
    Calculate();
    EXPECT_EQ(RateHeadings(chart), (std::vector<std::string>{"  8%", "  8.25%", "  8.5%", "  8.75%", "  9%",
                                                             "  9.25%", "  9.5%"}));
    EXPECT_EQ(AmountHeadings(chart),
              (std::vector<std::string>{" $95,000.00", " $96,000.00", " $97,000.00", " $98,000.00",
                                        " $99,000.00", " $100,000.00", " $101,000.00", " $102,000.00",
                                        " $103,000.00", " $104,000.00", " $105,000.00"}));
    EXPECT_EQ(chart.Cell(4, 6), " $786.70");
    EXPECT_EQ(chart.Cell(1, 1), " $697.08");
    EXPECT_EQ(chart.Cell(7, 11), " $882.90");
    EXPECT_EQ(chart.Cell(1, 11), " $770.45");
    EXPECT_EQ(chart.Cell(7, 1), " $798.81");
    EXPECT_EQ(chart.Cell(0, 0), " Amount/Rate");
    EXPECT_EQ(chart.Header(), (ChartHeader{100000, 8.75, 30}));
}

// Every payment agrees to the cent with the annuity formula in double precision: catches a swapped
// row or column, a wrong step or a wrong rate conversion anywhere in the chart.
TEST_F(PaymentTable, EveryCellMatchesTheAnnuityFormula)
{
    host.Loan = 250000;
    host.Rate = 6.5;
    host.Years = 15;
    host.LoanStepIndex = 7;
    host.RateStepIndex = 4;
    Calculate();
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 1; row < PaymentChart::RowCount; ++row) {
            const double amount = 250000 + (row - 6) * 4000.0;
            const double i = (6.5 + (column - 4) * 0.333) / 1200;
            const double payment = amount * i / (1 - std::pow(1 + i, -180.0));
            EXPECT_EQ(chart.Cell(column, row), " " + FormatCurrency(payment, locale)) << column << "," << row;
        }
    }
}

TEST_F(PaymentTable, ReadsTheInputsInOrder)
{
    Calculate();
    EXPECT_EQ(host.Log, (std::vector<std::string>{"ReadLoanValue", "ReadYearsValue", "ReadRateValue",
                                                  "ReadLoanStepIndex", "ReadRateStepIndex"}));
}

TEST_F(PaymentTable, ZeroRateColumnDividesStraight)
{
    host.Rate = 0.75;
    Calculate();
    EXPECT_EQ(chart.Cell(1, 0), "  0%");
    EXPECT_EQ(chart.Cell(1, 6), " $277.78");
}

TEST_F(PaymentTable, NegativeRateColumnsAreStillComputed)
{
    host.Rate = 0.25;
    Calculate();
    EXPECT_EQ(chart.Cell(1, 0), "  -0.5%");
    EXPECT_EQ(chart.Cell(2, 0), "  -0.25%");
    EXPECT_EQ(chart.Cell(1, 6), " $257.41");
    EXPECT_EQ(chart.Cell(2, 6), " $267.46");
}

TEST_F(PaymentTable, NegativeAmountRowsHaveNegativePayments)
{
    host.Loan = 1000;
    host.Rate = 8;
    Calculate();
    EXPECT_EQ(AmountHeadings(chart)[0], " ($4,000.00)");
    EXPECT_EQ(AmountHeadings(chart)[3], " ($1,000.00)");
    EXPECT_EQ(AmountHeadings(chart)[4], " $0.00");
    for (int column = 1; column < PaymentChart::ColumnCount; ++column)
        EXPECT_EQ(chart.Cell(column, 5), " $0.00") << column;
    EXPECT_EQ(chart.Cell(1, 1), " ($27.29)");
}

struct RemainderCase {
    double Rate;
    int RateStepIndex;
    const char *Heading;
};

void PrintTo(const RemainderCase &c, std::ostream *os)
{
    *os << c.Rate << " step " << c.RateStepIndex;
}

class PaymentTableRemainder : public PaymentTable, public testing::WithParamInterface<RemainderCase> {};

// A column rate that misses zero by a rounding remainder fails in its first payment: the headings are
// already new, the payments keep the texts of the run before.
TEST_P(PaymentTableRemainder, FailsWithDivisionByZeroKeepingThePartialChart)
{
    Calculate();
    const PaymentChart before = chart;
    host.Loan = 200000;
    host.Rate = GetParam().Rate;
    host.RateStepIndex = GetParam().RateStepIndex;

    EXPECT_THROW(Calculate(), DivisionByZeroError);
    EXPECT_EQ(chart.Cell(1, 0), GetParam().Heading);
    EXPECT_EQ(AmountHeadings(chart),
              (std::vector<std::string>{" $195,000.00", " $196,000.00", " $197,000.00", " $198,000.00",
                                        " $199,000.00", " $200,000.00", " $201,000.00", " $202,000.00",
                                        " $203,000.00", " $204,000.00", " $205,000.00"}));
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 1; row < PaymentChart::RowCount; ++row)
            EXPECT_EQ(chart.Cell(column, row), before.Cell(column, row)) << column << "," << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, PaymentTableRemainder,
                         testing::Values(RemainderCase{0.3, 0, "  1.1369E-13%"},
                                         RemainderCase{0.6, 2, "  2.2737E-13%"},
                                         RemainderCase{0.999, 4, "  -4.5475E-13%"}),
                         [](const testing::TestParamInfo<RemainderCase> &info) {
                             return "Case" + std::to_string(info.index);
                         });

// 0.3 - 3 x 0.1000000000000227 (the step 0.10 held as Real6) at Real6 precision.
TEST_F(PaymentTable, ColumnRateThatMissesZeroIsTheStepsRoundingRemainder)
{
    host.Rate = 0.3;
    host.RateStepIndex = 0;
    const ChartAxes axes = ChartAxesOf(ReadChartInputs(host));
    EXPECT_EQ(FormatGeneral(axes.Rates[1].ToExtended(), 17, locale), "1.1368683772161603E-13");
}

class PaymentTableYearsCorrected : public PaymentTable, public testing::WithParamInterface<double> {};

TEST_P(PaymentTableYearsCorrected, WritesThirtyShowsTheMessageAndUses360Months)
{
    host.Years = GetParam();
    Calculate();
    ASSERT_TRUE(host.WrittenYears.has_value());
    EXPECT_EQ(*host.WrittenYears, 30);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"The number of years must be greater than 0."});
    const std::vector<std::string> start(host.Log.begin(), host.Log.begin() + 5);
    EXPECT_EQ(start, (std::vector<std::string>{"ReadLoanValue", "ReadYearsValue", "WriteYearsValue 30",
                                               "ShowInformation", "ReadRateValue"}));
    EXPECT_EQ(chart.Cell(4, 6), " $786.70");
    EXPECT_EQ(chart.Header().Years, 30);
}

INSTANTIATE_TEST_SUITE_P(Years, PaymentTableYearsCorrected, testing::Values(0.0, -0.0, -5.0, -2147483648.0),
                         [](const testing::TestParamInfo<double> &info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(PaymentTable, OneYear)
{
    host.Years = 1;
    Calculate();
    EXPECT_EQ(chart.Cell(4, 6), " $8,733.56");
    EXPECT_FALSE(host.WrittenYears.has_value());
}

// The largest count whose months still fit 32 bits: the discount factor vanishes, interest only.
TEST_F(PaymentTable, LargestYearCountStillComputes)
{
    host.Years = MaximumYears;
    Calculate();
    EXPECT_EQ(chart.Cell(4, 6), " $729.17");
}

class PaymentTableYearsRejected : public PaymentTable, public testing::WithParamInterface<double> {};

TEST_P(PaymentTableYearsRejected, AsAConversionErrorBeforeAnythingIsWritten)
{
    host.Years = GetParam();
    EXPECT_THROW(Calculate(), ConversionError);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"ReadLoanValue", "ReadYearsValue"}));
    EXPECT_EQ(chart, InitialPaymentChart());
}

INSTANTIATE_TEST_SUITE_P(Years, PaymentTableYearsRejected,
                         testing::Values(2.5, MaximumYears + 1.0, 3e9, -2147483649.0, 1e300,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity()),
                         [](const testing::TestParamInfo<double> &info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(PaymentTable, LargeAmounts)
{
    host.Loan = 123456789.12;
    Calculate();
    EXPECT_EQ(chart.Cell(0, 6), " $123,456,789.10");
    host.Loan = 12345678901.23;
    Calculate();
    EXPECT_EQ(chart.Cell(0, 6), " 1.23456789E10");
}

struct ShownValueCase {
    const char *Name;
    double Loan;
    double Rate;
    int Column;
    int Row;
    const char *Text;
    Decimal Value; // what the text shows, the ten-digit rounding of the currency layout included
};

class PaymentTableShownValue : public PaymentTable, public testing::WithParamInterface<ShownValueCase> {};

TEST_P(PaymentTableShownValue, IsTheValueTheTextShows)
{
    host.Loan = GetParam().Loan;
    host.Rate = GetParam().Rate;
    Calculate();
    EXPECT_EQ(chart.Cell(GetParam().Column, GetParam().Row), GetParam().Text);
    EXPECT_EQ(chart.Value(GetParam().Column, GetParam().Row), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PaymentTableShownValue,
    testing::Values(
        ShownValueCase{"Rate", 100000, 8.75, 4, 0, "  8.75%", {875, -2}},
        ShownValueCase{"ScientificRate", 100000, 1e-5, 4, 0, "  1E-5%", {1, -5}},
        ShownValueCase{"Amount", 100000, 8.75, 0, 6, " $100,000.00", {1, 5}},
        ShownValueCase{"TenDigitAmount", 123456789.12, 8.75, 0, 6, " $123,456,789.10", {1234567891, -1}},
        ShownValueCase{"ScientificAmount", 12345678901.23, 8.75, 0, 6, " 1.23456789E10", {123456789, 2}},
        ShownValueCase{"Payment", 100000, 8.75, 4, 6, " $786.70", {7867, -1}},
        ShownValueCase{"NegativePayment", 1000, 8, 1, 1, " ($27.29)", {-2729, -2}},
        ShownValueCase{"ZeroPayment", 1000, 8, 1, 5, " $0.00", {0, 0}}),
    [](const testing::TestParamInfo<ShownValueCase> &info) { return std::string(info.param.Name); });

TEST_F(PaymentTable, CommaDecimalLocaleChangesOnlyTheTexts)
{
    locale = {"$", 0, 0, ".", ","};
    Calculate();
    EXPECT_EQ(chart.Cell(4, 0), "  8,75%");
    EXPECT_EQ(chart.Cell(0, 6), " $100.000,00");
    EXPECT_EQ(chart.Cell(4, 6), " $786,70");
}

TEST_F(PaymentTable, AmountBeyondReal6FailsBeforeTheYearsAreRead)
{
    host.Loan = 1e39;
    EXPECT_THROW(Calculate(), OverflowError);
    EXPECT_EQ(host.Log, std::vector<std::string>{"ReadLoanValue"});
}

TEST_F(PaymentTable, RateBeyondReal6FailsAfterTheYearsCorrection)
{
    host.Rate = -2e38;
    host.Years = 0;
    EXPECT_THROW(Calculate(), OverflowError);
    EXPECT_EQ(host.WrittenYears, 30);
    EXPECT_EQ(chart, InitialPaymentChart());
}

TEST_F(PaymentTable, RateTextThatIsNotANumberEndsTheRun)
{
    host.RateTextIsJunk = true;
    EXPECT_THROW(Calculate(), ConversionError);
    EXPECT_EQ(chart, InitialPaymentChart());
}

TEST_F(PaymentTable, StepIndexOutsideTheGroupEndsTheRunBeforeAnyCell)
{
    host.LoanStepIndex = -1;
    EXPECT_THROW(Calculate(), std::out_of_range);
    host.LoanStepIndex = 3;
    host.RateStepIndex = 9;
    EXPECT_THROW(Calculate(), std::out_of_range);
    EXPECT_EQ(chart, InitialPaymentChart());
}

TEST_F(PaymentTable, RateColumnAtMinus1200PercentFails)
{
    host.RateStepIndex = 8;
    host.Rate = -1197;
    EXPECT_THROW(Calculate(), DivisionByZeroError); // column 1: 1 + i = 0
    host.Rate = -1198;
    EXPECT_THROW(Calculate(), InvalidOperationError); // column 1: 1 + i < 0
}

TEST_F(PaymentTable, PaymentBeyondReal6Overflows)
{
    host.Loan = 1.5e38;
    host.Rate = 2400;
    EXPECT_THROW(Calculate(), OverflowError);
    EXPECT_EQ(chart.Cell(4, 0), "  2400%");
    EXPECT_EQ(chart.Cell(0, 1), " 1.5E38");
    EXPECT_EQ(chart.Cell(1, 1), "");
}

// Inputs that reach every branch of the payment: zero, negative and tiny remainder rates, rates at
// and below -1200 %, huge amounts whose payments overflow, long terms whose discount factor vanishes.
ChartInputs RandomInputs(std::mt19937 &random)
{
    const auto pick = [&random](auto... values) {
        const double choices[] = {static_cast<double>(values)...};
        return choices[std::uniform_int_distribution<size_t>(0, sizeof...(values) - 1)(random)];
    };
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    ChartInputs inputs;
    inputs.LoanStepIndex = std::uniform_int_distribution<int>(0, 8)(random);
    inputs.RateStepIndex = std::uniform_int_distribution<int>(0, 8)(random);
    const double loan = pick(0, std::pow(10.0, uniform(-3, 12)), -std::pow(10.0, uniform(-3, 12)),
                             uniform(1e37, 1.6e38), 1000.0 * std::floor(uniform(-6, 6)));
    const double rate = pick(uniform(-2, 30), uniform(-1300, 3000), pick(0.3, 0.6, 0.999, 0.75, 0.25),
                             pick(-1197, -1198, -1196.5), std::round(uniform(-2, 3) * 8) / 8);
    inputs.LoanAmount = Real6::FromExtended(loan);
    inputs.AnnualRate = Real6::FromExtended(rate);
    inputs.Years = static_cast<std::int32_t>(
        pick(std::floor(uniform(1, 60)), std::floor(uniform(1, 1e6)), MaximumYears));
    return inputs;
}

// The value that the digits of a layout stand for, by a second way: from their text.
std::optional<Decimal> ValueOfDigits(const DecimalDigitsResult &d)
{
    if (d.Digits.empty())
        return Decimal{};
    const std::int64_t coefficient = std::stoll(d.Digits);
    return Decimal{d.Negative ? -coefficient : coefficient, d.Exponent - static_cast<int>(d.Digits.size())};
}

// Sharing a column's discount factor changes nothing: each chart equals the one whose payments are
// each computed by CalcPayment alone, up to the same cell, where the same failure ends both. Each
// payment's value is the one its digits show.
TEST(BuildPaymentChart, SharedDiscountFactorGivesThePaymentsComputedCellByCell)
{
    constexpr unsigned Seed = 20261207;
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 random(Seed);
    const LocaleValues locale = Dollars();
    int failedCharts = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const ChartInputs inputs = RandomInputs(random);
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        PaymentChart chart = InitialPaymentChart();
        std::string failure;
        try {
            BuildPaymentChart(inputs, locale, chart);
        } catch (const ArithmeticError &error) {
            failure = typeid(error).name();
        }

        const ChartAxes axes = ChartAxesOf(inputs);
        std::string expectedFailure;
        for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
            const Real6 monthlyRate = MonthlyRateOfAnnual(axes.Rates[column]);
            for (int row = 1; row < PaymentChart::RowCount; ++row) {
                std::string expected = InitialPaymentChart().Cell(column, row);
                std::optional<Decimal> expectedValue;
                try {
                    if (expectedFailure.empty()) {
                        const long double payment =
                            CalcPayment(axes.Amounts[row], monthlyRate, inputs.Months()).ToExtended();
                        expected = " " + FormatCurrency(payment, locale);
                        expectedValue = ValueOfDigits(DecimalDigits(payment, 10, 2));
                    }
                } catch (const ArithmeticError &error) {
                    expectedFailure = typeid(error).name();
                }
                ASSERT_EQ(chart.Cell(column, row), expected) << "cell " << column << ", " << row;
                ASSERT_EQ(chart.Value(column, row), expectedValue) << "cell " << column << ", " << row;
            }
        }
        ASSERT_EQ(failure, expectedFailure);
        failedCharts += failure.empty() ? 0 : 1;
    }
    EXPECT_GT(failedCharts, 300); // failing columns are well represented
}

TEST(InitialPaymentChart, HoldsTheFixedHeadingsAndEmptyPayments)
{
    const PaymentChart &chart = InitialPaymentChart();
    EXPECT_EQ(chart.Cell(0, 0), " Amount/Rate");
    EXPECT_EQ(chart.Cell(0, 1), " $95,000.00");
    EXPECT_EQ(chart.Cell(0, 11), " $105,000.00");
    EXPECT_EQ(chart.Cell(1, 0), "8.00%");
    EXPECT_EQ(chart.Cell(7, 0), "9.50%");
    for (int column = 1; column < PaymentChart::ColumnCount; ++column)
        for (int row = 1; row < PaymentChart::RowCount; ++row)
            EXPECT_EQ(chart.Cell(column, row), "") << column << "," << row;
}

TEST(PaymentChart, CellsOutsideTheChartAreRejected)
{
    PaymentChart chart;
    EXPECT_THROW(chart.SetCell(8, 0, "x"), std::out_of_range);
    EXPECT_THROW(static_cast<void>(chart.Cell(0, 12)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(chart.Cell(-1, 0)), std::out_of_range);
}

} // namespace
