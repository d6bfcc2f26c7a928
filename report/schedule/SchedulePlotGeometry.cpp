#include "report/schedule/SchedulePlotGeometry.h"

namespace {

constexpr qreal BarShare = 0.7; // of a bar's slot

// Where `value` of `axis` stands across the box, from its left.
qreal Across(const PlotAxis &axis, const QRectF &box, double value)
{
    return box.left() + box.width() * (value - axis.Min) / (axis.Max - axis.Min);
}

// Where `value` of `axis` stands down the box, from its bottom upwards.
qreal Down(const PlotAxis &axis, const QRectF &box, double value)
{
    return box.bottom() - box.height() * (value - axis.Min) / (axis.Max - axis.Min);
}

template <class Place> std::vector<PlotTick> Ticks(const PlotAxis &axis, Place place)
{
    std::vector<PlotTick> ticks;
    for (const PlotMark &mark : axis.Marks)
        ticks.push_back({place(mark.Value), QString::fromStdString(mark.Text)});
    return ticks;
}

} // namespace

BalancePlot BalancePlotIn(const BalanceChart &chart, const QRectF &box)
{
    const auto across = [&](double time) { return Across(chart.Time, box, time); };
    const auto down = [&](double amount) { return Down(chart.Money, box, amount); };
    BalancePlot plot;
    for (const PlotLine &line : chart.Lines) {
        QPolygonF polyline;
        for (const PlotPoint &point : line.Points)
            polyline.append({across(point.Time), down(point.Amount)});
        plot.Lines.push_back(polyline);
    }
    plot.Payoff = {across(chart.Payoff.Time), down(chart.Payoff.Amount)};
    plot.Money = Ticks(chart.Money, down);
    plot.Time = Ticks(chart.Time, across);
    return plot;
}

YearBarsPlot YearBarsIn(const YearChart &chart, const QRectF &box)
{
    const auto across = [&](double place) { return Across(chart.Years, box, place); };
    const auto down = [&](double amount) { return Down(chart.Money, box, amount); };
    YearBarsPlot plot;
    const qreal barWidth = (across(1) - across(0)) * BarShare;
    const size_t count = chart.Stack.empty() ? 0 : chart.Stack.front().Amounts.size();
    for (size_t i = 0; i < count; ++i) {
        const qreal left = across(static_cast<double>(i)) - barWidth / 2;
        YearBar bar;
        double base = 0;
        for (const PlotBarSet &part : chart.Stack) {
            const double top = base + part.Amounts[i];
            bar.Parts.push_back(QRectF(QPointF(left, down(top)), QPointF(left + barWidth, down(base))));
            base = top;
        }
        plot.Bars.push_back(bar);
    }
    plot.Money = Ticks(chart.Money, down);
    plot.Years = Ticks(chart.Years, across);
    return plot;
}
