// Opening, painting and closing a payment schedule window, again and again: the time and what each
// cycle leaves on the heap once the first windows have filled the caches they share.
#include "app/ReportPrinting.h"
#include "app/schedule/ScheduleWindow.h"
#include "report/printer/CupsPrinterDevice.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

// 1,200.00 at 12 % repaid by 100.00 a month over two years.
PaymentSchedule TwoYearSchedule()
{
    return MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
}

void OpenPaintAndClose(const PaymentSchedule &schedule, ReportPrinting &printing)
{
    auto *window = new TfrmSchedule(schedule, LocaleValues{"$", 0, 0, ",", "."}, printing, nullptr);
    window->show();
    QCoreApplication::processEvents();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenAndCloseScheduleWindow(benchmark::State &state)
{
    const PaymentSchedule schedule = TwoYearSchedule();
    ReportPrinting printing(std::make_unique<CupsPrinterDevice>()); // never asked: nothing prints
    for (int i = 0; i < 20; ++i)
        OpenPaintAndClose(schedule, printing);
    const size_t heapBefore = mallinfo2().uordblks;
    for (auto _ : state)
        OpenPaintAndClose(schedule, printing);
    const double growth = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heapBefore);
    state.counters["heap_growth_per_cycle_B"] = growth / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OpenAndCloseScheduleWindow)->Iterations(300)->Unit(benchmark::kMillisecond);

} // namespace
