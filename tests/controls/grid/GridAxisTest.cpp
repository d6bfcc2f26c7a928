#include "controls/grid/GridAxis.h"

#include <gtest/gtest.h>

namespace {
// Six lines of 20 pixels plus a 1-pixel grid line each; the first one fixed.
GridAxis SixLines()
{
    GridAxis axis;
    axis.SetCount(6, 20);
    axis.SetFixed(1);
    return axis;
}

TEST(GridAxis, FixedLinesStayWhileScrolledLinesFollowThem)
{
    GridAxis axis = SixLines();
    EXPECT_EQ(axis.Start(0), 0);
    EXPECT_EQ(axis.Start(2), 42);
    axis.SetFirst(3);
    EXPECT_EQ(axis.Start(0), 0);
    EXPECT_EQ(axis.Start(1), -1); // scrolled out
    EXPECT_EQ(axis.Start(3), 21);
    EXPECT_EQ(axis.IndexAt(20), 0); // the grid line belongs to the line before it
    EXPECT_EQ(axis.IndexAt(21), 3);
    EXPECT_EQ(axis.IndexAt(21 * 4), -1); // past the last line
    EXPECT_EQ(axis.IndexAt(-1), -1);
}

TEST(GridAxis, MaxFirstShowsTheLastLineEntirely)
{
    const GridAxis axis = SixLines();
    EXPECT_EQ(axis.MaxFirst(21 * 6), 1);  // everything fits
    EXPECT_EQ(axis.MaxFirst(21 + 41), 4); // room for lines 4 and 5 (20 + 1 + 20)
    EXPECT_EQ(axis.MaxFirst(21 + 40), 5); // one pixel short of two lines
    EXPECT_EQ(axis.MaxFirst(5), 5);       // not even one: the last line is first
}

TEST(GridAxis, FullyVisibleCountIgnoresAPartlyShownLine)
{
    const GridAxis axis = SixLines();
    EXPECT_EQ(axis.FullyVisibleCount(21 + 20), 1);
    EXPECT_EQ(axis.FullyVisibleCount(21 + 40), 1);
    EXPECT_EQ(axis.FullyVisibleCount(21 + 41), 2);
    EXPECT_EQ(axis.FullyVisibleCount(3), 1); // at least one
    EXPECT_EQ(axis.LastVisible(21 + 22), 2);
}

TEST(GridAxis, ShrinkingKeepsFirstAndFixedInside)
{
    GridAxis axis = SixLines();
    axis.SetFirst(5);
    axis.SetCount(3, 20);
    EXPECT_EQ(axis.First(), 2);
    axis.SetFixed(7);
    EXPECT_EQ(axis.Fixed(), 3);
}
} // namespace
