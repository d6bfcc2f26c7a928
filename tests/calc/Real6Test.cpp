#include "calc/Real6.h"

#include "calc/Chart.h"
#include "calc/Errors.h"
#include "calc/Format.h"
#include "tests/support/CalcValuePrinters.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

constexpr std::uint64_t TopBit = std::uint64_t{1} << 39;

struct RoundingCase {
    const char *Name;
    long double Value;
    Real6 Expected;
};

void PrintTo(const RoundingCase &c, std::ostream *os)
{
    *os << c.Name;
}

class Real6FromExtended : public testing::TestWithParam<RoundingCase> {};

TEST_P(Real6FromExtended, RoundsOnTheFirstDroppedBit)
{
    EXPECT_EQ(Real6::FromExtended(GetParam().Value), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, Real6FromExtended,
    testing::Values(
        RoundingCase{"One", 1, Real6::FromParts(false, 129, TopBit)},
        RoundingCase{"MinusHalf", -0.5L, Real6::FromParts(true, 128, TopBit)},
        RoundingCase{"Zero", 0, Real6()}, RoundingCase{"MinusZeroIsUnsigned", -0.0L, Real6()},
        // One plus half a unit: the tie goes up in magnitude although the kept bits are even.
        RoundingCase{"TieRoundsUp", 1 + std::ldexp(1.0L, -40), Real6::FromParts(false, 129, TopBit + 1)},
        RoundingCase{"NegativeTieRoundsUpInMagnitude", -(1 + std::ldexp(1.0L, -40)),
                     Real6::FromParts(true, 129, TopBit + 1)},
        RoundingCase{"JustBelowTieRoundsDown", 1 + std::ldexp(1.0L, -40) - std::ldexp(1.0L, -63),
                     Real6::FromParts(false, 129, TopBit)},
        RoundingCase{"CarryOutOfTheTop", 2 - std::ldexp(1.0L, -41), Real6::FromParts(false, 130, TopBit)},
        RoundingCase{"Smallest", std::ldexp(1.0L, -128), Real6::Smallest()},
        RoundingCase{"RoundsUpToSmallest", std::ldexp(1.0L, -128) * (1 - std::ldexp(1.0L, -41)),
                     Real6::Smallest()},
        RoundingCase{"BelowSmallestFlushes", std::ldexp(1.0L, -128) * (1 - std::ldexp(1.0L, -40)), Real6()},
        RoundingCase{"NegativeBelowSmallestFlushesUnsigned", -std::ldexp(1.0L, -129), Real6()},
        RoundingCase{"ExtendedSubnormalFlushes", std::numeric_limits<long double>::denorm_min(), Real6()},
        RoundingCase{"Largest", std::ldexp(2 - std::ldexp(1.0L, -39), 126), Real6::Largest()},
        RoundingCase{"BelowTieAboveLargest",
                     std::ldexp(2 - std::ldexp(1.0L, -39) + std::ldexp(1.0L, -41), 126), Real6::Largest()}),
    [](const testing::TestParamInfo<RoundingCase> &info) { return std::string(info.param.Name); });

struct FailingCase {
    const char *Name;
    long double Value;
    bool Overflow;
};

void PrintTo(const FailingCase &c, std::ostream *os)
{
    *os << c.Name;
}

class Real6FromExtendedFails : public testing::TestWithParam<FailingCase> {};

TEST_P(Real6FromExtendedFails, WithTheArithmeticKind)
{
    if (GetParam().Overflow)
        EXPECT_THROW(Real6::FromExtended(GetParam().Value), OverflowError);
    else
        EXPECT_THROW(Real6::FromExtended(GetParam().Value), InvalidOperationError);
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, Real6FromExtendedFails,
    testing::Values(FailingCase{"TieAboveLargestCarriesOut", std::ldexp(2 - std::ldexp(1.0L, -40), 126),
                                true},
                    FailingCase{"TwoToThe127", -std::ldexp(1.0L, 127), true},
                    FailingCase{"Huge", 1e300L, true},
                    FailingCase{"Infinity", std::numeric_limits<long double>::infinity(), true},
                    FailingCase{"NotANumber", std::numeric_limits<long double>::quiet_NaN(), false}),
    [](const testing::TestParamInfo<FailingCase> &info) { return std::string(info.param.Name); });

TEST(Real6, ToExtendedIsExactAndConvertsBackUnchanged)
{
    constexpr unsigned Seed = 6;
    std::mt19937_64 random(Seed);
    SCOPED_TRACE("seed " + std::to_string(Seed));
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t bits = random();
        const auto exponent = static_cast<std::uint8_t>(1 + bits % 255);
        const std::uint64_t significand = TopBit | ((bits >> 8) & (TopBit - 1));
        const Real6 value = Real6::FromParts((bits >> 63) != 0, exponent, significand);
        const long double extended = value.ToExtended();
        const long double expected = std::ldexp(static_cast<long double>(significand), exponent - 129 - 39) *
                                     (value.Negative() ? -1 : 1);
        ASSERT_EQ(extended, expected);
        ASSERT_EQ(Real6::FromExtended(extended), value);
    }
    EXPECT_EQ(Real6().ToExtended(), 0);
}

TEST(Real6, RangeRunsFromAbout2Point94EMinus39ToAbout1Point7E38)
{
    EXPECT_EQ(FormatGeneral(Real6::Smallest().ToExtended(), 3, LocaleValues()), "2.94E-39");
    EXPECT_EQ(FormatGeneral(Real6::Largest().ToExtended(), 3, LocaleValues()), "1.7E38");
}

TEST(StepTables, HoldTheNearestRealsToTheDecimalSteps)
{
    const long double loan[] = {100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000};
    for (size_t i = 0; i < LoanSteps.size(); ++i)
        EXPECT_EQ(LoanSteps[i].ToExtended(), loan[i]) << i;
    // 0.1 is 0.CCCCCCCCCC|C… in hexadecimal: the first dropped bit is set, so the last digit goes up.
    EXPECT_EQ(RateSteps[0], Real6::FromParts(false, 125, 0xCCCCCCCCCD));
    EXPECT_EQ(FormatGeneral(RateSteps[0].ToExtended(), 16, LocaleValues()), "0.1000000000000227");
    EXPECT_EQ(FormatGeneral(RateSteps[2].ToExtended(), 16, LocaleValues()), "0.2000000000000455");
    EXPECT_EQ(FormatGeneral(RateSteps[4].ToExtended(), 16, LocaleValues()), "0.3330000000000837");
    const long double exact[] = {0.125L, 0.25L, 0.375L, 0.5L, 0.75L, 1};
    const size_t exactIndex[] = {1, 3, 5, 6, 7, 8};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(RateSteps[exactIndex[i]].ToExtended(), exact[i]) << exactIndex[i];
}

} // namespace
