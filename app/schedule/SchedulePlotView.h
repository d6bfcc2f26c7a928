#pragma once

#include "calc/LocaleValues.h"
#include "calc/SchedulePlot.h"

#include <QWidget>

// The plot of a schedule: the balance over time with the extras and without, the payoff marked, and
// each year's interest and principal, in the locale's currency, in calendar years when dated, as
// DescribePlot describes it for the screen. Its charts come from a module that the first plot loads
// (Qt Charts stays out of the start-up); where it cannot be loaded, the plot says why instead. Its
// accessible description says the payoff and the totals. Its minimum size (minimumSizeHint, in logical
// pixels, from its charts) is the least in which every title, axis label and legend entry reads whole
// and the payoff marker stands inside the plot.
class TSchedulePlot : public QWidget {
    Q_OBJECT
public:
    explicit TSchedulePlot(QWidget *parent = nullptr);

    // Draws `series` anew, replacing what was shown.
    void ShowSeries(const SchedulePlotSeries &series, const LocaleValues &locale);

private:
    QWidget *m_charts = nullptr; // none when the module is not available
};
