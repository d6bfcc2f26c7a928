// The exact payment schedule of a 30-year loan: the rows by month and by year a schedule window opens on.
#include "CellSchedule.h"

#include <benchmark/benchmark.h>

namespace {

void PaymentScheduleThirtyYears(benchmark::State &state)
{
    // 100,000.00 at 8.75 % (7/960 a month), the chart's payment of 786.70.
    for (auto _ : state)
        benchmark::DoNotOptimize(MakePaymentSchedule("$100,000.00", "8.75%", 30, 10000000, 78670, {7, 960}));
}
BENCHMARK(PaymentScheduleThirtyYears)->Unit(benchmark::kMicrosecond);

} // namespace
