#include "calc/Schedule.h"

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"
#include "tests/calc/ScheduleRefusals.h"
#include "tests/support/CalcValuePrinters.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

const LocaleValues Dollars{"$", 0, 0, ",", "."};

struct ScheduleCase {
    const char *Name;
    std::int64_t Loan;
    std::int64_t Payment;
    MonthlyRate Rate;
    std::int32_t Months;
    std::vector<ScheduleRow> Rows; // empty: only the identities are checked
};

void PrintTo(const ScheduleCase &c, std::ostream *os)
{
    *os << c.Name;
}

class MonthlyScheduleCase : public testing::TestWithParam<ScheduleCase> {};

TEST_P(MonthlyScheduleCase, PaysOffExactlyAndMatchesTheWorkedRows)
{
    const ScheduleCase &c = GetParam();
    const std::vector<ScheduleRow> rows = MonthlySchedule(c.Loan, c.Payment, c.Rate, c.Months);
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), static_cast<size_t>(c.Months));
    std::int64_t balance = c.Loan;
    for (const ScheduleRow &row : rows) {
        EXPECT_EQ(row.Payment, row.Principal + row.Interest) << "month " << row.Number;
        EXPECT_EQ(row.Balance, balance - row.Principal) << "month " << row.Number;
        EXPECT_GE(row.Balance, 0) << "month " << row.Number;
        balance = row.Balance;
    }
    EXPECT_EQ(rows.back().Balance, 0);
    EXPECT_EQ(TotalsOf(rows).Principal, c.Loan);
    if (!c.Rows.empty()) {
        EXPECT_EQ(rows, c.Rows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlyScheduleCase,
    testing::Values(
        // 100,000.00 at 8.75 % (7/960 a month) over 30 years, the chart's payment of 786.70.
        ScheduleCase{"ThirtyYears", 10000000, 78670, {7, 960}, 360, {}},
        // 1,000.00 at 12 % for one month: the payment is the balance plus its interest.
        ScheduleCase{"OneMonth", 100000, 101000, {1, 100}, 1, {{1, 101000, 1000, 100000, 0}}},
        // The last payment absorbs the rounding of a zero-rate division.
        ScheduleCase{"ZeroRate",
                     10000,
                     3334,
                     {0, 1},
                     3,
                     {{1, 3334, 0, 3334, 6666}, {2, 3334, 0, 3334, 3332}, {3, 3332, 0, 3332, 0}}},
        // -12 %: the interest is credited, -69.00 and -7.93 round away from zero to -69 and -8.
        ScheduleCase{"NegativeRate",
                     10000,
                     3000,
                     {-1, 100},
                     4,
                     {{1, 3000, -100, 3100, 6900},
                      {2, 3000, -69, 3069, 3831},
                      {3, 3000, -38, 3038, 793},
                      {4, 785, -8, 793, 0}}},
        // A payment that would overshoot ends the schedule early.
        ScheduleCase{"Overshoot",
                     10000,
                     4000,
                     {0, 1},
                     12,
                     {{1, 4000, 0, 4000, 6000}, {2, 4000, 0, 4000, 2000}, {3, 2000, 0, 2000, 0}}},
        // Half a cent of interest rounds away from zero, either sign.
        ScheduleCase{"HalfCentUp", 50, 100, {1, 100}, 1, {{1, 51, 1, 50, 0}}},
        ScheduleCase{"HalfCentDown", 50, 100, {-1, 100}, 1, {{1, 49, -1, 50, 0}}},
        // Products beyond 64 bits take the wide path.
        ScheduleCase{"WideProducts",
                     4'000'000'000'000'000,
                     50'000'000'000'000'000,
                     {999999, 1'200'000'000'000},
                     12,
                     {}}),
    [](const testing::TestParamInfo<ScheduleCase> &info) { return std::string(info.param.Name); });

struct RefusalCase {
    const char *Name;
    std::int64_t Loan;
    std::int64_t Payment;
    MonthlyRate Rate;
    std::int32_t Months;
    Refusal Expected;
};

class MonthlyScheduleRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(MonthlyScheduleRefusal, SaysWhy)
{
    const RefusalCase &c = GetParam();
    ExpectRefused([&] { MonthlySchedule(c.Loan, c.Payment, c.Rate, c.Months); }, c.Expected);
}

constexpr std::int64_t MaxCents = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlyScheduleRefusal,
    testing::Values(RefusalCase{"ZeroLoan", 0, 100, {1, 100}, 12, NoLoan},
                    RefusalCase{"NegativeLoan", -100, 100, {1, 100}, 12, NoLoan},
                    // 1 % of 100.00 is 1.00: a payment of exactly the interest never repays.
                    RefusalCase{"PaymentIsTheInterest", 10000, 100, {1, 100}, 12, NeverRepaid},
                    // A cell that shows a payment of 0.00 says so, with interest or without.
                    RefusalCase{"ZeroPayment", 10000, 0, {1, 100}, 12, ZeroPayment},
                    RefusalCase{"ZeroPaymentAtZeroRate", 100, 0, {0, 1}, 11988, ZeroPayment},
                    RefusalCase{"NoMonths", 10000, 100, {0, 1}, 0, TermOutOfRange},
                    RefusalCase{
                        "BeyondNineHundredNinetyNineYears", 10000, 100, {0, 1}, 999 * 12 + 1, TermOutOfRange},
                    RefusalCase{"InterestBeyondCents", MaxCents, MaxCents, {2, 1}, 12, NotInCents},
                    RefusalCase{"TotalBeyondCents", MaxCents / 4, MaxCents / 4 + 1, {1, 1}, 12, NotInCents}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.Name); });

