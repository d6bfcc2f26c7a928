#include "common/WindowLook.h"

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
} // namespace
