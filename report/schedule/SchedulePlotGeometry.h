#pragma once

#include "calc/SchedulePlot.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

// Where the printed plot of a schedule draws its description, in design pixels, for the boxes its two
// panels plot into: each axis's range spans the box, values growing from its bottom upwards and from
// its left to its right.

// A labelled mark along an axis: where it stands across (bottom axis) or down (left axis) the page.
struct PlotTick {
    qreal Position = 0;
    QString Text;

    bool operator==(const PlotTick &) const = default;
};

// The balance chart's lines in the description's order, and the payoff marker's centre.
struct BalancePlot {
    std::vector<QPolygonF> Lines;
    QPointF Payoff;
    std::vector<PlotTick> Money;
    std::vector<PlotTick> Time;
};
BalancePlot BalancePlotIn(const BalanceChart &chart, const QRectF &box);

// A year's bar: its parts in the stack's order, from the bottom up.
struct YearBar {
    std::vector<QRectF> Parts;
};

// Each bar 70 % of its year's slot and centred on its place.
struct YearBarsPlot {
    std::vector<YearBar> Bars;
    std::vector<PlotTick> Money;
    std::vector<PlotTick> Years;
};
YearBarsPlot YearBarsIn(const YearChart &chart, const QRectF &box);
