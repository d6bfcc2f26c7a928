// The chart builder against its floor: the 77 logarithms and exponentials that no chart can skip.
#include "Chart.h"
#include "Format.h"
#include "Payment.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// Default inputs; keeps the texts and nothing else.
class TextOnlyHost : public ChartHost {
public:
    double ReadLoanValue() override { return 100000; }
    double ReadYearsValue() override { return 30; }
    void WriteYearsValue(double) override {}
    double ReadRateValue() override { return 8.75; }
    int ReadLoanStepIndex() override { return 3; }
    int ReadRateStepIndex() override { return 3; }
    void ShowInformation(const std::string &) override {}
    void SetCellText(int column, int row, const std::string &text) override
    {
        m_chart.SetCell(column, row, text);
    }
    void SelectCell(int, int) override {}
    void SetColumnColor(int, Rgb) override {}
    void SetRowColor(int, Rgb) override {}
    void EnablePrintPreview() override {}

private:
    PaymentChart m_chart;
};

void CalculatePaymentTableDefault(benchmark::State &state)
{
    SetCurrentLocaleValues({"$", 0, 0, ",", "."});
    TextOnlyHost host;
    for (auto _ : state)
        CalculatePaymentTable(host);
}
BENCHMARK(CalculatePaymentTableDefault);

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
