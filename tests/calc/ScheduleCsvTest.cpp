#include "calc/ScheduleCsv.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct DecimalCase {
    Decimal Value;
    const char *Text;
};

class PlainDecimal : public testing::TestWithParam<DecimalCase> {};

TEST_P(PlainDecimal, WritesEveryDigitWithAPoint)
{
    EXPECT_EQ(PlainDecimalText(GetParam().Value), GetParam().Text);
}

TEST(PlainDecimal, WritesAtLeastTheDecimalsAskedFor)
{
    EXPECT_EQ(PlainDecimalText({14689, -1}, 2), "1468.90");
    EXPECT_EQ(PlainDecimalText({12, 2}, 2), "1200.00");
    EXPECT_EQ(PlainDecimalText({-5, -3}, 2), "-0.005");
}

TEST(PlainPercent, WritesTheAnnualPercentOfAMonthlyRateExactly)
{
    EXPECT_EQ(PlainPercentText({7, 960}), "8.75");
    EXPECT_EQ(PlainPercentText({1, 100}), "12");
    EXPECT_EQ(PlainPercentText({-1, 120000000}), "-0.00001");
    EXPECT_EQ(PlainPercentText({0, 1}), "0");
    // 1E20 % a year: more than 64 bits before the point.
    EXPECT_EQ(PlainPercentText({250000000000000000, 3}), "100000000000000000000");
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainDecimal,
    testing::Values(DecimalCase{{12345, -2}, "123.45"}, DecimalCase{{5, -2}, "0.05"},
                    DecimalCase{{-5, -3}, "-0.005"}, DecimalCase{{12, 2}, "1200"}, DecimalCase{{0, 3}, "0"},
                    DecimalCase{{std::numeric_limits<std::int64_t>::min(), -2}, "-92233720368547758.08"}));

TEST(CsvLine, QuotesOnlyTheFieldsThatNeedIt)
{
    // A lone carriage return ends a record for many readers, as a line feed does.
    EXPECT_EQ(CsvLine({"plain", "a,b", "say \"hi\"", "two\nlines", "cr\ralone", ""}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\ralone\",\r\n");
}

// 300.00 at 12 % (1 % a month) repaid by 100.00 a month.
const PaymentSchedule ThreeHundred = MakePaymentSchedule("$300.00", "12%", 1, 30000, 10000, {1, 100});

TEST(WhatIfCsv, BeginsWithTheFactsThenWritesDatesAndMoneyAsPlainFields)
{
    // With 50.00 more in month 1 and 20.00 from month 2, from November 2027: 3.00 of interest on
    // 300.00, 1.53 on 153.00, 0.35 on 34.53 (0.3453 rounded).
    const WhatIfSchedule schedule = WhatIfOf(ThreeHundred, {2000, 2, {{1, 5000}}}, PaymentMonth{2027, 11});
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, true);
    const std::string facts = "Loan,300.00\r\nRate,12\r\nYears,1\r\nMonthly payment,100.00\r\n"
                              "Extra each month,20.00,from payment,2\r\n"
                              "One-time extra,50.00,at payment,1\r\nFirst payment,2027-11\r\n\r\n";
    EXPECT_EQ(WhatIfCsv(ThreeHundred, schedule, ScheduleView::Monthly, columns),
              facts +
                  "No.,Date,Payment,Extra,Interest,Principal,Balance,Interest to date,Principal to date\r\n"
                  "1,2027-11,100.00,50.00,3.00,147.00,153.00,3.00,147.00\r\n"
                  "2,2027-12,100.00,20.00,1.53,118.47,34.53,4.53,265.47\r\n"
                  "3,2028-01,34.88,0.00,0.35,34.53,0.00,4.88,300.00\r\n");
    // A year of fewer than 12 months gives their count in a column of its own.
    EXPECT_EQ(WhatIfCsv(ThreeHundred, schedule, ScheduleView::Yearly, columns),
              facts + "Year,Months,Date,Payment,Extra,Interest,Principal,Balance,Interest to date,"
                      "Principal to date\r\n"
                      "2027,2,2027-11 to 2027-12,200.00,70.00,4.53,265.47,34.53,4.53,265.47\r\n"
                      "2028,1,2028-01,34.88,0.00,0.35,34.53,0.00,4.88,300.00\r\n");
}

TEST(WhatIfCsv, OfAPlainScheduleBeginsWithTheLoansTerms)
{
    // Repaid in 4 payments, so its one loan year is a partial one.
    const WhatIfSchedule plain = WhatIfOf(ThreeHundred, {});
    const std::string csv = WhatIfCsv(ThreeHundred, plain, ScheduleView::Yearly, WhatIfColumns(plain, false));
    EXPECT_TRUE(csv.starts_with("Loan,300.00\r\nRate,12\r\nYears,1\r\nMonthly payment,100.00\r\n\r\n"
                                "Year,Months,Payment,Interest,Principal,Balance\r\n1,4,"))
        << csv;
}

TEST(ChartCsv, WritesTheCellValuesWithTheCornerEmpty)
{
    PaymentChart chart;
    chart.At(0, 0) = {"Amount", Decimal{1, 0}};
    chart.At(1, 0) = {"  8.5%", Decimal{85, -1}};
    chart.At(0, 1) = {" $95,000.00", Decimal{95, 3}};
    chart.At(1, 1) = {"$730.47", Decimal{73047, -2}};
    // Money with two decimals, as the schedule writes it; the rates as they are.
    chart.At(2, 1) = {"$1,468.90", Decimal{14689, -1}};
    std::string expected = ",8.5,,,,,,\r\n95000.00,730.47,1468.90,,,,,\r\n";
    for (int row = 2; row < PaymentChart::RowCount; ++row)
        expected += ",,,,,,,\r\n";
    EXPECT_EQ(ChartCsv(chart), expected);
}

} // namespace
