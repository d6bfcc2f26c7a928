#include "controls/common/WindowLook.h"

#include <gtest/gtest.h>
#include <string>

namespace {
struct CentringCase {
    const char *Name;
    QRect Area;
    QSize Size;
    bool Clamp;
    QPoint Expected;
};

class CentredInTest : public testing::TestWithParam<CentringCase> {};

TEST_P(CentredInTest, PlacesTheTopLeftCorner)
{
    const CentringCase &c = GetParam();
    EXPECT_EQ(CentredIn(c.Area, c.Size, c.Clamp), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentredInTest,
    testing::Values(CentringCase{"OddSpareTruncates", {100, 50, 301, 201}, {100, 100}, false, {200, 100}},
                    // Halving truncates toward zero: -1 / 2 is 0, -3 / 2 is -1.
                    CentringCase{"LargerGoesPastTheEdge", {10, 10, 100, 100}, {103, 101}, false, {9, 10}},
                    CentringCase{
                        "LargerClampedKeepsTheCorner", {10, 10, 100, 100}, {300, 50}, true, {10, 35}}),
    [](const testing::TestParamInfo<CentringCase> &info) { return std::string(info.param.Name); });
struct BesideCase {
    const char *Name;
    QRect Owner;
    int MinimumWidth;
    int Cascade;
    QRect Expected;
};

class BesideWindowTest : public testing::TestWithParam<BesideCase> {};

// A 600 x 480 window, at least 200 high, on a 1280 x 1000 area.
TEST_P(BesideWindowTest, StandsClearOfTheOwnerInsideTheArea)
{
    const BesideCase &c = GetParam();
    EXPECT_EQ(BesideWindow(c.Owner, {600, 480}, {c.MinimumWidth, 200}, {0, 0, 1280, 1000}, c.Cascade),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BesideWindowTest,
    testing::Values(
        BesideCase{"RightWhereThereIsRoom", {100, 100, 400, 300}, 300, 0, {500, 100, 600, 480}},
        BesideCase{"ElseLeft", {700, 100, 400, 300}, 300, 0, {100, 100, 600, 480}},
        BesideCase{"ElseNarrowedOnTheRoomierSide", {300, 100, 566, 300}, 300, 0, {866, 100, 414, 480}},
        // Too narrow there: below, as high as the room, rather than over the owner.
        BesideCase{"ElseBelowOrAbove", {357, 100, 566, 600}, 400, 0, {357, 700, 600, 300}},
        BesideCase{"OverTheOwnerOnlyWhereNothingFits", {357, 100, 566, 850}, 400, 0, {880, 100, 400, 480}},
        // Away from the owner and down along it, the ninth at the first's place; never past the area.
        BesideCase{"CascadesAwayAndAlong", {100, 100, 400, 300}, 300, 2, {548, 148, 600, 480}},
        BesideCase{"CascadesAfreshAfterEight", {100, 100, 400, 300}, 300, 9, {524, 124, 600, 480}},
        BesideCase{"KeptAboveTheAreasBottom", {100, 800, 400, 100}, 300, 0, {500, 520, 600, 480}}),
    [](const testing::TestParamInfo<BesideCase> &info) { return std::string(info.param.Name); });
} // namespace
