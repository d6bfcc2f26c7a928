#include "controls/grid/GridNavigation.h"

#include <gtest/gtest.h>
#include <ostream>

// Found by GoogleTest next to GridCell to print failing cells readably.
void PrintTo(const GridCell &cell, std::ostream *out)
{
    *out << "(" << cell.Col << ", " << cell.Row << ")";
}

namespace {
// Five columns by four rows, one fixed of each: non-fixed columns 1..4, rows 1..3.
constexpr GridExtent TestGrid{5, 4, 1, 1};

struct StepCase {
    const char *Name;
    T_nextcell Direction;
    GridCell From;
    GridCell Expected;
};

void PrintTo(const StepCase &c, std::ostream *out)
{
    *out << c.Name;
}

class NextCellInside : public testing::TestWithParam<StepCase> {};

TEST_P(NextCellInside, StepsAlongTheLineOrToTheNextLine)
{
    const StepCase &c = GetParam();
    for (t_lastcell rule : {lc_newcolrow, lc_stop, lc_first}) {
        const auto step = NextCellOf(TestGrid, c.Direction, rule, c.From);
        ASSERT_TRUE(step) << "rule " << rule;
        EXPECT_EQ(step->Cell, c.Expected) << "rule " << rule;
        EXPECT_EQ(step->Grow, NextCellStep::Growth::None);
    }
}

INSTANTIATE_TEST_SUITE_P(AllDirections, NextCellInside,
                         testing::Values(StepCase{"RightDownMiddle", nc_rightdown, {2, 2}, {3, 2}},
                                         StepCase{"RightDownLineEnd", nc_rightdown, {4, 2}, {1, 3}},
                                         StepCase{"DownRightMiddle", nc_downright, {2, 2}, {2, 3}},
                                         StepCase{"DownRightLineEnd", nc_downright, {2, 3}, {3, 1}},
                                         StepCase{"LeftDownMiddle", nc_leftdown, {2, 2}, {1, 2}},
                                         StepCase{"LeftDownLineEnd", nc_leftdown, {1, 2}, {4, 3}},
                                         StepCase{"DownLeftMiddle", nc_downleft, {2, 2}, {2, 3}},
                                         StepCase{"DownLeftLineEnd", nc_downleft, {2, 3}, {1, 1}},
                                         StepCase{"LeftUpMiddle", nc_leftup, {2, 2}, {1, 2}},
                                         StepCase{"LeftUpLineEnd", nc_leftup, {1, 2}, {4, 1}},
                                         StepCase{"UpLeftMiddle", nc_upleft, {2, 2}, {2, 1}},
                                         StepCase{"UpLeftLineEnd", nc_upleft, {2, 1}, {1, 3}},
                                         StepCase{"RightUpMiddle", nc_rightup, {2, 2}, {3, 2}},
                                         StepCase{"RightUpLineEnd", nc_rightup, {4, 2}, {1, 1}},
                                         StepCase{"UpRightMiddle", nc_upright, {2, 2}, {2, 1}},
                                         StepCase{"UpRightLineEnd", nc_upright, {2, 1}, {3, 3}}),
                         [](const testing::TestParamInfo<StepCase> &info) { return info.param.Name; });

struct PastEndCase {
    const char *Name;
    T_nextcell Direction;
    GridCell Last; // the last cell in that direction
    GridCell First;
    GridCell NewCell;
    NextCellStep::Growth Grow;
    int InsertAt;
};

void PrintTo(const PastEndCase &c, std::ostream *out)
{
    *out << c.Name;
}

class NextCellPastEnd : public testing::TestWithParam<PastEndCase> {};

TEST_P(NextCellPastEnd, StopGivesNoCell)
{
    EXPECT_FALSE(NextCellOf(TestGrid, GetParam().Direction, lc_stop, GetParam().Last));
}

TEST_P(NextCellPastEnd, FirstWrapsToTheFirstCellOfTheDirection)
{
    const auto step = NextCellOf(TestGrid, GetParam().Direction, lc_first, GetParam().Last);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->Cell, GetParam().First);
    EXPECT_EQ(step->Grow, NextCellStep::Growth::None);
}

