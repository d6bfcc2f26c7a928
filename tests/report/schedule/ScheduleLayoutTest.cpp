#include "report/schedule/ScheduleLayout.h"

#include <gtest/gtest.h>

namespace {

// 100,000.00 at 8.75 % over 30 years, the chart's payment of 786.70.
PaymentSchedule ThirtyYears()
{
    return MakePaymentSchedule("$100,000.00", "8.75%", 30, 10000000, 78670, {7, 960});
}

struct WidthCase {
    int PrintableWidth;
    int RowPixels;
    int TermLines;
    int TermPixels;
};

void PrintTo(const WidthCase &c, std::ostream *os)
{
    *os << c.PrintableWidth << " pixels";
}

class ScheduleLayoutCase : public testing::TestWithParam<WidthCase> {};

// Narrower paper narrows the columns first, then puts the terms on two lines, then takes smaller
// fonts; the columns stay in order between the margins.
TEST_P(ScheduleLayoutCase, NarrowsTheColumnsThenWrapsTheTermsThenShrinks)
{
    const WidthCase &c = GetParam();
    const PaymentSchedule plain = ThirtyYears();
    const ScheduleLayout layout = LayOutSchedule(c.PrintableWidth, plain, WhatIfOf(plain, {}),
                                                 ScheduleView::Monthly, {"$", 0, 0, ",", "."});
    EXPECT_EQ(layout.RowPixels, c.RowPixels);
    EXPECT_EQ(layout.TermLines, c.TermLines);
    EXPECT_EQ(layout.TermPixels, c.TermPixels);
    EXPECT_EQ(layout.Columns.front().Left, 15);
    EXPECT_EQ(layout.Columns.back().Right(), c.PrintableWidth - 15);
    for (size_t column = 1; column < layout.Columns.size(); ++column)
        EXPECT_LT(layout.Columns[column - 1].Right(), layout.Columns[column].Left) << column;
}

INSTANTIATE_TEST_SUITE_P(Widths, ScheduleLayoutCase,
                         testing::Values(WidthCase{768, 12, 1, 13},  // Letter
                                         WidthCase{527, 12, 2, 13},  // A5
                                         WidthCase{365, 12, 2, 12},  // A6
                                         WidthCase{250, 8, 5, 11})); // narrower than any paper

} // namespace
