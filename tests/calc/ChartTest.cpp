#include "Chart.h"

#include "Errors.h"
#include "Format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// A window stand-in: fixed field values, the chart as texts, and a log of every call in order.
class RecordingHost : public ChartHost {
public:
    double Loan = 100000;
    double Years = 30;
    double Rate = 8.75;
    int LoanStepIndex = 3;
    int RateStepIndex = 3;
    bool RateTextIsJunk = false;

    PaymentChart Chart = InitialPaymentChart();
    std::vector<std::string> Log;
    std::vector<std::string> Messages;
    std::optional<double> WrittenYears;
    bool PrintPreviewEnabled = false;

    double ReadLoanValue() override { return Read("ReadLoanValue", Loan); }
    double ReadYearsValue() override { return Read("ReadYearsValue", Years); }
    void WriteYearsValue(double years) override
    {
        Log.push_back("WriteYearsValue " + FormatGeneral(years, 15));
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
    void SetCellText(int column, int row, const std::string &text) override
    {
        Log.push_back("SetCellText " + std::to_string(column) + " " + std::to_string(row));
        Chart.SetCell(column, row, text);
    }
    void SelectCell(int column, int row) override
    {
        Log.push_back("SelectCell " + std::to_string(column) + " " + std::to_string(row));
    }
    void SetColumnColor(int column, Rgb color) override
    {
        Log.push_back("SetColumnColor " + Describe(column, color));
    }
    void SetRowColor(int row, Rgb color) override { Log.push_back("SetRowColor " + Describe(row, color)); }
    void EnablePrintPreview() override
    {
        Log.push_back("EnablePrintPreview");
        PrintPreviewEnabled = true;
    }

    size_t CellWrites() const
    {
        return static_cast<size_t>(std::count_if(Log.begin(), Log.end(), [](const std::string &entry) {
            return entry.starts_with("SetCellText");
        }));
    }

private:
    double Read(const char *name, double value)
    {
        Log.push_back(name);
        return value;
    }
    static std::string Describe(int index, Rgb color)
    {
        return std::to_string(index) + " " + std::to_string(color.Red) + "," + std::to_string(color.Green) +
               "," + std::to_string(color.Blue);
    }
};

// The chart's texts assume the dollar settings; each test starts from them.
class PaymentTable : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = CurrentLocaleValues();
        SetCurrentLocaleValues({"$", 0, 0, ",", "."});
    }
    void TearDown() override { SetCurrentLocaleValues(m_saved); }

    RecordingHost host;

private:
    LocaleValues m_saved;
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
    CalculatePaymentTable(host);
    EXPECT_EQ(RateHeadings(host.Chart), (std::vector<std::string>{"  8%", "  8.25%", "  8.5%", "  8.75%",
                                                                  "  9%", "  9.25%", "  9.5%"}));
    EXPECT_EQ(AmountHeadings(host.Chart),
              (std::vector<std::string>{" $95,000.00", " $96,000.00", " $97,000.00", " $98,000.00",
                                        " $99,000.00", " $100,000.00", " $101,000.00", " $102,000.00",
                                        " $103,000.00", " $104,000.00", " $105,000.00"}));
    EXPECT_EQ(host.Chart.Cell(4, 6), " $786.70");
    EXPECT_EQ(host.Chart.Cell(1, 1), " $697.08");
    EXPECT_EQ(host.Chart.Cell(7, 11), " $882.90");
    EXPECT_EQ(host.Chart.Cell(1, 11), " $770.45");
    EXPECT_EQ(host.Chart.Cell(7, 1), " $798.81");
    EXPECT_EQ(host.Chart.Cell(0, 0), " Amount/Rate");
    EXPECT_TRUE(host.PrintPreviewEnabled);
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
    CalculatePaymentTable(host);
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 1; row < PaymentChart::RowCount; ++row) {
            const double amount = 250000 + (row - 6) * 4000.0;
            const double i = (6.5 + (column - 4) * 0.333) / 1200;
            const double payment = amount * i / (1 - std::pow(1 + i, -180.0));
            EXPECT_EQ(host.Chart.Cell(column, row), " " + FormatCurrency(payment)) << column << "," << row;
        }
    }
}

TEST_F(PaymentTable, ReadsWritesAndHighlightsInTheExactOrder)
{
    CalculatePaymentTable(host);
    std::vector<std::string> expected = {"ReadLoanValue", "ReadYearsValue", "ReadRateValue",
                                         "ReadLoanStepIndex", "ReadRateStepIndex"};
    for (int column = 1; column <= 7; ++column)
        expected.push_back("SetCellText " + std::to_string(column) + " 0");
    for (int row = 1; row <= 11; ++row)
        expected.push_back("SetCellText 0 " + std::to_string(row));
    for (int column = 1; column <= 7; ++column) {
        for (int row = 1; row <= 11; ++row)
            expected.push_back("SetCellText " + std::to_string(column) + " " + std::to_string(row));
    }
    expected.insert(expected.end(), {"SelectCell 4 6", "SetColumnColor 4 255,255,0",
                                     "SetRowColor 6 255,255,0", "EnablePrintPreview"});
    EXPECT_EQ(host.Log, expected);
}

