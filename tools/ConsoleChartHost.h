#pragma once

#include "calc/Chart.h"

#include <exception>
#include <ostream>
#include <string>

// The chart host of the command line: the three field texts as given, read with `locale`'s
// separators, the step indices, and messages written to `messages`, each followed by a newline.
class ConsoleChartHost : public ChartHost {
public:
    ConsoleChartHost(std::string loan, std::string years, std::string rate, int loanStepIndex,
                     int rateStepIndex, const LocaleValues &locale, std::ostream &messages);

    // Read with TextToFloat; raise ConversionError for a non-number and OverflowError for a number
    // beyond the double range.
    double ReadLoanValue() override;
    double ReadYearsValue() override;
    void WriteYearsValue(double years) override; // reports "Years: <value>"
    double ReadRateValue() override;
    int ReadLoanStepIndex() override { return m_loanStepIndex; }
    int ReadRateStepIndex() override { return m_rateStepIndex; }
    void ShowInformation(const std::string &message) override;

    // After a failure of ReadChartInputs: the argument that was read last, in words, with its text
    // and why it failed ("the loan amount 'abc' is not a number").
    std::string ArgumentFailure(const std::exception &failure) const;

private:
    // A number given on the command line, what it stands for, and whether reading its text failed.
    struct Argument {
        const char *Name;
        std::string Text;
        bool ReadFailed = false;
    };
    double Read(Argument &argument);

    Argument m_loan;
    Argument m_years;
    Argument m_rate;
    int m_loanStepIndex;
    int m_rateStepIndex;
    LocaleValues m_locale;
    std::ostream &m_messages;
    const Argument *m_lastRead = nullptr;
};
