#pragma once

#include "calc/LocaleValues.h"
#include "calc/SchedulePlot.h"
#include "report/engine/RPControls.h"

// The plot of a schedule on a band, in two panels side by side across the control's rectangle: the
// balance without the extras (solid) and with them (dashed) over the loan years, and each year's
// principal (dark grey) with its interest (light grey) stacked on it. Each panel has a caption above,
// money marks in the locale's currency at its left, years below and its legend under them. Vector
// lines, fills and texts on the page, all inside the rectangle (design pixels).
class TRPSchedulePlot : public TRPCustomControl {
public:
    using TRPCustomControl::TRPCustomControl;

    void SetSeries(SchedulePlotSeries series, LocaleValues locale);

    void PrintAt(const TRPPrintContext &context, int x, int y) override;

private:
    SchedulePlotSeries m_series;
    LocaleValues m_locale;
};
