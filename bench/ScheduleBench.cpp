// The exact payment schedule of a loan: the rows by month and by year a schedule window opens on, and
// the rows the tool makes of it with extra payments and dates.
#include "calc/CellSchedule.h"

#include <benchmark/benchmark.h>

namespace {

void PaymentScheduleThirtyYears(benchmark::State &state)
{
    // 100,000.00 at 8.75 % (7/960 a month), the chart's payment of 786.70.
    for (auto _ : state)
        benchmark::DoNotOptimize(MakePaymentSchedule("$100,000.00", "8.75%", 30, 10000000, 78670, {7, 960}));
}
BENCHMARK(PaymentScheduleThirtyYears)->Unit(benchmark::kMicrosecond);

void WhatIfFortyYears(benchmark::State &state)
{
    // 400,000.00 at 6.5 % over 40 years at the level payment of 2,341.83; 150.00 more a month from
    // the second year and a few one-time extras, dated from March 2024: monthly and calendar-year rows
    // with their running totals.
    const PaymentSchedule plain =
        MakePaymentSchedule("$400,000.00", "6.5%", 40, 40000000, 234183, {13, 2400});
    const ScheduleExtras extras{15000, 13, {{6, 500000}, {60, 1000000}, {61, 250000}, {240, 2000000}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(WhatIfOf(plain, extras, PaymentMonth{2024, 3}));
}
BENCHMARK(WhatIfFortyYears)->Unit(benchmark::kMicrosecond);

} // namespace
