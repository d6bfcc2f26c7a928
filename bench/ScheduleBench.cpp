// The exact payment schedule of a loan: the month-by-month rows a schedule window opens on, and the
// rows it recomputes when extra payments change.
#include "CellSchedule.h"
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

void WhatIfFortyYears(benchmark::State &state)
{
    // 400,000.00 at 6.5 % over 40 years at the level payment of 2,341.83; 150.00 more a month from
    // the second year and a few one-time extras, dated from March 2024: monthly and calendar-year rows
    // with their running totals.
    PaymentSchedule plain;
    plain.Years = 40;
    plain.PaymentCents = 234183;
    plain.LoanCents = 40000000;
    plain.Rate = {13, 2400};
    plain.Monthly = MonthlySchedule(plain.LoanCents, plain.PaymentCents, plain.Rate, 480);
    const ScheduleExtras extras{15000, 13, {{6, 500000}, {60, 1000000}, {61, 250000}, {240, 2000000}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(WhatIfOf(plain, extras, PaymentMonth{2024, 3}));
}
BENCHMARK(WhatIfFortyYears)->Unit(benchmark::kMicrosecond);

} // namespace
