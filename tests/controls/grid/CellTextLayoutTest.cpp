#include "controls/grid/CellTextLayout.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {
// Every character 7 pixels wide, lines 13 pixels high.
QSize Measure(const QString &line)
{
    return QSize(7 * static_cast<int>(line.size()), 13);
}

const QRect TestCell(100, 40, 69, 20); // right edge (exclusive) at 169

TEST(CellTextLayout, LinesStartTwoPixelsBelowTheTopAndStackByLineHeight)
{
    const auto lines = LayoutCellText(QString("A\r\nBC"), TestCell, alLeft, Measure);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Text, "A");
    EXPECT_EQ(lines[0].Y, 42);
    EXPECT_EQ(lines[1].Text, "BC"); // the line feed behind the carriage return is dropped
    EXPECT_EQ(lines[1].Y, 55);
}

TEST(CellTextLayout, LineFeedNotBehindACarriageReturnStaysInTheLine)
{
    const auto lines = LayoutCellText(QString("A\nB"), TestCell, alLeft, Measure);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text, "A\nB");
}

TEST(CellTextLayout, TextEndingInCarriageReturnHasNothingVisibleAfterIt)
{
    const auto lines = LayoutCellText(QString("AB\r"), TestCell, alLeft, Measure);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Text, "AB");
    EXPECT_TRUE(lines[1].Text.isEmpty());
}

TEST(CellTextLayout, EmptyTextIsOneEmptyLine)
{
    const auto lines = LayoutCellText(QString(), TestCell, alCenter, Measure);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].Text.isEmpty());
}

struct AlignCase {
    const char *Name;
    TCellAlign Alignment;
    QString Text;
    int ExpectedX;
};

void PrintTo(const AlignCase &c, std::ostream *out)
{
    *out << c.Name;
}

class CellTextAlignment : public testing::TestWithParam<AlignCase> {};

TEST_P(CellTextAlignment, PlacesTheLine)
{
    const auto lines = LayoutCellText(GetParam().Text, TestCell, GetParam().Alignment, Measure);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].X, GetParam().ExpectedX);
}

// Widths: "ABC" 21, "ABCD" 28, a 12-character line 84 (wider than the 69-pixel cell).
INSTANTIATE_TEST_SUITE_P(
    Alignments, CellTextAlignment,
    testing::Values(AlignCase{"LeftTwoPixelsIn", alLeft, "ABC", 102},
                    AlignCase{"RightTwoPixelsFromTheEdge", alRight, "ABC", 169 - 21 - 2},
                    AlignCase{"CenterHalvesTheSpareRoom", alCenter, "ABC", 100 + (69 - 21) / 2},
                    AlignCase{"CenterTruncatesAnOddHalf", alCenter, "ABCD", 100 + 20},
                    AlignCase{"CenterOfAWideLineStartsLeftOfTheCell", alCenter, "ABCDEFGHIJKL", 100 - 7},
                    AlignCase{"UnknownAlignmentActsAsLeft", static_cast<TCellAlign>(7), "ABC", 102}),
    [](const testing::TestParamInfo<AlignCase> &info) { return info.param.Name; });

TEST(CellTextLayout, EachLineIsAlignedByItself)
{
    const auto lines = LayoutCellText(QString("A\rABC"), TestCell, alRight, Measure);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].X, 169 - 7 - 2);
    EXPECT_EQ(lines[1].X, 169 - 21 - 2);
}
} // namespace
