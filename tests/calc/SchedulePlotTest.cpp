#include "calc/SchedulePlot.h"

#include "tests/support/CalcValuePrinters.h"
#include "tests/support/SchedulePlotSamples.h"

#include <gtest/gtest.h>

namespace {

// A loan of `years` whole years of $1,000.00 principal each, paid off with its last payment.
SchedulePlotSeries YearsOf(int years, std::optional<PaymentMonth> firstPayment)
{
    SchedulePlotSeries series;
    for (int month = 0; month <= years * 12; ++month)
        series.PlainBalance.push_back({month, (years * 12 - month) * 1000'00 / 12});
    series.WhatIfBalance = series.PlainBalance;
    for (int year = 1; year <= years; ++year)
        series.Years.push_back({firstPayment ? firstPayment->Year + year - 1 : year, 0, 100'00, 1000'00});
    series.PayoffPayment = years * 12;
    series.FirstPayment = firstPayment;
    return series;
}

std::vector<std::string> MarkTexts(const PlotAxis &axis)
{
    std::vector<std::string> texts;
    for (const PlotMark &mark : axis.Marks)
        texts.push_back(mark.Text);
    return texts;
}

TEST(SchedulePlot, PaymentsStandAtTheirMonthsInYears)
{
    EXPECT_DOUBLE_EQ(PaymentPosition(0, std::nullopt), 0);
    EXPECT_DOUBLE_EQ(PaymentPosition(18, std::nullopt), 1.5);
    EXPECT_DOUBLE_EQ(PaymentPosition(1, PaymentMonth{2024, 3}), 2024 + 2.0 / 12);
    EXPECT_DOUBLE_EQ(PaymentPosition(11, PaymentMonth{2024, 3}), 2025);
    // The loan stands a month before the first payment, across the turn of the year.
    EXPECT_DOUBLE_EQ(PaymentPosition(0, PaymentMonth{2024, 1}), 2023 + 11.0 / 12);
}

// One rule for every axis: the least step of 1, 2 or 5 x 10^k within the medium's most steps.
struct StepCase {
    std::int64_t Span;
    int MostSteps;
    std::int64_t Step;
};

class RoundStepOf : public testing::TestWithParam<StepCase> {};

TEST_P(RoundStepOf, IsTheLeastRoundStepThatCoversTheSpan)
{
    EXPECT_EQ(RoundStep(GetParam().Span, GetParam().MostSteps), GetParam().Step);
}

INSTANTIATE_TEST_SUITE_P(Spans, RoundStepOf,
                         testing::Values(StepCase{0, ScreenMostSteps, 1}, StepCase{5, ScreenMostSteps, 1},
                                         StepCase{6, ScreenMostSteps, 2}, StepCase{30, ScreenMostSteps, 10},
                                         StepCase{30, PaperMostSteps, 10}, StepCase{20, PaperMostSteps, 5},
                                         StepCase{20, ScreenMostSteps, 5},
                                         StepCase{100000, ScreenMostSteps, 20000},
                                         StepCase{100000, PaperMostSteps, 50000}));

TEST(SchedulePlot, MoneyMarksAreWholeUnitsUpToTheTopInTheLocalesCurrency)
{
    const PlotAxis screen = DescribePlot(YearsOf(30, std::nullopt), Dollars, ScreenMostSteps).Balance.Money;
    EXPECT_EQ(MarkTexts(screen),
              (std::vector<std::string>{"$0.00", "$10,000.00", "$20,000.00", "$30,000.00"}));
    const PlotAxis paper =
        DescribePlot(WithExtra(std::nullopt), {"€", 3, 8, ".", ","}, PaperMostSteps).Years.Money;
    EXPECT_EQ(MarkTexts(paper),
              (std::vector<std::string>{"0,00 €", "1.000,00 €", "2.000,00 €", "3.000,00 €", "4.000,00 €"}));
    EXPECT_EQ(paper.Max, 4000);
}

TEST(SchedulePlot, DatedTheTimeAxesAreCalendarYearsMarkedAtRoundYears)
{
    const SchedulePlotDescription plot =
        DescribePlot(YearsOf(30, PaymentMonth{2024, 3}), Dollars, ScreenMostSteps);
    EXPECT_EQ(plot.Balance.Time.Title, "Year");
    EXPECT_DOUBLE_EQ(plot.Balance.Time.Min, 2024 + 1.0 / 12);
    EXPECT_EQ(MarkTexts(plot.Balance.Time), (std::vector<std::string>{"2030", "2040", "2050"}));
    EXPECT_EQ(plot.Years.Years.Title, "Year");
    EXPECT_EQ(MarkTexts(plot.Years.Years), (std::vector<std::string>{"2030", "2040", "2050"}));
    EXPECT_EQ(plot.Years.Years.Marks[0].Value, 6); // the bar of 2030, the seventh from 2024
}

TEST(SchedulePlot, UndatedTheTimeAxesAreLoanYears)
{
    const SchedulePlotDescription plot = DescribePlot(YearsOf(10, std::nullopt), Dollars, PaperMostSteps);
    EXPECT_EQ(plot.Balance.Time.Title, "Loan year");
    EXPECT_EQ(MarkTexts(plot.Balance.Time), (std::vector<std::string>{"0", "5", "10"}));
    EXPECT_EQ(plot.Years.Years.Title, "Loan year");
    EXPECT_EQ(MarkTexts(plot.Years.Years), (std::vector<std::string>{"5", "10"}));
    EXPECT_DOUBLE_EQ(plot.Years.Years.Max, 9.5);
}

TEST(SchedulePlot, WithoutPaymentsEveryAxisStillSpansARange)
{
    SchedulePlotSeries none;
    none.PlainBalance = none.WhatIfBalance = {{0, 0}};
    const SchedulePlotDescription plot = DescribePlot(none, Dollars, ScreenMostSteps);
    for (const PlotAxis *axis :
         {&plot.Balance.Time, &plot.Balance.Money, &plot.Years.Years, &plot.Years.Money})
        EXPECT_GT(axis->Max, axis->Min) << axis->Title;
}

TEST(SchedulePlot, TheBalanceChartsLinesComeWithoutThenWithTheExtrasAndItsAxesHoldThePayoffMarker)
{
    const BalanceChart chart =
        DescribePlot(WithExtra(PaymentMonth{2024, 11}), Dollars, ScreenMostSteps).Balance;
    ASSERT_EQ(chart.Lines.size(), 2u);
    EXPECT_EQ(chart.Lines[0].Name, "Without extras");
    EXPECT_EQ(chart.Lines[0].Points.size(), 4u);
    EXPECT_EQ(chart.Lines[1].Name, "With extras");
    EXPECT_EQ(
        chart.Lines[1].Points,
        (std::vector<PlotPoint>{{2024 + 9.0 / 12, 3000}, {2024 + 10.0 / 12, 1500}, {2024 + 11.0 / 12, 0}}));
    EXPECT_EQ(chart.Payoff, (PlotPoint{2024 + 11.0 / 12, 0}));
    // Room for the marker below 0 and after the last payment.
    EXPECT_LT(chart.Money.Min, 0);
    EXPECT_GT(chart.Time.Max, 2025);
}

TEST(SchedulePlot, TheYearsStackTheirInterestUnderTheirPrincipal)
{
    const YearChart chart = DescribePlot(WithExtra(std::nullopt), Dollars, PaperMostSteps).Years;
    ASSERT_EQ(chart.Stack.size(), 2u);
    EXPECT_EQ(chart.Stack[0].Name, "Interest");
    EXPECT_EQ(chart.Stack[0].Amounts, std::vector<double>{45.12});
    EXPECT_EQ(chart.Stack[1].Name, "Principal");
    EXPECT_EQ(chart.Stack[1].Amounts, std::vector<double>{3000});
    EXPECT_EQ(chart.Tips, std::vector<std::string>{"2024 (2 months): interest $45.12, principal $3,000.00"});
}

TEST(SchedulePlot, TextsSayThePayoffWithAndWithoutTheExtrasAndTheTotals)
{
    const SchedulePlotDescription plot =
        DescribePlot(WithExtra(PaymentMonth{2024, 11}), Dollars, ScreenMostSteps);
    EXPECT_EQ(plot.Balance.PayoffText, "Paid off in 2024-12 (payment 2)");
    EXPECT_EQ(plot.Balance.Description,
              "Balance of the $3,000.00 loan: paid off in 2024-12 (payment 2) with the "
              "extras, in 2025-01 (payment 3) without them.");
    EXPECT_EQ(plot.Years.Description, "Interest $45.12 and principal $3,000.00 paid over 1 year.");

    SchedulePlotSeries plain = WithExtra(std::nullopt);
    plain.WhatIfBalance = plain.PlainBalance;
    plain.PayoffPayment = 3;
    const BalanceChart balance = DescribePlot(plain, Dollars, ScreenMostSteps).Balance;
    EXPECT_EQ(balance.PayoffText, "Paid off with payment 3");
    EXPECT_EQ(balance.Description, "Balance of the $3,000.00 loan: paid off with payment 3.");
}

} // namespace
