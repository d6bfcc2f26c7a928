#include "calc/CellSchedule.h"
#include "calc/Schedule.h"
#include "calc/SchedulePlot.h"
#include "calc/ScheduleText.h"
#include "tests/calc/ScheduleRefusals.h"
#include "tests/support/CalcValuePrinters.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

const LocaleValues Dollars{"$", 0, 0, ",", "."};
constexpr std::int64_t MaxCents = std::numeric_limits<std::int64_t>::max();

void ExpectPaysOffExactly(const std::vector<ScheduleRow> &rows, std::int64_t loan)
{
    ASSERT_FALSE(rows.empty());
    std::int64_t balance = loan;
    for (const ScheduleRow &row : rows) {
        EXPECT_EQ(row.Payment + row.Extra, row.Interest + row.Principal) << "month " << row.Number;
        EXPECT_EQ(row.Balance, balance - row.Principal) << "month " << row.Number;
        EXPECT_GE(row.Extra, 0) << "month " << row.Number;
        balance = row.Balance;
    }
    EXPECT_EQ(rows.back().Balance, 0);
    EXPECT_EQ(TotalsOf(rows).Principal, loan);
}

struct WhatIfCase {
    const char *Name;
    std::int64_t Loan;
    std::int64_t Payment;
    MonthlyRate Rate;
    std::int32_t Months;
    ScheduleExtras Extras;
    std::vector<ScheduleRow> Rows; // {Number, Payment, Interest, Principal, Balance, Extra}
};

void PrintTo(const WhatIfCase &c, std::ostream *os)
{
    *os << c.Name;
}

class MonthlyScheduleWithExtras : public testing::TestWithParam<WhatIfCase> {};

TEST_P(MonthlyScheduleWithExtras, MatchesTheWorkedRows)
{
    const WhatIfCase &c = GetParam();
    const std::vector<ScheduleRow> rows = MonthlySchedule(c.Loan, c.Payment, c.Rate, c.Months, c.Extras);
    ExpectPaysOffExactly(rows, c.Loan);
    EXPECT_EQ(rows, c.Rows);
}

// Worked by hand: interest = balance x rate rounded half away from zero; a month ends the schedule when
// payment + extra - interest reaches the balance, and then its extra is only what balance + interest
// needs beyond the payment.
INSTANTIATE_TEST_SUITE_P(
    Loans, MonthlyScheduleWithExtras,
    testing::Values(
        // 1,000.00 at 1 %: 200.00 + 1,000.00 - 10.00 reaches 1,000.00 at once; 810.00 of the extra is used.
        WhatIfCase{"PaidOffInMonthOne",
                   100000,
                   20000,
                   {1, 100},
                   12,
                   {0, 1, {{1, 100000}}},
                   {{1, 20000, 1000, 100000, 0, 81000}}},
        // Two extras of the largest amount add up beyond 64 bits and still pay only what is due.
        WhatIfCase{"TwoLargestExtrasInOneMonth",
                   100000,
                   20000,
                   {1, 100},
                   12,
                   {0, 1, {{1, MaxCents}, {1, MaxCents}}},
                   {{1, 20000, 1000, 100000, 0, 81000}}},
        // The last month owes 40.00: 5.00 of it is the extra, 35.00 the payment.
        WhatIfCase{"ExtraInTheLastMonth",
                   10000,
                   3000,
                   {0, 1},
                   3,
                   {0, 1, {{3, 500}}},
                   {{1, 3000, 0, 3000, 7000}, {2, 3000, 0, 3000, 4000}, {3, 3500, 0, 4000, 0, 500}}},
        // An extra of 15.00 in the last month, which needs 10.00 beyond the payment.
        WhatIfCase{"ExtraBeyondTheLastMonthsNeed",
                   10000,
                   3000,
                   {0, 1},
                   3,
                   {0, 1, {{3, 1500}}},
                   {{1, 3000, 0, 3000, 7000}, {2, 3000, 0, 3000, 4000}, {3, 3000, 0, 4000, 0, 1000}}},
        // 2,000.00 against a balance of 910.00 (+ 9.10 interest): 819.10 of it is used; the extra of
        // month 5 comes after the payoff.
        WhatIfCase{"ExtraExceedsTheBalance",
                   100000,
                   10000,
                   {1, 100},
                   12,
                   {0, 1, {{5, 5000}, {2, 200000}}},
                   {{1, 10000, 1000, 9000, 91000}, {2, 10000, 910, 91000, 0, 81910}}},
        // 50.00 a month from month 2, and 10.00 + 20.00 in month 3 (given out of order): month 3 owes
        // 367.10 + 3.67 (367.10 x 1 % = 3.671) and uses 70.77 of its 80.00.
        WhatIfCase{"MonthlyExtraFromMonthTwoAndTwoInOneMonth",
                   100000,
                   30000,
                   {1, 100},
                   12,
                   {5000, 2, {{3, 1000}, {12, 7}, {3, 2000}}},
                   {{1, 30000, 1000, 29000, 71000},
                    {2, 30000, 710, 34290, 36710, 5000},
                    {3, 30000, 367, 36710, 0, 7077}}},
        // The payment alone clears the last month's 18.00, so none of its extra is used.
        WhatIfCase{"PaymentAloneClearsTheLastMonth",
                   10000,
                   4000,
                   {0, 1},
                   12,
                   {100, 1, {}},
                   {{1, 4000, 0, 4100, 5900, 100}, {2, 4000, 0, 4100, 1800, 100}, {3, 1800, 0, 1800, 0}}}),
    [](const testing::TestParamInfo<WhatIfCase> &info) { return std::string(info.param.Name); });

