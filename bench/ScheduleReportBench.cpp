// Recording the printed pages of a 40-year monthly payment schedule, without a print system.
#include "printer/PrinterError.h"
#include "printer/ReportPrinter.h"
#include "schedule/ScheduleReport.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// A Letter printer that answers at once: 8 x 10.5 inches printable at 600 dots per inch.
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

void BM_CreateFortyYearScheduleReport(benchmark::State &state)
{
    // 100,000.00 at 8.75 % (7/960 a month) over 480 months, the chart's payment of 752.21.
    PaymentSchedule schedule;
    schedule.LoanText = "$100,000.00";
    schedule.RateText = "8.75%";
    schedule.Years = 40;
    schedule.PaymentCents = 75221;
    schedule.Monthly = MonthlySchedule(10000000, schedule.PaymentCents, {7, 960}, 480);
    TRPPrinter printer(std::make_unique<LetterPrinter>());
    TRPSchedule form(schedule, ScheduleView::Monthly, {"$", 0, 0, ",", "."}, printer);
    for (auto _ : state) {
        form.Rep().CreateReport();
        state.counters["pages"] = printer.PageCount();
        printer.DiscardPages();
    }
}
BENCHMARK(BM_CreateFortyYearScheduleReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
