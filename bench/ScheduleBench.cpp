// The exact payment schedule of a 30-year loan: the month-by-month rows a schedule window opens on.
#include "Schedule.h"

#include <benchmark/benchmark.h>

namespace {

void MonthlyScheduleThirtyYears(benchmark::State &state)
{
    // 100,000.00 at 8.75 % (7/960 a month), the chart's payment of 786.70.
    for (auto _ : state)
        benchmark::DoNotOptimize(MonthlySchedule(10000000, 78670, {7, 960}, 360));
}
BENCHMARK(MonthlyScheduleThirtyYears)->Unit(benchmark::kMicrosecond);

} // namespace
