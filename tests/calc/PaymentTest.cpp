#include "calc/Payment.h"

#include "calc/Errors.h"
#include "calc/Extended.h"
#include "tests/support/CalcValuePrinters.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

Real6 R6(long double value)
{
    return Real6::FromExtended(value);
}

// The monthly rate the chart derives from an annual rate in percent.
Real6 Monthly(long double annualPercent)
{
    return R6(R6(annualPercent).ToExtended() * MonthlyRateFactor);
}

TEST(MonthlyRateFactor, IsTheExtendedNearestToOneTwelveHundredth)
{
    std::uint64_t significand = 0;
    std::memcpy(&significand, &MonthlyRateFactor, sizeof significand);
    EXPECT_EQ(significand, 0xDA740DA740DA740EULL);
    int exponent = 0;
    std::frexp(MonthlyRateFactor, &exponent);
    EXPECT_EQ(exponent, -10); // 1/1200 lies in [2^-11, 2^-10)
}

struct WorkedCase {
    const char *Name;
    long double Amount;
    long double AnnualPercent;
    std::int32_t Months;
    long double Low; // the payment lies in [Low, High), as closely as the worked value is known
    long double High;
};

void PrintTo(const WorkedCase &c, std::ostream *os)
{
    *os << c.Name;
}

class CalcPaymentWorked : public testing::TestWithParam<WorkedCase> {};

TEST_P(CalcPaymentWorked, GivesTheLevelPayment)
{
    const WorkedCase &c = GetParam();
    const long double payment = CalcPayment(R6(c.Amount), Monthly(c.AnnualPercent), c.Months).ToExtended();
    EXPECT_GE(payment, c.Low);
    EXPECT_LT(payment, c.High);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CalcPaymentWorked,
    testing::Values(WorkedCase{"Default", 100000, 8.75L, 360, 786.70040561L, 786.70040562L},
                    WorkedCase{"Lowest", 95000, 8, 360, 697.07634518L, 697.07634519L},
                    WorkedCase{"ZeroRate", 100000, 0, 360, 277.77777777L, 277.77777778L},
                    WorkedCase{"ZeroRateNegativeAmount", -100000, 0, 360, -277.77777778L, -277.77777777L},
                    WorkedCase{"NegativeRate", 100000, -0.5L, 360, 257.405L, 257.415L},
                    WorkedCase{"OneYear", 100000, 8.75L, 12, 8733.555L, 8733.565L}),
    [](const testing::TestParamInfo<WorkedCase> &info) { return std::string(info.param.Name); });

TEST(CalcPayment, NegativeAmountGivesTheNegatedPayment)
{
    for (const long double rate : {8.75L, 0.25L, -0.5L, 30.0L}) {
        for (const std::int32_t months : {12, 360, 3600}) {
            const Real6 positive = CalcPayment(R6(123456.78L), Monthly(rate), months);
            const Real6 negative = CalcPayment(R6(-123456.78L), Monthly(rate), months);
            EXPECT_EQ(negative.ToExtended(), -positive.ToExtended()) << rate << "% " << months;
        }
    }
}

// At a high rate over a long term the discount factor drops below the Real6 range without error.
TEST(CalcPayment, VanishingDiscountFactorLeavesTheInterestOnlyPayment)
{
    const Real6 rate = R6(0.5L);
    EXPECT_EQ(CalcPayment(R6(100000), rate, 360).ToExtended(), 50000);
    EXPECT_EQ(CalcPayment(R6(100000), rate, std::numeric_limits<std::int32_t>::max()).ToExtended(), 50000);
}

// The discount factor is rounded to 40 bits before 1 minus it is taken, which shows in the payment
// where 1 - v is small: 0.01 % a year over 12 months.
TEST(CalcPayment, DiscountFactorIsRoundedToReal6BeforeOneMinusItIsTaken)
{
    const Real6 rate = Monthly(0.01L);
    const long double i = rate.ToExtended();
    const long double v = std::exp(std::log(1 + i) * -12);
    const Real6 payment = CalcPayment(R6(100000), rate, 12);
    EXPECT_EQ(payment, R6(i * 100000 / (1 - R6(v).ToExtended())));
    EXPECT_NE(payment, R6(i * 100000 / (1 - v)));
}

enum class Kind { Overflow, DivisionByZero, InvalidOperation };

struct FailureCase {
    const char *Name;
    long double Amount;
    long double MonthlyRate;
    std::int32_t Months;
    Kind Expected;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.Name;
}

class CalcPaymentFails : public testing::TestWithParam<FailureCase> {};

