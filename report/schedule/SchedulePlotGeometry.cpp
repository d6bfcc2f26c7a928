#include "report/schedule/SchedulePlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MostMoneySteps = 4;
constexpr int MostYearSteps = 5;
constexpr qreal BarShare = 0.7; // of a bar's slot

// The smallest of 1, 2 and 5 times a power of ten, `least` or more, that covers `top` in at most
// `most` steps.
std::int64_t RoundStep(std::int64_t top, int most, std::int64_t least)
{
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = power * factor;
            if (step >= least && step * most >= top)
                return step;
        }
    }
}

// Money ticks from 0 to the first at or above `top` cents, in whole currency units, along the box's
// height from its bottom.
std::vector<PlotTick> MoneyTicks(std::int64_t top, const QRectF &box)
{
    const std::int64_t step = RoundStep(std::max<std::int64_t>(top, 1), MostMoneySteps, 100);
    const std::int64_t scaleTop = (std::max<std::int64_t>(top, 1) + step - 1) / step * step;
    std::vector<PlotTick> ticks;
    for (std::int64_t value = 0; value <= scaleTop; value += step)
        ticks.push_back({box.bottom() - box.height() * static_cast<qreal>(value) / scaleTop, value});
    return ticks;
}

// Where `value` stands on the scale of `ticks`, from the box's bottom.
qreal MoneyY(std::int64_t value, const std::vector<PlotTick> &ticks, const QRectF &box)
{
    return box.bottom() - box.height() * static_cast<qreal>(value) / ticks.back().Value;
}

} // namespace

BalancePlot BalancePlotIn(const SchedulePlotSeries &series, const QRectF &box)
{
    BalancePlot plot;
    if (series.PlainBalance.empty())
        return plot;
    const std::int32_t lastPayment = std::max(series.PlainBalance.back().Payment, 1);
    plot.Money = MoneyTicks(series.PlainBalance.front().Balance, box);
    const auto polyline = [&](const std::vector<BalancePoint> &points) {
        QPolygonF line;
        for (const BalancePoint &point : points)
            line.append({box.left() + box.width() * point.Payment / lastPayment,
                         MoneyY(point.Balance, plot.Money, box)});
        return line;
    };
    plot.Plain = polyline(series.PlainBalance);
    plot.WhatIf = polyline(series.WhatIfBalance);
    const std::int32_t years = lastPayment / 12;
    const std::int64_t step = RoundStep(std::max(years, 1), MostYearSteps, 1);
    for (std::int64_t year = 0; year <= years; year += step)
        plot.Years.push_back({box.left() + box.width() * static_cast<qreal>(year * 12) / lastPayment, year});
    return plot;
}

YearBarsPlot YearBarsIn(const SchedulePlotSeries &series, const QRectF &box, qreal spacing)
{
    YearBarsPlot plot;
    std::int64_t largest = 0;
    for (const YearSplit &year : series.Years)
        largest = std::max(largest, year.Interest + year.Principal);
    plot.Money = MoneyTicks(largest, box);
    const qreal slot = box.width() / std::max<size_t>(series.Years.size(), 1);
    const std::int64_t labelEvery = RoundStep(static_cast<std::int64_t>(series.Years.size()), MostYearSteps,
                                              static_cast<std::int64_t>(std::ceil(spacing / slot)));
    for (size_t i = 0; i < series.Years.size(); ++i) {
        const YearSplit &year = series.Years[i];
        const qreal left = box.left() + slot * (static_cast<qreal>(i) + (1 - BarShare) / 2);
        const qreal principalTop = MoneyY(year.Principal, plot.Money, box);
        const qreal interestTop = MoneyY(year.Principal + year.Interest, plot.Money, box);
        plot.Bars.push_back(
            {QRectF(QPointF(left, principalTop), QPointF(left + slot * BarShare, box.bottom())),
             QRectF(QPointF(left, interestTop), QPointF(left + slot * BarShare, principalTop))});
        if (static_cast<std::int64_t>(i) % labelEvery == 0)
            plot.Years.push_back({left + slot * BarShare / 2, year.Number});
    }
    return plot;
}