TEST_F(PaymentTable, ZeroRateColumnDividesStraight)
{
    host.Rate = 0.75;
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(1, 0), "  0%");
    EXPECT_EQ(host.Chart.Cell(1, 6), " $277.78");
}

TEST_F(PaymentTable, NegativeRateColumnsAreStillComputed)
{
    host.Rate = 0.25;
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(1, 0), "  -0.5%");
    EXPECT_EQ(host.Chart.Cell(2, 0), "  -0.25%");
    EXPECT_EQ(host.Chart.Cell(1, 6), " $257.41");
    EXPECT_EQ(host.Chart.Cell(2, 6), " $267.46");
}

TEST_F(PaymentTable, NegativeAmountRowsHaveNegativePayments)
{
    host.Loan = 1000;
    host.Rate = 8;
    CalculatePaymentTable(host);
    EXPECT_EQ(AmountHeadings(host.Chart)[0], " ($4,000.00)");
    EXPECT_EQ(AmountHeadings(host.Chart)[3], " ($1,000.00)");
    EXPECT_EQ(AmountHeadings(host.Chart)[4], " $0.00");
    for (int column = 1; column < PaymentChart::ColumnCount; ++column)
        EXPECT_EQ(host.Chart.Cell(column, 5), " $0.00") << column;
    EXPECT_EQ(host.Chart.Cell(1, 1), " ($27.29)");
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
// already new, the payments keep the texts of the run before, and nothing is highlighted or enabled.
TEST_P(PaymentTableRemainder, FailsWithDivisionByZeroKeepingThePartialChart)
{
    CalculatePaymentTable(host);
    const PaymentChart before = host.Chart;
    host.Log.clear();
    host.PrintPreviewEnabled = false;
    host.Loan = 200000;
    host.Rate = GetParam().Rate;
    host.RateStepIndex = GetParam().RateStepIndex;

    EXPECT_THROW(CalculatePaymentTable(host), DivisionByZeroError);
    EXPECT_EQ(host.Chart.Cell(1, 0), GetParam().Heading);
    EXPECT_NE(AmountHeadings(host.Chart), AmountHeadings(before));
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 1; row < PaymentChart::RowCount; ++row)
            EXPECT_EQ(host.Chart.Cell(column, row), before.Cell(column, row)) << column << "," << row;
    }
    EXPECT_EQ(host.CellWrites(), 7u + 11u);
    EXPECT_FALSE(host.PrintPreviewEnabled);
}

INSTANTIATE_TEST_SUITE_P(Rates, PaymentTableRemainder,
                         testing::Values(RemainderCase{0.3, 0, "  1.1369E-13%"},
                                         RemainderCase{0.6, 2, "  2.2737E-13%"},
                                         RemainderCase{0.999, 4, "  -4.5475E-13%"}),
                         [](const testing::TestParamInfo<RemainderCase> &info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(PaymentTable, RemainderRateIsTheDocumentedValue)
{
    host.Loan = 100000;
    host.Rate = 0.3;
    host.RateStepIndex = 0;
    EXPECT_THROW(CalculatePaymentTable(host), DivisionByZeroError);
    const long double remainder = Real6::FromExtended(0.3).ToExtended() - 3 * RateSteps[0].ToExtended();
    EXPECT_EQ(FormatGeneral(remainder, 17), "1.1368683772161603E-13");
}

class PaymentTableYearsCorrected : public PaymentTable, public testing::WithParamInterface<double> {};

TEST_P(PaymentTableYearsCorrected, WritesThirtyShowsTheMessageAndUses360Months)
{
    host.Years = GetParam();
    CalculatePaymentTable(host);
    ASSERT_TRUE(host.WrittenYears.has_value());
    EXPECT_EQ(*host.WrittenYears, 30);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"The number of years must be greater than 0."});
    const std::vector<std::string> start(host.Log.begin(), host.Log.begin() + 5);
    EXPECT_EQ(start, (std::vector<std::string>{"ReadLoanValue", "ReadYearsValue", "WriteYearsValue 30",
                                               "ShowInformation", "ReadRateValue"}));
    EXPECT_EQ(host.Chart.Cell(4, 6), " $786.70");
    EXPECT_TRUE(host.PrintPreviewEnabled);
}

INSTANTIATE_TEST_SUITE_P(Years, PaymentTableYearsCorrected, testing::Values(0.0, -0.0, -5.0, -2147483648.0),
                         [](const testing::TestParamInfo<double> &info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(PaymentTable, OneYear)
{
    host.Years = 1;
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(4, 6), " $8,733.56");
    EXPECT_FALSE(host.WrittenYears.has_value());
}

// The largest count whose months still fit 32 bits: the discount factor vanishes, interest only.
TEST_F(PaymentTable, LargestYearCountStillComputes)
{
    host.Years = MaximumYears;
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(4, 6), " $729.17");
}

