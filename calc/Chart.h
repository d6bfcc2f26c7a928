#pragma once

#include "calc/Decimal.h"
#include "calc/LocaleValues.h"
#include "calc/Real6.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The steps between neighbouring amounts (currency units) and rates (percentage points), indexed
// by the selected item of the step groups (0..8), each the nearest Real6 to the decimal step.
extern const std::array<Real6, 9> LoanSteps;
extern const std::array<Real6, 9> RateSteps;

// The values a chart was built from, as the entry fields held them (the years after the
// correction of a count of 0 or below to 30): what a printed chart's page header shows.
struct ChartHeader {
    double LoanAmount = 0; // currency units
    double AnnualRate = 0; // percent per year
    std::int32_t Years = 0;

    bool operator==(const ChartHeader &) const = default;
};

// The values one run reads, in the order it reads them.
struct ChartInputs {
    Real6 LoanAmount;       // the centre row's amount, currency units
    std::int32_t Years = 0; // the term, 1..MaximumYears; 30 when the entered count was 0 or below
    Real6 AnnualRate;       // the centre column's rate, percent per year
    int LoanStepIndex = 3;  // 0..8
    int RateStepIndex = 3;  // 0..8
    ChartHeader Header;     // the same values as the fields held them

    std::int32_t Months() const { return Years * 12; }
};

// One cell of the chart: its text and, for a figure a run laid out (a rate or amount heading, a
// payment), the exact value the text shows, so that nobody need read the text back.
struct ChartCell {
    std::string Text;
    std::optional<Decimal> Value; // percent for a rate heading, currency units otherwise

    bool operator==(const ChartCell &) const = default;
};

// The chart's cells, addressed (column, row) like the grid: row 0 holds the rate headings,
// column 0 the amount headings, cell (4, 6) the entered amount and rate.
class PaymentChart {
public:
    static constexpr int ColumnCount = 8;
    static constexpr int RowCount = 12;
    static constexpr int EnteredColumn = 4;
    static constexpr int EnteredRow = 6;

    // Column 0..7, row 0..11; anything else raises std::out_of_range.
    const std::string &Cell(int column, int row) const { return At(column, row).Text; }
    const std::optional<Decimal> &Value(int column, int row) const { return At(column, row).Value; }
    const ChartCell &At(int column, int row) const;
    ChartCell &At(int column, int row); // lets the builder lay a cell out in place
    // A text that shows no figure of a run, such as a fixed heading: the cell keeps no value.
    void SetCell(int column, int row, std::string text);

    const ChartHeader &Header() const { return m_header; }
    void SetHeader(const ChartHeader &header) { m_header = header; }

    bool operator==(const PaymentChart &) const = default;

private:
    static size_t Index(int column, int row);
    std::array<ChartCell, ColumnCount * RowCount> m_cells;
    ChartHeader m_header;
};

// The fixed texts the window starts with (the corner heading, the default amounts and rates, empty
// payments); they follow no locale and, laid out by no run, carry no values. The header is all
// zeros: no run built this chart.
const PaymentChart &InitialPaymentChart();

// What the chart builder asks of the window: the inputs, and the correction of the years. Reads
// may raise ConversionError (a field's text that is not a number) or OverflowError (a number
// beyond the double range); everything else is expected not to fail.
class ChartHost {
public:
    virtual ~ChartHost() = default;

    virtual double ReadLoanValue() = 0;
    virtual double ReadYearsValue() = 0;
    virtual void WriteYearsValue(double years) = 0;
    virtual double ReadRateValue() = 0;
    virtual int ReadLoanStepIndex() = 0;
    virtual int ReadRateStepIndex() = 0;
    // Modal: returns when the user has read the message.
    virtual void ShowInformation(const std::string &message) = 0;
};

// The message of a year count corrected to 30.
inline constexpr const char *YearsCorrectedMessage = "The number of years must be greater than 0.";

// The largest year count whose month count fits 32 bits.
inline constexpr std::int32_t MaximumYears = 178956970;

// Reads the five inputs in order. A year count of 0 or below is written back as 30 and reported
// with ShowInformation before the rate is read. Raises ConversionError for a year count that is
// not a whole number from -2^31 to MaximumYears, OverflowError for an amount or rate beyond the
// range of Real6, and whatever the host's reads raise.
ChartInputs ReadChartInputs(ChartHost &host);

// The chart's eleven amounts (rows 1..11) and seven rates (columns 1..7), each the entered value
// plus or minus a whole number of steps, rounded to Real6; index 0 is unused. Raises OverflowError
// for a value beyond the range of Real6 and std::out_of_range for a step index outside 0..8.
struct ChartAxes {
    std::array<Real6, PaymentChart::RowCount> Amounts;
    std::array<Real6, PaymentChart::ColumnCount> Rates;
};
ChartAxes ChartAxesOf(const ChartInputs &inputs);

// Builds the chart of `inputs` into `chart` in the locale's layouts, in this order: the axes, the
// header, the 7 rate headings, the 11 amount headings, then the 77 payments column by column, each
// cell's text together with the value it shows. The corner cell is left as it is. The first failure
// (ArithmeticError, std::out_of_range) ends the build there: cells written before it hold their new
// texts and values, all others what `chart` held.
void BuildPaymentChart(const ChartInputs &inputs, const LocaleValues &locale, PaymentChart &chart);
