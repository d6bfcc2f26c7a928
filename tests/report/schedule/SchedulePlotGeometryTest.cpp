#include "report/schedule/SchedulePlotGeometry.h"

#include <gtest/gtest.h>

namespace {

// A loan of 1,200.00 repaid in 24 payments, or in 18 with extras: its first year paid 90,000 cents of
// principal and 9,000 of interest, its second 6 months 30,000 and 1,000.
SchedulePlotSeries TwoYears()
{
    return {{{0, 120000}, {12, 60000}, {24, 0}},
            {{0, 120000}, {12, 30000}, {18, 0}},
            {{1, 0, 9000, 90000}, {2, 6, 1000, 30000}},
            18};
}

// The box from (10, 20) to (250, 170): 240 across, 150 down.
const QRectF Box(10, 20, 240, 150);

// Each tick as (position, value).
std::vector<QPointF> Marks(const std::vector<PlotTick> &ticks)
{
    std::vector<QPointF> marks;
    for (const PlotTick &tick : ticks)
        marks.emplace_back(tick.Position, static_cast<qreal>(tick.Value));
    return marks;
}

TEST(SchedulePlotGeometry, BalancesRunFromTheLoanAtTheLeftToTheLastPaymentOnARoundMoneyScale)
{
    const BalancePlot plot = BalancePlotIn(TwoYears(), Box);
    EXPECT_EQ(plot.Plain, QPolygonF({{10, 50}, {130, 110}, {250, 170}}));
    EXPECT_EQ(plot.WhatIf, QPolygonF({{10, 50}, {130, 140}, {190, 170}}));
    EXPECT_EQ(Marks(plot.Money), (std::vector<QPointF>{{170, 0}, {120, 50000}, {70, 100000}, {20, 150000}}));
    EXPECT_EQ(Marks(plot.Years), (std::vector<QPointF>{{10, 0}, {130, 1}, {250, 2}}));
}

TEST(SchedulePlotGeometry, EachYearStacksItsInterestOnItsPrincipalInTheMiddleOfItsSlot)
{
    const YearBarsPlot plot = YearBarsIn(TwoYears(), Box, 120);
    ASSERT_EQ(plot.Bars.size(), 2u);
    EXPECT_EQ(plot.Bars[0].Principal, QRectF(QPointF(28, 35), QPointF(112, 170)));
    EXPECT_EQ(plot.Bars[0].Interest, QRectF(QPointF(28, 21.5), QPointF(112, 35)));
    EXPECT_EQ(plot.Bars[1].Principal, QRectF(QPointF(148, 125), QPointF(232, 170)));
    EXPECT_EQ(plot.Bars[1].Interest, QRectF(QPointF(148, 123.5), QPointF(232, 125)));
    EXPECT_EQ(Marks(plot.Money), (std::vector<QPointF>{{170, 0}, {95, 50000}, {20, 100000}}));
    EXPECT_EQ(Marks(plot.Years), (std::vector<QPointF>{{70, 1}, {190, 2}}));
    // Bars 120 apart, their years no closer than 121.
    EXPECT_EQ(Marks(YearBarsIn(TwoYears(), Box, 121).Years), (std::vector<QPointF>{{70, 1}}));
}

} // namespace