TEST_P(CalcPaymentFails, WithTheArithmeticKind)
{
    const FailureCase &c = GetParam();
    const auto call = [&] { CalcPayment(R6(c.Amount), R6(c.MonthlyRate), c.Months); };
    switch (c.Expected) {
    case Kind::Overflow:
        EXPECT_THROW(call(), OverflowError);
        break;
    case Kind::DivisionByZero:
        EXPECT_THROW(call(), DivisionByZeroError);
        break;
    case Kind::InvalidOperation:
        EXPECT_THROW(call(), InvalidOperationError);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalcPaymentFails,
    testing::Values(FailureCase{"ZeroRateZeroMonths", 100000, 0, 0, Kind::DivisionByZero},
                    FailureCase{"ZeroAmountZeroRateZeroMonths", 0, 0, 0, Kind::InvalidOperation},
                    FailureCase{"RateMinusOne", 100000, -1, 360, Kind::DivisionByZero},
                    FailureCase{"RateBelowMinusOne", 100000, -1.5L, 360, Kind::InvalidOperation},
                    FailureCase{"ExpBeyondExtendedNegativeMonths", 100000, 0.01L,
                                std::numeric_limits<std::int32_t>::min(), Kind::Overflow},
                    FailureCase{"ExpBeyondExtendedNegativeRate", 100000, -0.5L, 100000, Kind::Overflow},
                    FailureCase{"DiscountFactorBeyondReal6", 100000, 0.01L, -10100, Kind::Overflow},
                    FailureCase{"ZeroMonthsNonZeroRate", 100000, 0.01L, 0, Kind::DivisionByZero},
                    FailureCase{"TinyRate", -4000, 9.47e-17L, 360, Kind::DivisionByZero},
                    FailureCase{"PaymentBeyondReal6", 1.5e38L, 2, 360, Kind::Overflow}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.Name); });

struct ExtendedCase {
    const char *Name;
    std::function<long double()> Operation;
    Kind Expected;
};

void PrintTo(const ExtendedCase &c, std::ostream *os)
{
    *os << c.Name;
}

class ExtendedOperationFails : public testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedOperationFails, WithTheArithmeticKind)
{
    try {
        GetParam().Operation();
        FAIL() << "no failure";
    } catch (const OverflowError &) {
        EXPECT_EQ(GetParam().Expected, Kind::Overflow);
    } catch (const DivisionByZeroError &) {
        EXPECT_EQ(GetParam().Expected, Kind::DivisionByZero);
    } catch (const InvalidOperationError &) {
        EXPECT_EQ(GetParam().Expected, Kind::InvalidOperation);
    }
}

constexpr long double Max = std::numeric_limits<long double>::max();

INSTANTIATE_TEST_SUITE_P(
    Operations, ExtendedOperationFails,
    testing::Values(
        ExtendedCase{"AddOverflow", [] { return Extended::Add(Max, Max); }, Kind::Overflow},
        ExtendedCase{"SubtractOverflow", [] { return Extended::Subtract(-Max, Max); }, Kind::Overflow},
        ExtendedCase{"MultiplyOverflow", [] { return Extended::Multiply(Max, 2); }, Kind::Overflow},
        ExtendedCase{"DivideOverflow", [] { return Extended::Divide(Max, 0.5L); }, Kind::Overflow},
        ExtendedCase{"DivideByZero", [] { return Extended::Divide(1, 0); }, Kind::DivisionByZero},
        ExtendedCase{"ZeroByZero", [] { return Extended::Divide(0, 0); }, Kind::InvalidOperation},
        ExtendedCase{"LnOfZero", [] { return Extended::Ln(0); }, Kind::DivisionByZero},
        ExtendedCase{"LnOfNegative", [] { return Extended::Ln(-1); }, Kind::InvalidOperation},
        ExtendedCase{"ExpOverflow", [] { return Extended::Exp(11357); }, Kind::Overflow},
        ExtendedCase{"InfinityMinusInfinity",
                     [] {
                         return Extended::Subtract(std::numeric_limits<long double>::infinity(),
                                                   std::numeric_limits<long double>::infinity());
                     },
                     Kind::InvalidOperation}),
    [](const testing::TestParamInfo<ExtendedCase> &info) { return std::string(info.param.Name); });

TEST(Extended, UnderflowAndInexactPassSilently)
{
    EXPECT_EQ(Extended::Exp(-20000), 0);
    EXPECT_GT(Extended::Multiply(std::numeric_limits<long double>::min(), 0.25L), 0);
    EXPECT_EQ(Extended::Divide(1, 3), 1.0L / 3);
}

} // namespace
