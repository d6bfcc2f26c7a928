#include "controls/common/FailureGuard.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

TEST(FailureGuard, HandsAFailureToTheInstalledHandlerAndStopsIt)
{
    std::string reported;
    SetFailureHandler([&](const std::exception &failure) { reported = failure.what(); });
    bool reachedEnd = false;
    RunGuarded([&] {
        throw std::runtime_error("boom");
        reachedEnd = true;
    });
    SetFailureHandler({});
    EXPECT_EQ(reported, "boom");
    EXPECT_FALSE(reachedEnd);
}

TEST(FailureGuard, AFailingHandlerDoesNotEscape)
{
    SetFailureHandler([](const std::exception &) { throw std::logic_error("handler failed"); });
    EXPECT_NO_THROW(RunGuarded([] { throw std::runtime_error("first"); }));
    SetFailureHandler({});
}

TEST(FailureGuard, ANotificationMayReplaceItselfWhileItRunsAndItsFailureIsReported)
{
    std::string reported;
    SetFailureHandler([&](const std::exception &failure) { reported = failure.what(); });
    std::function<void(int)> onChange;
    int seen = 0;
    onChange = [&](int value) {
        onChange = nullptr; // destroys the running closure unless the call runs on a copy
        seen = value;
        throw std::runtime_error("after " + std::to_string(seen));
    };
    RaiseGuarded(onChange, 7);
    RaiseGuarded(onChange, 8); // nothing bound any more
    SetFailureHandler({});
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(reported, "after 7");
}
