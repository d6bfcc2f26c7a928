#include "calc/Errors.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

// The two texts the user reads, the arithmetic one in its four lines.
constexpr const char *TooLarge = "The results of this calculation will be\n\rtoo large for your system to "
                                 "calculate.\n\r\n\rPlease try again with smaller numbers.";
constexpr const char *Unidentified = "An unidentified error has occurred.";

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
        EXPECT_STREQ(FailureMessage(failure), GetParam().Expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureMessageByFamily,
    testing::Values(
        FailureCase{"Overflow", [] { throw OverflowError(); }, TooLarge},
        FailureCase{"DivisionByZero", [] { throw DivisionByZeroError(); }, TooLarge},
        FailureCase{"InvalidOperation", [] { throw InvalidOperationError(); }, TooLarge},
        FailureCase{"Conversion", [] { throw ConversionError("'x' is not a valid floating point value"); },
                    Unidentified},
        FailureCase{"StandardOverflow", [] { throw std::overflow_error("integer"); }, Unidentified},
        FailureCase{"OutOfMemory", [] { throw std::bad_alloc(); }, Unidentified}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.Name); });
} // namespace
