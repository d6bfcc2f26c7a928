#include "common/FailureGuard.h"

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
