#include "calc/Chart.h"
#include "report/chart/PaymentChartReport.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"

#include <benchmark/benchmark.h>

namespace {

class InitialChart : public PrintedChartHost {
public:
    const PaymentChart &ChartToPrint() const override { return InitialPaymentChart(); }
    LocaleValues PrintLocale() const override { return {}; }
};

// Recording the chart's one page from the form: the engine's pass and the recording of every
// operation, then discarding the page.
void BM_CreateChartReport(benchmark::State &state)
{
    InitialChart host;
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    TRPPaymentChart form(host, printer);
    for (auto _ : state) {
        form.Rep().CreateReport();
        benchmark::DoNotOptimize(printer.Pages().data());
        printer.DiscardPages();
    }
}
BENCHMARK(BM_CreateChartReport)->Unit(benchmark::kMicrosecond);

} // namespace
