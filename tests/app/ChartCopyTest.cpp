#include "app/ChartCopy.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
TEST(ChartCopy, OneLinePerRowTabsBetweenCellsLeadingBlanksDropped)
{
    PaymentChart chart;
    chart.SetCell(0, 0, " Amount/Rate");
    chart.SetCell(1, 0, "  8%");
    chart.SetCell(0, 1, " $95,000.00");
    chart.SetCell(1, 1, " $747.37");
    chart.SetCell(7, 11, "  a b ");
    const QStringList lines = ChartAsTabSeparatedText(chart).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), PaymentChart::RowCount + 1); // the last line feed ends the text
    EXPECT_EQ(lines[0], QStringLiteral("Amount/Rate\t8%\t\t\t\t\t\t"));
    EXPECT_EQ(lines[1], QStringLiteral("$95,000.00\t$747.37\t\t\t\t\t\t"));
    EXPECT_EQ(lines[11], QStringLiteral("\t\t\t\t\t\t\ta b "));
    EXPECT_TRUE(lines[12].isEmpty());
}
} // namespace
