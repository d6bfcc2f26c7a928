#include "Chart.h"
#include "chart/PaymentChartReport.h"
#include "printer/PrinterError.h"
#include "printer/ReportPrinter.h"

#include <benchmark/benchmark.h>

namespace {

// A Letter printer that answers at once: 8 x 10.5 inches printable at 600 dots per inch. The
// benchmark measures the report, not the print system.
class LetterPrinter : public PrinterDevice {
public:
    std::optional<PrinterFacts> Measure(const PaperSettings &) override
    {
        return PrinterFacts{{4800, 6300}, {600, 600}, PrinterFacts::SheetFacts{{5100, 6600}, {150, 150}}};
    }
    void ReadSettings() override {}
    bool SupportsPaper(TRPPaperSize) override { return false; }
    std::unique_ptr<PrintJob> StartJob(const QString &, const PaperSettings &) override
    {
        throw PrinterError("the benchmark prints nothing");
    }
};

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
    TRPPrinter printer(std::make_unique<LetterPrinter>());
    TRPPaymentChart form(host, printer);
    for (auto _ : state) {
        form.Rep().CreateReport();
        benchmark::DoNotOptimize(printer.Pages().data());
        printer.DiscardPages();
    }
}
BENCHMARK(BM_CreateChartReport)->Unit(benchmark::kMicrosecond);

} // namespace
