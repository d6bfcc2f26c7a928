#include "ChartCopy.h"

#include <gtest/gtest.h>

namespace {
TEST(ChartCopy, OneLinePerRowTabsBetweenCellsLeadingBlanksDropped)
{
    const QString cells[2][3] = {{" Amount/Rate", "  8%", "  8.25%"}, {" $95,000.00", " $747.37", ""}};
    const QString text =
        ChartAsTabSeparatedText(3, 2, [&](int column, int row) { return cells[row][column]; });
    EXPECT_EQ(text, QStringLiteral("Amount/Rate\t8%\t8.25%\n$95,000.00\t$747.37\t\n"));
}

TEST(ChartCopy, KeepsInnerAndTrailingBlanks)
{
    const QString text = ChartAsTabSeparatedText(1, 1, [](int, int) { return QStringLiteral("  a b "); });
    EXPECT_EQ(text, QStringLiteral("a b \n"));
}

TEST(ChartCopy, EmptyChartGivesNoText)
{
    EXPECT_TRUE(ChartAsTabSeparatedText(0, 0, [](int, int) { return QString(); }).isEmpty());
}
} // namespace
