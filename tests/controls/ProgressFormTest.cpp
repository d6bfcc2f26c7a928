#include "controls/ProgressForm.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressSteps, MovesInAtMostTwentyJumps)
{
    ProgressSteps steps;
    steps.SetMaximum(100);
    int jumps = 0;
    for (int n = 1; n <= 100; ++n)
        jumps += steps.MovesTo(n);
    EXPECT_EQ(jumps, 20);
    steps.SetMaximum(7);
    EXPECT_TRUE(steps.MovesTo(1)) << "a step of at least 1";
    steps.SetMaximum(0);
    EXPECT_FALSE(steps.MovesTo(5));
}

} // namespace
