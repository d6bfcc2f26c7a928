#include "calc/Errors.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {
struct FailureCase {
    const char *Name;
    std::function<void()> Raise;
    const char *Expected;
};

class FailureMessageByFamily : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureMessageByFamily, ChoosesTheTextOfTheFamily)
{
    try {
        GetParam().Raise();
        FAIL() << "nothing was raised";
    } catch (const std::exception &failure) {
        EXPECT_EQ(FailureMessage(failure), GetParam().Expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureMessageByFamily,
    testing::Values(
        FailureCase{"Overflow", [] { throw OverflowError(); }, ArithmeticFailureMessage},
        FailureCase{"DivisionByZero", [] { throw DivisionByZeroError(); }, ArithmeticFailureMessage},
        FailureCase{"InvalidOperation", [] { throw InvalidOperationError(); }, ArithmeticFailureMessage},
        FailureCase{"Conversion", [] { throw ConversionError("'x' is not a valid floating point value"); },
                    OtherFailureMessage},
        FailureCase{"StandardOverflow", [] { throw std::overflow_error("integer"); }, OtherFailureMessage},
        FailureCase{"OutOfMemory", [] { throw std::bad_alloc(); }, OtherFailureMessage}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.Name); });
} // namespace