class PaymentTableYearsRejected : public PaymentTable, public testing::WithParamInterface<double> {};

TEST_P(PaymentTableYearsRejected, AsAConversionErrorBeforeAnythingIsWritten)
{
    host.Years = GetParam();
    EXPECT_THROW(CalculatePaymentTable(host), ConversionError);
    EXPECT_EQ(host.Log, (std::vector<std::string>{"ReadLoanValue", "ReadYearsValue"}));
    EXPECT_EQ(host.Chart, InitialPaymentChart());
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
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(0, 6), " $123,456,789.10");
    host.Loan = 12345678901.23;
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(0, 6), " 1.23456789E10");
}

TEST_F(PaymentTable, CommaDecimalLocaleChangesOnlyTheTexts)
{
    SetCurrentLocaleValues({"$", 0, 0, ".", ","});
    CalculatePaymentTable(host);
    EXPECT_EQ(host.Chart.Cell(4, 0), "  8,75%");
    EXPECT_EQ(host.Chart.Cell(0, 6), " $100.000,00");
    EXPECT_EQ(host.Chart.Cell(4, 6), " $786,70");
}

TEST_F(PaymentTable, AmountBeyondReal6FailsBeforeTheYearsAreRead)
{
    host.Loan = 1e39;
    EXPECT_THROW(CalculatePaymentTable(host), OverflowError);
    EXPECT_EQ(host.Log, std::vector<std::string>{"ReadLoanValue"});
}

TEST_F(PaymentTable, RateBeyondReal6FailsAfterTheYearsCorrection)
{
    host.Rate = -2e38;
    host.Years = 0;
    EXPECT_THROW(CalculatePaymentTable(host), OverflowError);
    EXPECT_EQ(host.WrittenYears, 30);
    EXPECT_EQ(host.CellWrites(), 0u);
}

TEST_F(PaymentTable, RateTextThatIsNotANumberEndsTheRun)
{
    host.RateTextIsJunk = true;
    EXPECT_THROW(CalculatePaymentTable(host), ConversionError);
    EXPECT_EQ(host.CellWrites(), 0u);
}

TEST_F(PaymentTable, StepIndexOutsideTheGroupEndsTheRunBeforeAnyCell)
{
    host.LoanStepIndex = -1;
    EXPECT_THROW(CalculatePaymentTable(host), std::out_of_range);
    host.LoanStepIndex = 3;
    host.RateStepIndex = 9;
    EXPECT_THROW(CalculatePaymentTable(host), std::out_of_range);
    EXPECT_EQ(host.CellWrites(), 0u);
}

TEST_F(PaymentTable, RateColumnAtMinus1200PercentFails)
{
    host.RateStepIndex = 8;
    host.Rate = -1197;
    EXPECT_THROW(CalculatePaymentTable(host), DivisionByZeroError); // column 1: 1 + i = 0
    host.Rate = -1198;
    EXPECT_THROW(CalculatePaymentTable(host), InvalidOperationError); // column 1: 1 + i < 0
}

TEST_F(PaymentTable, PaymentBeyondReal6Overflows)
{
    host.Loan = 1.5e38;
    host.Rate = 2400;
    EXPECT_THROW(CalculatePaymentTable(host), OverflowError);
    EXPECT_EQ(host.CellWrites(), 7u + 11u);
}

TEST_F(PaymentTable, InitialChartHoldsTheFixedHeadingsAndHighlight)
{
    ShowInitialChart(host);
    EXPECT_EQ(host.Chart.Cell(0, 0), " Amount/Rate");
    EXPECT_EQ(host.Chart.Cell(0, 1), " $95,000.00");
    EXPECT_EQ(host.Chart.Cell(0, 11), " $105,000.00");
    EXPECT_EQ(host.Chart.Cell(1, 0), "8.00%");
    EXPECT_EQ(host.Chart.Cell(7, 0), "9.50%");
    EXPECT_EQ(host.Chart.Cell(4, 6), "");
    EXPECT_EQ(host.CellWrites(), 96u);
    const std::vector<std::string> end(host.Log.end() - 3, host.Log.end());
    EXPECT_EQ(end, (std::vector<std::string>{"SelectCell 4 6", "SetColumnColor 4 255,255,0",
                                             "SetRowColor 6 255,255,0"}));
    EXPECT_FALSE(host.PrintPreviewEnabled);
}

TEST(PaymentChart, CellsOutsideTheChartAreRejected)
{
    PaymentChart chart;
    EXPECT_THROW(chart.SetCell(8, 0, "x"), std::out_of_range);
    EXPECT_THROW(static_cast<void>(chart.Cell(0, 12)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(chart.Cell(-1, 0)), std::out_of_range);
}

} // namespace
