#pragma once

#include "calc/SchedulePlot.h"

#include <QPolygonF>
#include <QRectF>
#include <cstdint>
#include <vector>

// Where the printed plot of a schedule draws its series, in design pixels, for the boxes its two
// panels plot into: the balances over the years on the left, each year's interest and principal on
// the right. Values grow from the box's bottom upwards, the years from its left to its right.

// A mark along an axis: where it stands across (years) or down (money) the page, and its value.
struct PlotTick {
    qreal Position = 0;
    std::int64_t Value = 0; // cents, or years
};

// The balance without the extras (solid) and with them (dashed). Payment 0 stands at the box's left,
// the last payment without extras at its right; 0 owed at its bottom, the top money tick at its top.
struct BalancePlot {
    QPolygonF Plain;
    QPolygonF WhatIf;
    std::vector<PlotTick> Money; // from 0 up in round steps, the last at or above the loan
    std::vector<PlotTick> Years; // loan years from 0 in round steps, none beyond the last payment
};
BalancePlot BalancePlotIn(const SchedulePlotSeries &series, const QRectF &box);

// A year's principal from the bottom, its interest stacked on top.
struct YearBar {
    QRectF Principal;
    QRectF Interest;
};

// One bar per year of the schedule with extras, side by side in equal slots, each bar 70 % of its
// slot and centred in it; the top money tick at the box's top.
struct YearBarsPlot {
    std::vector<YearBar> Bars;
    std::vector<PlotTick> Money; // from 0 up in round steps, the last at or above the largest year
    std::vector<PlotTick> Years; // every few bars from the first: the bar's centre and its year
};
// The years marked at least `spacing` apart.
YearBarsPlot YearBarsIn(const SchedulePlotSeries &series, const QRectF &box, qreal spacing);
