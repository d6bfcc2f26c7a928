#include "Schedule.h"

#include "CellSchedule.h"
#include "Format.h"
#include "ScheduleText.h"

#include <gtest/gtest.h>
#include <limits>
#include <numeric>

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
    ScheduleRefusal Reason;
};

class MonthlyScheduleRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(MonthlyScheduleRefusal, SaysWhy)
{
    const RefusalCase &c = GetParam();
    try {
        MonthlySchedule(c.Loan, c.Payment, c.Rate, c.Months);
        FAIL() << "no refusal";
    } catch (const ScheduleRefused &refused) {
        EXPECT_EQ(refused.Reason(), c.Reason);
        EXPECT_STREQ(refused.what(), ScheduleRefusalMessage(c.Reason));
    }
}

constexpr std::int64_t MaxCents = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlyScheduleRefusal,
    testing::Values(
        RefusalCase{"ZeroLoan", 0, 100, {1, 100}, 12, ScheduleRefusal::NoLoan},
        RefusalCase{"NegativeLoan", -100, 100, {1, 100}, 12, ScheduleRefusal::NoLoan},
        // 1 % of 100.00 is 1.00: a payment of exactly the interest never repays.
        RefusalCase{"PaymentIsTheInterest", 10000, 100, {1, 100}, 12, ScheduleRefusal::NeverRepaid},
        // A cell that shows a payment of 0.00 says so, with interest or without.
        RefusalCase{"ZeroPayment", 10000, 0, {1, 100}, 12, ScheduleRefusal::ZeroPayment},
        RefusalCase{"ZeroPaymentAtZeroRate", 100, 0, {0, 1}, 11988, ScheduleRefusal::ZeroPayment},
        RefusalCase{"NoMonths", 10000, 100, {0, 1}, 0, ScheduleRefusal::TermOutOfRange},
        RefusalCase{"BeyondNineHundredNinetyNineYears",
                    10000,
                    100,
                    {0, 1},
                    999 * 12 + 1,
                    ScheduleRefusal::TermOutOfRange},
        RefusalCase{"InterestBeyondCents", MaxCents, MaxCents, {2, 1}, 12, ScheduleRefusal::NotInCents},
        RefusalCase{
            "TotalBeyondCents", MaxCents / 4, MaxCents / 4 + 1, {1, 1}, 12, ScheduleRefusal::NotInCents}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.Name); });

TEST(YearlyRows, SumTheirMonthsAndKeepTheYearEndBalance)
{
    const std::vector<ScheduleRow> monthly = MonthlySchedule(130000, 10000, {0, 1}, 13 * 12);
    ASSERT_EQ(monthly.size(), 13u);
    const std::vector<ScheduleRow> years = YearlyRows(monthly);
    EXPECT_EQ(years,
              (std::vector<ScheduleRow>{{1, 120000, 0, 120000, 10000}, {2, 10000, 0, 10000, 0, 0, true}}));
    EXPECT_EQ(TotalsOf(years), TotalsOf(monthly));
}

TEST(CurrencyCents, ReadsWhatTheLayoutWritesInEveryPattern)
{
    // Without a symbol, the patterns with a blank leave it at an outer end of the text.
    for (const char *symbol : {"kr", ""}) {
        for (int positive = 0; positive <= 3; ++positive) {
            for (int negative = 0; negative <= 15; ++negative) {
                const LocaleValues locale{symbol, positive, negative, ".", ","};
                for (std::int64_t cents : {0LL, 1LL, -1LL, 123456789LL, -400000LL, 1234567890000LL}) {
                    const std::string text =
                        " " + FormatCurrency(static_cast<long double>(cents) / 100, locale) + " ";
                    EXPECT_EQ(CurrencyCents(text, locale), cents) << text;
                }
            }
        }
    }
}

