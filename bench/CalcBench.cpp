// The chart builder against the floor of a chart that forms each payment by itself: 77 logarithms
// and exponentials. Sharing the discount factor of a column leaves 7 of each.
#include "calc/Chart.h"
#include "calc/Format.h"
#include "calc/Payment.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>

namespace {

// The default inputs: 100,000 over 30 years at 8.75 %, both steps at index 3.
ChartInputs DefaultInputs()
{
    ChartInputs inputs;
    inputs.LoanAmount = Real6::FromExtended(100000);
    inputs.Years = 30;
    inputs.AnnualRate = Real6::FromExtended(8.75L);
    return inputs;
}

void BuildPaymentChartDefault(benchmark::State &state)
{
    const LocaleValues locale{"$", 0, 0, ",", "."};
    const ChartInputs inputs = DefaultInputs();
    PaymentChart chart;
    for (auto _ : state) {
        BuildPaymentChart(inputs, locale, chart);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BuildPaymentChartDefault);

void CalcPaymentDefaultCell(benchmark::State &state)
{
    const Real6 amount = Real6::FromExtended(100000);
    const Real6 rate = Real6::FromExtended(8.75L * MonthlyRateFactor);
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(CalcPayment(amount, rate, 360));
    }
}
BENCHMARK(CalcPaymentDefaultCell);

void FormatCurrencyPayment(benchmark::State &state)
{
    const LocaleValues locale{"$", 0, 0, ",", "."};
    long double value = 786.70040561L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatCurrency(value, locale));
    }
}
BENCHMARK(FormatCurrencyPayment);

// The exact layout of the schedule's figures, on the same payment in cents.
void FormatCurrencyCentsPayment(benchmark::State &state)
{
    const LocaleValues locale{"$", 0, 0, ",", "."};
    std::int64_t cents = 78670;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cents);
        benchmark::DoNotOptimize(FormatCurrencyCents(cents, locale));
    }
}
BENCHMARK(FormatCurrencyCentsPayment);

// The floor: one logarithm and one exponential per payment cell on the default chart's arguments.
void FloorLogExp77(benchmark::State &state)
{
    std::array<long double, 7> onePlusRates{};
    for (int column = 0; column < 7; ++column)
        onePlusRates[column] = 1 + (8.0L + 0.25L * column) * MonthlyRateFactor;
    for (auto _ : state) {
        for (const long double s : onePlusRates) {
            for (int row = 0; row < 11; ++row) {
                long double argument = s;
                benchmark::DoNotOptimize(argument);
                benchmark::DoNotOptimize(std::exp(std::log(argument) * -360));
            }
        }
    }
}
BENCHMARK(FloorLogExp77);

} // namespace
