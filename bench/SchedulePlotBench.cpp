// Redrawing the schedule's plot, as each change of the what-if inputs does: a 30-year loan of
// $100,000.00 at 8.75 % with $200.00 a month extra, dated, shown and painted.
#include "app/schedule/SchedulePlotView.h"
#include "calc/CellSchedule.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_RedrawSchedulePlot(benchmark::State &state)
{
    const PaymentSchedule plain =
        MakePaymentSchedule("$100,000.00", "8.75%", 30, 100000'00, 786'70, MonthlyRate{7, 960});
    ScheduleExtras extras;
    extras.MonthlyCents = 200'00;
    const PaymentMonth firstPayment{2024, 3};
    const SchedulePlotSeries series = PlotSeriesOf(plain, WhatIfOf(plain, extras, firstPayment));
    const LocaleValues locale{"$", 0, 0, ",", "."};
    TSchedulePlot plot;
    plot.resize(700, 450);
    plot.show();
    for (auto _ : state) {
        plot.ShowSeries(series, locale);
        plot.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawSchedulePlot)->Unit(benchmark::kMillisecond);

} // namespace
