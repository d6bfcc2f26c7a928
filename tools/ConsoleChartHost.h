#pragma once

#include "Chart.h"

#include <ostream>
#include <string>

// The chart host of the command line: the three field texts as given, the step indices, the chart
// kept as texts (starting empty; ShowInitialChart fills it as the window's creation does) and
// messages written to `messages`, each followed by a newline. Selection and colours have no text form.
class ConsoleChartHost : public ChartHost {
public:
    ConsoleChartHost(std::string loan, std::string years, std::string rate, int loanStepIndex,
                     int rateStepIndex, std::ostream &messages);

    const PaymentChart &Chart() const { return m_chart; }
    bool Completed() const { return m_completed; }

    // Read with TextToFloat in the current locale values; raise ConversionError for a non-number and
    // OverflowError for a number beyond the double range.
    double ReadLoanValue() override;
    double ReadYearsValue() override;
    void WriteYearsValue(double years) override; // reports "Years: <value>"
    double ReadRateValue() override;
    int ReadLoanStepIndex() override { return m_loanStepIndex; }
    int ReadRateStepIndex() override { return m_rateStepIndex; }
    void ShowInformation(const std::string &message) override;
    void SetCellText(int column, int row, const std::string &text) override;
    void SelectCell(int, int) override {}
    void SetColumnColor(int, Rgb) override {}
    void SetRowColor(int, Rgb) override {}
    void EnablePrintPreview() override { m_completed = true; }

private:
    std::string m_loan;
    std::string m_years;
    std::string m_rate;
    int m_loanStepIndex;
    int m_rateStepIndex;
    std::ostream &m_messages;
    PaymentChart m_chart;
    bool m_completed = false;
};