TEST(YearlyRows, SumTheirMonthsAndKeepTheYearEndBalance)
{
    const std::vector<ScheduleRow> monthly = MonthlySchedule(130000, 10000, {0, 1}, 13 * 12);
    ASSERT_EQ(monthly.size(), 13u);
    const std::vector<ScheduleRow> years = YearlyRows(monthly);
    // The second year holds one month only, and says so.
    EXPECT_EQ(years,
              (std::vector<ScheduleRow>{{1, 120000, 0, 120000, 10000}, {2, 10000, 0, 10000, 0, 0, 1}}));
    EXPECT_EQ(TotalsOf(years), (ScheduleTotals{130000, 0, 130000}));
    EXPECT_EQ(ScheduleNumberText(years[0]), "1");
    EXPECT_EQ(ScheduleNumberText(years[1]), "2 (1 month)");
    EXPECT_EQ(ScheduleNumberText(YearlyRows(MonthlySchedule(1000, 100, {0, 1}, 24))[0]), "1 (10 months)");
}

TEST(TotalsOf, SumsEachColumnOnItsOwn)
{
    const std::vector<ScheduleRow> rows{{1, 700, 100, 600, 400}, {2, 410, 10, 400, 0}};
    EXPECT_EQ(TotalsOf(rows), (ScheduleTotals{1110, 110, 1000}));
}

TEST(PaidOffNote, TellsALoanPaidOffBeforeItsTermInTheLocalesGrouping)
{
    // With no interest, 100.00 a month pays 11,982.00 off in 11,982 of the 999 years' 11,988 months.
    const PaymentSchedule longTerm = MakePaymentSchedule("", "", 999, 1198200, 100, {0, 1});
    const WhatIfSchedule longRows = WhatIfOf(longTerm, {});
    EXPECT_EQ(PaidOffNote(longTerm, longRows, Dollars), "Paid off after 11,982 payments");
    EXPECT_EQ(PaidOffNote(longTerm, longRows, {"kr", 3, 8, ".", ","}), "Paid off after 11.982 payments");
    const PaymentSchedule oneMonth = MakePaymentSchedule("", "", 1, 10000, 20000, {0, 1});
    EXPECT_EQ(PaidOffNote(oneMonth, WhatIfOf(oneMonth, {}), Dollars), "Paid off after 1 payment");
    const PaymentSchedule wholeTerm = MakePaymentSchedule("", "", 1, 120000, 10000, {0, 1});
    EXPECT_EQ(PaidOffNote(wholeTerm, WhatIfOf(wholeTerm, {}), Dollars), std::nullopt)
        << "paid off with the term's last payment";
}

struct RateCase {
    const char *Name;
    Decimal Percent;
    std::optional<MonthlyRate> Expected; // none: refused
};

class MonthlyRateOfPercentCase : public testing::TestWithParam<RateCase> {};

TEST_P(MonthlyRateOfPercentCase, IsTheExactFractionInLowestTermsOrRefused)
{
    const RateCase &c = GetParam();
    if (c.Expected) {
        EXPECT_EQ(MonthlyRateOfPercent(c.Percent), *c.Expected);
        return;
    }
    ExpectRefused([&] { MonthlyRateOfPercent(c.Percent); }, RateNotExact);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, MonthlyRateOfPercentCase,
    testing::Values(RateCase{"Plain", {875, -2}, MonthlyRate{7, 960}},
                    RateCase{"Negative", {-5, -1}, MonthlyRate{-1, 2400}},
                    RateCase{"Zero", {0, 0}, MonthlyRate{0, 1}},
                    RateCase{"TinyScientific", {1, -5}, MonthlyRate{1, 120'000'000}},
                    RateCase{"LargeScientific", {12346, 1}, MonthlyRate{6173, 60}},
                    // 1200 x 10^16 needs 64 bits unless the coefficient halves it.
                    RateCase{"LastDenominatorThatFits", {1, -15}, MonthlyRate{1, 1'200'000'000'000'000'000}},
                    RateCase{"ReducedIntoRange", {2, -16}, MonthlyRate{1, 6'000'000'000'000'000'000}},
                    RateCase{"DenominatorBeyond64Bits", {1, -16}, std::nullopt},
                    RateCase{"RemainderRate", {11369, -17}, std::nullopt},
                    RateCase{"NumeratorBeyond64Bits", {1, 30}, std::nullopt},
                    RateCase{"PowerBeyond128Bits", {3, -40}, std::nullopt}),
    [](const testing::TestParamInfo<RateCase> &info) { return std::string(info.param.Name); });

