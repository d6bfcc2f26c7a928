#include "ConsoleChartHost.h"

#include "Format.h"

ConsoleChartHost::ConsoleChartHost(std::string loan, std::string years, std::string rate, int loanStepIndex,
                                   int rateStepIndex, std::ostream &messages)
    : m_loan(std::move(loan)), m_years(std::move(years)), m_rate(std::move(rate)),
      m_loanStepIndex(loanStepIndex), m_rateStepIndex(rateStepIndex), m_messages(messages)
{
}

double ConsoleChartHost::ReadLoanValue()
{
    return TextToFloat(m_loan);
}

double ConsoleChartHost::ReadYearsValue()
{
    return TextToFloat(m_years);
}

void ConsoleChartHost::WriteYearsValue(double years)
{
    m_years = FormatGeneral(years, 15);
    m_messages << "Years: " << m_years << '\n';
}

double ConsoleChartHost::ReadRateValue()
{
    return TextToFloat(m_rate);
}

void ConsoleChartHost::ShowInformation(const std::string &message)
{
    m_messages << message << '\n';
}

void ConsoleChartHost::SetCellText(int column, int row, const std::string &text)
{
    m_chart.SetCell(column, row, text);
}
