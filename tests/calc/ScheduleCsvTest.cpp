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

INSTANTIATE_TEST_SUITE_P(
    Values, PlainDecimal,
    testing::Values(DecimalCase{{12345, -2}, "123.45"}, DecimalCase{{5, -2}, "0.05"},
                    DecimalCase{{-5, -3}, "-0.005"}, DecimalCase{{12, 2}, "1200"}, DecimalCase{{0, 3}, "0"},
                    DecimalCase{{std::numeric_limits<std::int64_t>::min(), -2}, "-92233720368547758.08"}));

TEST(CsvLine, QuotesOnlyTheFieldsThatNeedIt)
{
    EXPECT_EQ(CsvLine({"plain", "a,b", "say \"hi\"", "two\nlines", ""}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
}

TEST(WhatIfCsv, WritesDatesAndMoneyAsPlainFields)
{
    // 300.00 at 12 % (1 % a month) repaid by 100.00 a month with 50.00 more in month 1, from November
    // 2027: 3.00 of interest on 300.00, 1.53 on 153.00, 0.55 on 54.53 (0.5453 rounded).
    const PaymentSchedule plain = MakePaymentSchedule("$300.00", "12%", 1, 30000, 10000, {1, 100});
    const WhatIfSchedule schedule = WhatIfOf(plain, {0, 1, {{1, 5000}}}, PaymentMonth{2027, 11});
    const std::vector<ScheduleColumn> columns = WhatIfColumns(schedule, true);
    EXPECT_EQ(WhatIfCsv(schedule, ScheduleView::Monthly, columns),
              "No.,Date,Payment,Extra,Interest,Principal,Balance,Interest to date,Principal to date\r\n"
              "1,2027-11,100.00,50.00,3.00,147.00,153.00,3.00,147.00\r\n"
              "2,2027-12,100.00,0.00,1.53,98.47,54.53,4.53,245.47\r\n"
              "3,2028-01,55.08,0.00,0.55,54.53,0.00,5.08,300.00\r\n");
    EXPECT_EQ(WhatIfCsv(schedule, ScheduleView::Yearly, columns),
              "Year,Date,Payment,Extra,Interest,Principal,Balance,Interest to date,Principal to date\r\n"
              "2027,2027-11 to 2027-12,200.00,50.00,4.53,245.47,54.53,4.53,245.47\r\n"
              "2028,2028-01,55.08,0.00,0.55,54.53,0.00,5.08,300.00\r\n");
}

TEST(ChartCsv, WritesTheCellValuesWithTheCornerEmpty)
{
    PaymentChart chart;
    chart.At(0, 0) = {"Amount", Decimal{1, 0}};
    chart.At(1, 0) = {"  8.5%", Decimal{85, -1}};
    chart.At(0, 1) = {" $95,000.00", Decimal{95, 3}};
    chart.At(1, 1) = {"$730.47", Decimal{73047, -2}};
    std::string expected = ",8.5,,,,,,\r\n95000,730.47,,,,,,\r\n";
    for (int row = 2; row < PaymentChart::RowCount; ++row)
        expected += ",,,,,,,\r\n";
    EXPECT_EQ(ChartCsv(chart), expected);
}

} // namespace