struct ExtrasRefusalCase {
    const char *Name;
    std::int64_t Payment;
    ScheduleExtras Extras;
    Refusal Expected;
};

class MonthlyScheduleExtrasRefusal : public testing::TestWithParam<ExtrasRefusalCase> {};

// 100.00 at 1 % over 12 months.
TEST_P(MonthlyScheduleExtrasRefusal, SaysWhy)
{
    const ExtrasRefusalCase &c = GetParam();
    ExpectRefused([&] { MonthlySchedule(10000, c.Payment, {1, 100}, 12, c.Extras); }, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Extras, MonthlyScheduleExtrasRefusal,
    testing::Values(ExtrasRefusalCase{"NegativeMonthly", 1000, {-1, 1, {}}, ExtraNotValid},
                    ExtrasRefusalCase{"FromMonthZero", 1000, {100, 0, {}}, ExtraNotValid},
                    ExtrasRefusalCase{"NegativeOneTime", 1000, {0, 1, {{1, -1}}}, ExtraNotValid},
                    ExtrasRefusalCase{"OneTimeInMonthZero", 1000, {0, 1, {{0, 1}}}, ExtraNotValid},
                    ExtrasRefusalCase{"OneTimeAfterTheTerm", 1000, {0, 1, {{13, 1}}}, ExtraNotValid},
                    // A payment of the first month's interest never repays, whatever is paid beside it.
                    ExtrasRefusalCase{
                        "ExtrasDoNotRescueTheLoan", 100, {10000, 1, {{1, 10000}}}, NeverRepaid}),
    [](const testing::TestParamInfo<ExtrasRefusalCase> &info) { return std::string(info.param.Name); });

TEST(MonthlyScheduleWithExtras, KeepsItsInvariantsOverRandomLoans)
{
    constexpr unsigned seed = 20240611;
    std::mt19937_64 random(seed);
    const auto uniform = [&random](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", trial " << trial);
        const std::int64_t loan = uniform(1, 1'000'000'000);
        const auto months = static_cast<std::int32_t>(uniform(1, 480));
        const MonthlyRate rate{uniform(0, 2000), 120000}; // 0 to 20 % a year
        // Above the first month's interest, by up to twice the straight share of the loan.
        const std::int64_t payment =
            loan * rate.Numerator / rate.Denominator + 2 + uniform(0, 2 * loan / months);
        const std::vector<ScheduleRow> plain = MonthlySchedule(loan, payment, rate, months);

        ScheduleExtras zeros{0, static_cast<std::int32_t>(uniform(1, months)), {{1, 0}, {months, 0}}};
        EXPECT_EQ(MonthlySchedule(loan, payment, rate, months, zeros), plain);

        ScheduleExtras extras{uniform(0, payment), static_cast<std::int32_t>(uniform(1, months + 12)), {}};
        for (std::int64_t i = uniform(0, 3); i > 0; --i)
            extras.OneTime.push_back({static_cast<std::int32_t>(uniform(1, months)), uniform(0, loan)});
        const std::vector<ScheduleRow> rows = MonthlySchedule(loan, payment, rate, months, extras);
        ExpectPaysOffExactly(rows, loan);
        EXPECT_LE(rows.size(), plain.size());
        EXPECT_LE(TotalsOf(rows).Interest, TotalsOf(plain).Interest);
        const PaymentMonth start{2024, static_cast<std::int32_t>(uniform(1, 12))};
        EXPECT_EQ(TotalsOf(YearlyRows(rows, start)), TotalsOf(rows));
    }
}

struct CalendarCase {
    const char *Name;
    std::optional<PaymentMonth> FirstPayment;
    std::vector<ScheduleRow> Years; // {Number, Payment, Interest, Principal, Balance, Extra, PartialMonths}
    const char *LastLabel;
};

void PrintTo(const CalendarCase &c, std::ostream *os)
{
    *os << c.Name;
}

class YearlyRowsByCalendar : public testing::TestWithParam<CalendarCase> {};

// Fourteen payments of 10.00 and no interest.
TEST_P(YearlyRowsByCalendar, BreakAtDecemberAndCountTheMonthsOfPartialYears)
{
    const std::vector<ScheduleRow> monthly = MonthlySchedule(14000, 1000, {0, 1}, 14);
    const std::vector<ScheduleRow> years = YearlyRows(monthly, GetParam().FirstPayment);
    EXPECT_EQ(years, GetParam().Years);
    // A partial calendar year is labelled as a partial loan year is.
    EXPECT_EQ(ScheduleNumberText(years.back()), GetParam().LastLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, YearlyRowsByCalendar,
    testing::Values(CalendarCase{"FromDecemberOnePaymentAtEachEnd",
                                 PaymentMonth{2023, 12},
                                 {{2023, 1000, 0, 1000, 13000, 0, 1},
                                  {2024, 12000, 0, 12000, 1000},
                                  {2025, 1000, 0, 1000, 0, 0, 1}},
                                 "2025 (1 month)"},
                    CalendarCase{"FromJanuary",
                                 PaymentMonth{2024, 1},
                                 {{2024, 12000, 0, 12000, 2000}, {2025, 2000, 0, 2000, 0, 0, 2}},
                                 "2025 (2 months)"}),
    [](const testing::TestParamInfo<CalendarCase> &info) { return std::string(info.param.Name); });

TEST(MonthOfPayment, CrossesTheYearAfterDecember)
{
    EXPECT_EQ(MonthOfPayment({2023, 12}, 1), (PaymentMonth{2023, 12}));
    EXPECT_EQ(MonthOfPayment({2023, 12}, 2), (PaymentMonth{2024, 1}));
    EXPECT_EQ(MonthOfPayment({2023, 12}, 13), (PaymentMonth{2024, 12}));
    EXPECT_EQ(MonthOfPayment({2024, 1}, 12), (PaymentMonth{2024, 12}));
    EXPECT_EQ(MonthOfPayment({2024, 1}, 13), (PaymentMonth{2025, 1}));
    EXPECT_EQ(PaymentMonthText({987, 3}), "0987-03");
    EXPECT_EQ(PaymentMonthText({2024, 11}), "2024-11");
}

class WhatIfTexts : public testing::Test {
protected:
    // 1,000.00 at 12 % over one year at 300.00 a month: 4 payments with 22.48 of interest
    // (10.00 + 7.10 + 4.17 + 1.21).
    const PaymentSchedule m_plain = MakePaymentSchedule("$1,000.00", "12%", 1, 100000, 30000, {1, 100});
};

TEST_F(WhatIfTexts, ShowDatesExtrasRunningTotalsAndSavings)
{
    // The rows of MonthlyExtraFromMonthTwoAndTwoInOneMonth, from December 2024.
    const WhatIfSchedule schedule =
        WhatIfOf(m_plain, {5000, 2, {{3, 1000}, {3, 2000}}}, PaymentMonth{2024, 12});
    const auto monthly = WhatIfColumns(schedule, true);
    EXPECT_EQ(
        TsvLine(ScheduleColumnHeadings(monthly, ScheduleView::Monthly)),
        "No.\tDate\tPayment\tExtra\tInterest\tPrincipal\tBalance\tInterest to date\tPrincipal to date\n");
    EXPECT_EQ(TsvLine(WhatIfRowCells(schedule, ScheduleView::Monthly, 1, monthly, Dollars)),
              "2\t2025-01\t$300.00\t$50.00\t$7.10\t$342.90\t$367.10\t$17.10\t$632.90\n");

    const auto yearly = WhatIfColumns(schedule, false);
    EXPECT_EQ(TsvLine(ScheduleColumnHeadings(yearly, ScheduleView::Yearly)),
              "Year\tDate\tPayment\tExtra\tInterest\tPrincipal\tBalance\n");
    EXPECT_EQ(TsvLine(WhatIfRowCells(schedule, ScheduleView::Yearly, 0, yearly, Dollars)),
              "2024 (1 month)\t2024-12\t$300.00\t$0.00\t$10.00\t$290.00\t$710.00\n");
    EXPECT_EQ(TsvLine(WhatIfRowCells(schedule, ScheduleView::Yearly, 1, yearly, Dollars)),
              "2025 (2 months)\t2025-01 to 2025-02\t$600.00\t$120.77\t$10.77\t$710.00\t$0.00\n");

    // Interest 22.48 - 20.77 saved; 3 payments instead of 4.
    EXPECT_EQ(WhatIfFigures(m_plain, schedule, Dollars),
              (std::vector<ScheduleFigure>{{"Total of extras", "$120.77"},
                                           {"Interest saved", "$1.71"},
                                           {"Paid off", "1 payment (1 month) sooner"},
                                           {"Payoff date", "2025-02"}}));
}

TEST_F(WhatIfTexts, WithoutExtrasAreThePlainTexts)
{
    const WhatIfSchedule schedule = WhatIfOf(m_plain, {});
    EXPECT_EQ(schedule.Monthly, (std::vector<ScheduleRow>{{1, 30000, 1000, 29000, 71000},
                                                          {2, 30000, 710, 29290, 41710},
                                                          {3, 30000, 417, 29583, 12127},
                                                          {4, 12248, 121, 12127, 0}}));
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, false);
    EXPECT_EQ(ScheduleColumnHeadings(columns, ScheduleView::Monthly),
              (std::vector<std::string>{"No.", "Payment", "Interest", "Principal", "Balance"}));
    EXPECT_EQ(WhatIfRowCells(schedule, ScheduleView::Monthly, 3, columns, Dollars),
              (std::vector<std::string>{"4", "$122.48", "$1.21", "$121.27", "$0.00"}));
    EXPECT_EQ(WhatIfFigures(m_plain, schedule, Dollars), std::vector<ScheduleFigure>{});
    // Extras of 0 leave the rows as they are, but not unchecked.
    ExpectRefused([&] { WhatIfOf(m_plain, {0, 0, {}}); }, ExtraNotValid);

    // A year's payments have one heading, with an Extra column beside them or without.
    const WhatIfSchedule dated = WhatIfOf(m_plain, {}, PaymentMonth{2024, 1});
    EXPECT_EQ(ScheduleColumnHeadings(WhatIfColumns(dated, false), ScheduleView::Yearly),
              (std::vector<std::string>{"Year", "Date", "Payment", "Interest", "Principal", "Balance"}));
}

TEST_F(WhatIfTexts, PaidOffNoteCountsThePaymentsOfTheRowsWithTheirExtras)
{
    const WhatIfSchedule schedule = WhatIfOf(m_plain, {5000, 2, {{3, 3000}}});
    ASSERT_EQ(schedule.Monthly.size(), 3u);
    EXPECT_EQ(PaidOffNote(m_plain, schedule, Dollars), "Paid off after 3 payments");
}

struct SoonerCase {
    const char *Name;
    std::int64_t ExtraCents; // with payment 1
    const char *PaidOff;
};

class PaidOffSooner : public testing::TestWithParam<SoonerCase> {};

// 6,000.00 without interest, 100.00 a month over 5 years: an extra of n x 100.00 saves n payments.
TEST_P(PaidOffSooner, SaysTheYearsAndMonthsThatAreThere)
{
    const PaymentSchedule plain = MakePaymentSchedule("", "", 5, 600000, 10000, {0, 1});
    const WhatIfSchedule schedule = WhatIfOf(plain, {0, 1, {{1, GetParam().ExtraCents}}});
    EXPECT_EQ(WhatIfFigures(plain, schedule, Dollars).at(2),
              (ScheduleFigure{"Paid off", GetParam().PaidOff}));
}

INSTANTIATE_TEST_SUITE_P(
    Extras, PaidOffSooner,
    testing::Values(SoonerCase{"FiftyCents", 50, "not sooner"},
                    SoonerCase{"OnePayment", 10000, "1 payment (1 month) sooner"},
                    SoonerCase{"OneYear", 120000, "12 payments (1 year) sooner"},
                    SoonerCase{"YearsAndAMonth", 250000, "25 payments (2 years 1 month) sooner"}),
    [](const testing::TestParamInfo<SoonerCase> &info) { return std::string(info.param.Name); });

TEST_F(WhatIfTexts, ScenarioSaysTheExtrasAndTheFirstPaymentInOneLine)
{
    const WhatIfSchedule full = WhatIfOf(m_plain, {20000, 1, {{3, 1000000}}}, PaymentMonth{2027, 1});
    EXPECT_EQ(ScenarioText(full, Dollars),
              "Extra each month $200.00 from payment 1; one-time $10,000.00 at payment 3; first payment "
              "January 2027");
    // One-time extras by payment, those of 0 left out, the first phrase capitalised.
    const WhatIfSchedule oneTime = WhatIfOf(m_plain, {0, 1, {{9, 700}, {2, 0}, {2, 500}}});
    EXPECT_EQ(ScenarioText(oneTime, Dollars), "One-time $5.00 at payment 2; one-time $7.00 at payment 9");
    EXPECT_EQ(ScenarioText(WhatIfOf(m_plain, {}, PaymentMonth{2024, 12}), Dollars),
              "First payment December 2024");
    EXPECT_EQ(ScenarioText(WhatIfOf(m_plain, {}), Dollars), "");
}

TEST(ScenarioLines, BreakBetweenPhrasesWhereALineIsFull)
{
    const auto upToNine = [](const std::string &line) { return line.size() <= 9; };
    EXPECT_EQ(ScenarioLines({"A a", "B b", "C c"}, upToNine), (std::vector<std::string>{"A a; B b;", "C c"}));
    EXPECT_EQ(ScenarioLines({"A a", "Too long a phrase", "C c"}, upToNine),
              (std::vector<std::string>{"A a;", "Too long a phrase;", "C c"}));
    EXPECT_EQ(ScenarioLines({}, upToNine), std::vector<std::string>{});
}

TEST(PlainAmountCents, ReadsWholeCentsOfZeroOrMore)
{
    const std::pair<const char *, std::optional<std::int64_t>> cases[] = {
        {"1500", 150000},
        {"99.5", 9950},
        {"0.250", 25},
        {"0", 0},
        {".5", 50},
        {"92233720368547758.07", MaxCents},
        {"92233720368547758.08", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"1,000", std::nullopt},
        {"1e3", std::nullopt},
        {"0.005", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto &[text, cents] : cases)
        EXPECT_EQ(PlainAmountCents(text, Dollars), cents) << text;
    EXPECT_EQ(PlainAmountCents("12,34", {"", 0, 0, ".", ","}), 1234);
}

} // namespace

namespace {

TEST(PlotSeries, BalanceWithAndWithoutExtrasAndTheYearsSplit)
{
    // 300.00 at no interest, 100.00 a month over a year: three payments plain; with 100.00 extra in
    // the first month, two (200.00 off in month 1, the last 100.00 in month 2).
    const PaymentSchedule plain = MakePaymentSchedule("$300.00", "0%", 1, 30000, 10000, {0, 1});
    const WhatIfSchedule whatIf = WhatIfOf(plain, {0, 1, {{1, 10000}}});
    const SchedulePlotSeries series = PlotSeriesOf(plain, whatIf);
    EXPECT_EQ(series.PlainBalance, (std::vector<BalancePoint>{{0, 30000}, {1, 20000}, {2, 10000}, {3, 0}}));
    EXPECT_EQ(series.WhatIfBalance, (std::vector<BalancePoint>{{0, 30000}, {1, 10000}, {2, 0}}));
    EXPECT_EQ(series.Years, (std::vector<YearSplit>{{1, 2, 0, 30000}}));
    EXPECT_EQ(series.PayoffPayment, 2);
    EXPECT_EQ(series.FirstPayment, std::nullopt);
    // Dated, the plot is dated on screen and on paper alike.
    EXPECT_EQ(PlotSeriesOf(plain, WhatIfOf(plain, {0, 1, {}}, PaymentMonth{2024, 3})).FirstPayment,
              (PaymentMonth{2024, 3}));
}

} // namespace
