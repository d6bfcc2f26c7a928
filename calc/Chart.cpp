#include "calc/Chart.h"

#include "calc/Errors.h"
#include "calc/Extended.h"
#include "calc/Format.h"
#include "calc/Payment.h"

#include <cmath>
#include <stdexcept>

const std::array<Real6, 9> LoanSteps = {
    Real6::FromExtended(100),  Real6::FromExtended(250),  Real6::FromExtended(500),
    Real6::FromExtended(1000), Real6::FromExtended(2000), Real6::FromExtended(2500),
    Real6::FromExtended(3000), Real6::FromExtended(4000), Real6::FromExtended(5000),
};

const std::array<Real6, 9> RateSteps = {
    Real6::FromExtended(0.10L), Real6::FromExtended(0.125L), Real6::FromExtended(0.20L),
    Real6::FromExtended(0.25L), Real6::FromExtended(0.333L), Real6::FromExtended(0.375L),
    Real6::FromExtended(0.5L),  Real6::FromExtended(0.75L),  Real6::FromExtended(1.0L),
};

size_t PaymentChart::Index(int column, int row)
{
    if (column < 0 || column >= ColumnCount || row < 0 || row >= RowCount)
        throw std::out_of_range("chart cell out of range");
    return static_cast<size_t>(row * ColumnCount + column);
}

const ChartCell &PaymentChart::At(int column, int row) const
{
    return m_cells[Index(column, row)];
}

ChartCell &PaymentChart::At(int column, int row)
{
    return m_cells[Index(column, row)];
}

void PaymentChart::SetCell(int column, int row, std::string text)
{
    m_cells[Index(column, row)] = {std::move(text), std::nullopt};
}

const PaymentChart &InitialPaymentChart()
{
    static const PaymentChart chart = [] {
        PaymentChart initial;
        initial.SetCell(0, 0, " Amount/Rate");
        const char *amounts[] = {" $95,000.00",  " $96,000.00",  " $97,000.00",  " $98,000.00",
                                 " $99,000.00",  " $100,000.00", " $101,000.00", " $102,000.00",
                                 " $103,000.00", " $104,000.00", " $105,000.00"};
        for (int row = 1; row < PaymentChart::RowCount; ++row)
            initial.SetCell(0, row, amounts[row - 1]);
        const char *rates[] = {"8.00%", "8.25%", "8.50%", "8.75%", "9.00%", "9.25%", "9.50%"};
        for (int column = 1; column < PaymentChart::ColumnCount; ++column)
            initial.SetCell(column, 0, rates[column - 1]);
        return initial;
    }();
    return chart;
}

namespace {

constexpr std::int32_t CorrectedYears = 30;
constexpr int StepCount = 9;

std::int32_t WholeYears(double years)
{
    // A count above MaximumYears would wrap the 32-bit month count.
    if (!(years >= INT32_MIN && years <= MaximumYears) || std::trunc(years) != years)
        throw ConversionError("'" + FormatGeneral(years, FullPrecision, LocaleValues()) +
                              "' is not a valid number of years");
    return static_cast<std::int32_t>(years);
}

const Real6 &Step(const std::array<Real6, 9> &steps, int index)
{
    if (index < 0 || index >= StepCount)
        throw std::out_of_range("step index out of range");
    return steps[static_cast<size_t>(index)];
}

// `centre` + (position - middle) x `step`, the product formed first, rounded to Real6.
Real6 Neighbour(Real6 centre, Real6 step, int position, int middle)
{
    if (position == middle)
        return centre;
    const long double offset = Extended::Multiply(std::abs(position - middle), step.ToExtended());
    const long double value = position < middle ? Extended::Subtract(centre.ToExtended(), offset)
                                                : Extended::Add(centre.ToExtended(), offset);
    return Real6::FromExtended(value);
}

// Lays an amount or payment out in its cell as the chart shows it: one blank, then the currency
// layout. In place: the cell's storage serves again.
void SetCurrencyCell(ChartCell &cell, Real6 value, const LocaleValues &locale)
{
    cell.Text.clear(); // keeps the cell's storage
    cell.Text += ' ';
    cell.Value = AppendCurrency(cell.Text, value.ToExtended(), locale);
}

} // namespace

ChartInputs ReadChartInputs(ChartHost &host)
{
    ChartInputs inputs;
    inputs.Header.LoanAmount = host.ReadLoanValue();
    inputs.LoanAmount = Real6::FromExtended(inputs.Header.LoanAmount);
    inputs.Years = WholeYears(host.ReadYearsValue());
    if (inputs.Years <= 0) {
        host.WriteYearsValue(CorrectedYears);
        host.ShowInformation(YearsCorrectedMessage);
        inputs.Years = CorrectedYears;
    }
    inputs.Header.Years = inputs.Years;
    inputs.Header.AnnualRate = host.ReadRateValue();
    inputs.AnnualRate = Real6::FromExtended(inputs.Header.AnnualRate);
    inputs.LoanStepIndex = host.ReadLoanStepIndex();
    inputs.RateStepIndex = host.ReadRateStepIndex();
    return inputs;
}

ChartAxes ChartAxesOf(const ChartInputs &inputs)
{
    const Real6 loanStep = Step(LoanSteps, inputs.LoanStepIndex);
    const Real6 rateStep = Step(RateSteps, inputs.RateStepIndex);
    ChartAxes axes;
    for (int row = 1; row < PaymentChart::RowCount; ++row)
        axes.Amounts[row] = Neighbour(inputs.LoanAmount, loanStep, row, PaymentChart::EnteredRow);
    for (int column = 1; column < PaymentChart::ColumnCount; ++column)
        axes.Rates[column] = Neighbour(inputs.AnnualRate, rateStep, column, PaymentChart::EnteredColumn);
    return axes;
}

void BuildPaymentChart(const ChartInputs &inputs, const LocaleValues &locale, PaymentChart &chart)
{
    const ChartAxes axes = ChartAxesOf(inputs);
    chart.SetHeader(inputs.Header);
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        ChartCell &heading = chart.At(column, 0);
        heading.Text = "  ";
        heading.Value = AppendGeneral(heading.Text, axes.Rates[column].ToExtended(), 5, locale);
        heading.Text += '%';
    }
    for (int row = 1; row < PaymentChart::RowCount; ++row)
        SetCurrencyCell(chart.At(0, row), axes.Amounts[row], locale);
    // The discount factor depends on the column's rate and the months only: formed once per column,
    // it gives each cell the bits, and each failure the cell, of a payment computed by itself.
    for (int column = 1; column < PaymentChart::ColumnCount; ++column) {
        const PaymentFactors factors(MonthlyRateOfAnnual(axes.Rates[column]), inputs.Months());
        for (int row = 1; row < PaymentChart::RowCount; ++row) {
            const Real6 payment = factors.Payment(axes.Amounts[row]);
            SetCurrencyCell(chart.At(column, row), payment, locale);
        }
    }
}