TEST_P(NextCellPastEnd, NewColRowInsertsALineAndGivesItsCell)
{
    const PastEndCase &c = GetParam();
    const auto step = NextCellOf(TestGrid, c.Direction, lc_newcolrow, c.Last);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->Cell, c.NewCell);
    EXPECT_EQ(step->Grow, c.Grow);
    EXPECT_EQ(step->InsertAt, c.InsertAt);
}

using G = NextCellStep::Growth;
INSTANTIATE_TEST_SUITE_P(
    AllDirections, NextCellPastEnd,
    testing::Values(PastEndCase{"RightDown", nc_rightdown, {4, 3}, {1, 1}, {1, 4}, G::Row, 4},
                    PastEndCase{"DownRight", nc_downright, {4, 3}, {1, 1}, {5, 1}, G::Column, 5},
                    PastEndCase{"LeftDown", nc_leftdown, {1, 3}, {4, 1}, {4, 4}, G::Row, 4},
                    PastEndCase{"DownLeft", nc_downleft, {1, 3}, {4, 1}, {1, 1}, G::Column, 1},
                    PastEndCase{"LeftUp", nc_leftup, {1, 1}, {4, 3}, {4, 1}, G::Row, 1},
                    PastEndCase{"UpLeft", nc_upleft, {1, 1}, {4, 3}, {1, 3}, G::Column, 1},
                    PastEndCase{"RightUp", nc_rightup, {4, 1}, {1, 3}, {1, 1}, G::Row, 1},
                    PastEndCase{"UpRight", nc_upright, {4, 1}, {1, 3}, {5, 3}, G::Column, 5}),
    [](const testing::TestParamInfo<PastEndCase> &info) { return info.param.Name; });

TEST(NextCell, GridWithoutNonFixedCellsHasNoNextCell)
{
    EXPECT_FALSE(NextCellOf({1, 4, 1, 1}, nc_rightdown, lc_first, {0, 1}));
    EXPECT_FALSE(NextCellOf({5, 1, 1, 1}, nc_downright, lc_newcolrow, {1, 0}));
}

TEST(NextCell, ReversedSwapsThePairsAndIsItsOwnInverse)
{
    EXPECT_EQ(Reversed(nc_rightdown), nc_leftup);
    EXPECT_EQ(Reversed(nc_downright), nc_upleft);
    EXPECT_EQ(Reversed(nc_leftdown), nc_rightup);
    EXPECT_EQ(Reversed(nc_downleft), nc_upright);
    for (int d = nc_rightdown; d <= nc_upright; ++d)
        EXPECT_EQ(Reversed(Reversed(static_cast<T_nextcell>(d))), d);
}

// Walking a full circle with lc_first visits every non-fixed cell exactly once.
TEST(WalkToCell, FirstRuleVisitsEveryCellOnceAndComesBack)
{
    for (int d = nc_rightdown; d <= nc_upright; ++d) {
        int visited = 0;
        const GridCell start{2, 2};
        const auto step = [d](GridCell from) -> std::optional<GridCell> {
            const auto next = NextCellOf(TestGrid, static_cast<T_nextcell>(d), lc_first, from);
            return next ? std::optional(next->Cell) : std::nullopt;
        };
        const auto result = WalkToCell(
            start, step, [&visited](GridCell) { return ++visited, false; }, 100);
        ASSERT_TRUE(result) << "direction " << d;
        EXPECT_EQ(*result, start);
        EXPECT_EQ(visited, 12) << "direction " << d;
    }
}

TEST(WalkToCell, StopsAtTheFirstAcceptedCell)
{
    const auto step = [](GridCell from) -> std::optional<GridCell> {
        const auto next = NextCellOf(TestGrid, nc_rightdown, lc_stop, from);
        return next ? std::optional(next->Cell) : std::nullopt;
    };
    const auto found = WalkToCell(
        {1, 1}, step, [](GridCell c) { return c.Col == 1; }, 100);
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, (GridCell{1, 2}));
    EXPECT_FALSE(WalkToCell(
        {1, 1}, step, [](GridCell) { return false; }, 100));
}

TEST(WalkToCell, GivesUpAfterTheStepBound)
{
    int steps = 0;
    const auto endless = [&steps](GridCell from) -> std::optional<GridCell> {
        ++steps;
        return GridCell{from.Col, from.Row + 1};
    };
    EXPECT_FALSE(WalkToCell(
        {1, 1}, endless, [](GridCell) { return false; }, 50));
    EXPECT_EQ(steps, 50);
}
} // namespace
