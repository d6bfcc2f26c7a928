#include "FailureMessages.h"

#include "Errors.h"

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
    testing::Values(FailureCase{"Overflow", [] { throw OverflowError(); }, TooLargeMessage},
                    FailureCase{"DivisionByZero", [] { throw DivisionByZeroError(); }, TooLargeMessage},
                    FailureCase{"InvalidOperation", [] { throw InvalidOperationError(); }, TooLargeMessage},
                    FailureCase{"Conversion",
                                [] { throw ConversionError("'x' is not a valid floating point value"); },
                                UnidentifiedErrorMessage},
                    FailureCase{"StandardOverflow", [] { throw std::overflow_error("integer"); },
                                UnidentifiedErrorMessage},
                    FailureCase{"OutOfMemory", [] { throw std::bad_alloc(); }, UnidentifiedErrorMessage}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.Name); });
} // namespace