TEST(CentsOf, TakesWholeCentsInThe64BitRange)
{
    EXPECT_EQ(CentsOf({1234567891, -1}), 12345678910); // 123,456,789.10
    EXPECT_EQ(CentsOf({123456789, 2}), 1234567890000); // 1.23456789E10
    EXPECT_EQ(CentsOf({-2729, -2}), -2729);
    EXPECT_EQ(CentsOf({0, 0}), 0);
    EXPECT_EQ(CentsOf({std::numeric_limits<std::int64_t>::max(), -2}),
              std::numeric_limits<std::int64_t>::max());
    for (const Decimal amount : {Decimal{1005, -3}, Decimal{92233720368547759, 0}, Decimal{17014118346, 28}})
        EXPECT_THROW(CentsOf(amount), ScheduleRefused) << amount.Coefficient << "E" << amount.Exponent;
}

// The chart of `loan`, `years` and `rate` with steps of 1000 and .25, in dollars.
PaymentChart ChartOf(double loan, std::int32_t years, double rate)
{
    ChartInputs inputs;
    inputs.LoanAmount = Real6::FromExtended(loan);
    inputs.Years = years;
    inputs.AnnualRate = Real6::FromExtended(rate);
    inputs.Header = {loan, rate, years};
    PaymentChart chart = InitialPaymentChart();
    BuildPaymentChart(inputs, Dollars, chart);
    return chart;
}

TEST(ScheduleOfCell, TakesTheValuesOfTheHeadingsThePaymentAndTheTerm)
{
    const PaymentSchedule schedule = ScheduleOfCell(ChartOf(100000, 30, 8.75), 4, 6);
    ASSERT_EQ(schedule.Monthly.size(), 360u);
    EXPECT_EQ(schedule.Monthly.front(), (ScheduleRow{1, 78670, 72917, 5753, 9994247}));
    EXPECT_EQ(schedule.Yearly.size(), 30u);
    EXPECT_EQ(ScheduleTerms(schedule, Dollars), (std::vector<ScheduleFigure>{{"Loan", "$100,000.00"},
                                                                             {"Rate", "8.75%"},
                                                                             {"Term", "30 years"},
                                                                             {"Monthly payment", "$786.70"},
                                                                             {"Number of payments", "360"}}));
    EXPECT_EQ(ScheduleTitle(schedule), "Payment Schedule - $100,000.00 at 8.75% over 30 years");
}

TEST(ScheduleOfCell, TakesARateHeadingInTheScientificLayoutExactly)
{
    // 1,000,000,000.00 at 1E-5 % (1/120,000,000 a month): 833.33 cents of interest in the first month.
    const PaymentSchedule schedule = ScheduleOfCell(ChartOf(1e9, 30, 1e-5), 4, 6);
    EXPECT_EQ(schedule.RateText, "1E-5%");
    ASSERT_EQ(schedule.Monthly.size(), 360u);
    EXPECT_EQ(schedule.Monthly.front().Interest, 833);
    EXPECT_EQ(schedule.Monthly.back().Balance, 0);
}

struct CellRefusalCase {
    const char *Name;
    PaymentChart (*Chart)(); // built when the test runs, after the chart's steps exist
    int Row;
    Refusal Expected;
};

class ScheduleOfCellRefusal : public testing::TestWithParam<CellRefusalCase> {};

TEST_P(ScheduleOfCellRefusal, SaysWhy)
{
    ExpectRefused([] { ScheduleOfCell(GetParam().Chart(), 4, GetParam().Row); }, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ScheduleOfCellRefusal,
    testing::Values(CellRefusalCase{"EmptyCell", [] { return InitialPaymentChart(); }, 6, EmptyCell},
                    // Row 5 of a chart around 1,000.00 is the amount 0.00.
                    CellRefusalCase{"LoanOfZero", [] { return ChartOf(1000, 30, 8); }, 5, NoLoan},
                    CellRefusalCase{"LongTerm", [] { return ChartOf(100000, 1000, 8.75); }, 6,
                                    TermOutOfRange},
                    CellRefusalCase{"LoanBeyondCents", [] { return ChartOf(1e17, 30, 8.75); }, 6, NotInCents},
                    // 5.1234E-14 % a year is 51234 / (1200 x 10^18) a month: no 64-bit fraction.
                    CellRefusalCase{"RateBeyondFractions", [] { return ChartOf(100000, 999, 5.1234e-14); }, 6,
                                    RateNotExact}),
    [](const testing::TestParamInfo<CellRefusalCase> &info) { return std::string(info.param.Name); });

TEST(ScheduleTotalsFigures, ShowEveryCentOfALargeLoan)
{
    // 40,000,000.00 at 8.75 % over 30 years: loan plus interest is the total of payments, to the cent.
    const std::vector<ScheduleRow> rows = MonthlySchedule(4'000'000'000, 31'468'016, {7, 960}, 360);
    const std::vector<ScheduleFigure> totals = ScheduleTotalsFigures(rows, Dollars);
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].Value, "$113,284,861.32");
    EXPECT_EQ(totals[1].Value, "$73,284,861.32");
}

} // namespace
