#pragma once

#include "calc/LocaleValues.h"
#include "calc/SchedulePlot.h"
#include "report/engine/RPControls.h"

// The plot of a schedule on a band, as DescribePlot describes it for paper, in two panels side by side
// across the control's rectangle: the balance without the extras (solid) and with them (dashed) over
// the years, the payoff marked with a dot; and each year's interest (light grey) with its principal
// (dark grey) stacked on it. Each panel has its title and its money axis's title above, money marks in
// the locale's currency at its left, years below with their axis's title, and its legend under them.
// Vector lines, fills and texts on the page, all inside the rectangle (design pixels).
class TRPSchedulePlot : public TRPCustomControl {
public:
    using TRPCustomControl::TRPCustomControl;

    void SetSeries(const SchedulePlotSeries &series, const LocaleValues &locale);

    void PrintAt(const TRPPrintContext &context, int x, int y) override;

private:
    SchedulePlotDescription m_plot;
};