TEST(CurrencyCents, RefusesTextsTheLayoutDoesNotWrite)
{
    for (const char *text : {"", "$1,00.00", "$1.005", "1.00", "$1.00-", "1.7014118346E38", "$abc"})
        EXPECT_EQ(CurrencyCents(text, Dollars), std::nullopt) << text;
}

TEST(MonthlyRateOfPercent, IsTheExactFractionOfTheDigitsShown)
{
    EXPECT_EQ(MonthlyRateOfPercent("  8.75%", Dollars), (MonthlyRate{7, 960}));
    EXPECT_EQ(MonthlyRateOfPercent("-0,5%", {"", 0, 0, ".", ","}), (MonthlyRate{-1, 2400}));
    EXPECT_EQ(MonthlyRateOfPercent("0%", Dollars), (MonthlyRate{0, 1}));
    for (const char *text : {"1.1369E-13%", "8.7.5%", "%", "1,000%", "0.0000000000000001%"})
        EXPECT_THROW(MonthlyRateOfPercent(text, Dollars), ScheduleRefused) << text;
}

class CellScheduleTest : public testing::Test {
protected:
    CellScheduleTest()
    {
        m_chart.SetCell(0, 6, " $100,000.00");
        m_chart.SetCell(4, 0, "  8.75%");
        m_chart.SetCell(4, 6, " $786.70");
        m_chart.SetHeader({100000, 8.75, 30});
    }
    PaymentChart m_chart;
};

TEST_F(CellScheduleTest, ReadsTheHeadingsThePaymentAndTheTerm)
{
    const PaymentSchedule schedule = ScheduleOfCell(m_chart, 4, 6, Dollars);
    ASSERT_EQ(schedule.Monthly.size(), 360u);
    EXPECT_EQ(schedule.Monthly.front(), (ScheduleRow{1, 78670, 72917, 5753, 9994247}));
    EXPECT_EQ(schedule.Yearly.size(), 30u);
    EXPECT_EQ(ScheduleTerms(schedule, Dollars), (std::vector<ScheduleFigure>{{"Loan", "$100,000.00"},
                                                                             {"Rate", "8.75%"},
                                                                             {"Term", "30 years"},
                                                                             {"Monthly payment", "$786.70"},
                                                                             {"Number of payments", "360"}}));
    const std::string tsv = ScheduleTsv(schedule.Yearly, ScheduleView::Yearly, Dollars);
    EXPECT_TRUE(tsv.starts_with("Year\tTotal paid\tInterest\tPrincipal\tBalance\n1\t$9,440.40\t"));
}

TEST(ScheduleTotalsFigures, ShowEveryCentOfALargeLoan)
{
    // 40,000,000.00 at 8.75 % over 30 years: loan plus interest is the total of payments, to the cent.
    const std::vector<ScheduleRow> rows = MonthlySchedule(4'000'000'000, 31'468'016, {7, 960}, 360);
    const std::vector<ScheduleFigure> totals = ScheduleTotalsFigures(rows, Dollars);
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].Value, "$113,284,861.32");
    EXPECT_EQ(totals[1].Value, "$73,284,861.32");
}

TEST_F(CellScheduleTest, RefusesAnEmptyCellALoanOfZeroAndALongTerm)
{
    const auto reason = [this](int column, int row) {
        try {
            ScheduleOfCell(m_chart, column, row, Dollars);
        } catch (const ScheduleRefused &refused) {
            return refused.Reason();
        }
        throw std::logic_error("no refusal");
    };
    EXPECT_EQ(reason(4, 5), ScheduleRefusal::EmptyCell);
    m_chart.SetCell(0, 6, " $0.00");
    EXPECT_EQ(reason(4, 6), ScheduleRefusal::NoLoan);
    m_chart.SetCell(0, 6, " $100,000.00");
    m_chart.SetHeader({100000, 8.75, 1000});
    EXPECT_EQ(reason(4, 6), ScheduleRefusal::TermOutOfRange);
}

} // namespace
