#include "calc/Rounding.h"

#include "calc/Errors.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct RoundingRow {
    long double Value;
    int Expected;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundingRow> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestWithHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(GetParam().Value), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundHalfEvenTest,
                         testing::Values(RoundingRow{0.5L, 0}, RoundingRow{1.5L, 2}, RoundingRow{2.5L, 2},
                                         RoundingRow{-0.5L, 0}, RoundingRow{-1.5L, -2},
                                         RoundingRow{-2.5L, -2}, RoundingRow{2.5L + 1e-15L, 3},
                                         RoundingRow{2.5L - 1e-15L, 2}, RoundingRow{1134.0L, 1134},
                                         RoundingRow{747.52L, 748}, RoundingRow{2147483647.4L, 2147483647}));

TEST(RoundHalfEven, ResultOutsideThe32BitRangeIsAConversionError)
{
    EXPECT_THROW(RoundHalfEven(2147483647.5L), ConversionError);
    EXPECT_THROW(RoundHalfEven(-2147483649.0L), ConversionError);
    EXPECT_THROW(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), ConversionError);
}

} // namespace
