// Recording the printed pages of a 40-year monthly payment schedule, without a print system.
#include "report/printer/ReportPrinter.h"
#include "report/schedule/ScheduleReport.h"
#include "tests/report/support/FakePrinterDevice.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CreateFortyYearScheduleReport(benchmark::State &state)
{
    // 100,000.00 at 8.75 % (7/960 a month) over 480 months, the chart's payment of 752.21.
    const PaymentSchedule schedule =
        MakePaymentSchedule("$100,000.00", "8.75%", 40, 10000000, 75221, {7, 960});
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    const WhatIfSchedule plain = WhatIfOf(schedule, {});
    TRPSchedule form(schedule, plain, ScheduleView::Monthly, {"$", 0, 0, ",", "."}, printer);
    for (auto _ : state) {
        form.Rep().CreateReport();
        state.counters["pages"] = printer.PageCount();
        printer.DiscardPages();
    }
}
BENCHMARK(BM_CreateFortyYearScheduleReport)->Unit(benchmark::kMillisecond);

} // namespace
