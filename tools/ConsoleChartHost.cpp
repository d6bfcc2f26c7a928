#include "tools/ConsoleChartHost.h"

#include "calc/Errors.h"
#include "calc/Format.h"

ConsoleChartHost::ConsoleChartHost(std::string loan, std::string years, std::string rate, int loanStepIndex,
                                   int rateStepIndex, const LocaleValues &locale, std::ostream &messages)
    : m_loan{"the loan amount", std::move(loan)}, m_years{"the number of years", std::move(years)},
      m_rate{"the interest rate", std::move(rate)}, m_loanStepIndex(loanStepIndex),
      m_rateStepIndex(rateStepIndex), m_locale(locale), m_messages(messages)
{
}

double ConsoleChartHost::Read(Argument &argument)
{
    m_lastRead = &argument;
    argument.ReadFailed = true;
    const double value = TextToFloat(argument.Text, m_locale);
    argument.ReadFailed = false;
    return value;
}

double ConsoleChartHost::ReadLoanValue()
{
    return Read(m_loan);
}

double ConsoleChartHost::ReadYearsValue()
{
    return Read(m_years);
}

void ConsoleChartHost::WriteYearsValue(double years)
{
    m_years.Text = FormatGeneral(years, FullPrecision, m_locale);
    m_messages << "Years: " << m_years.Text << '\n';
}

double ConsoleChartHost::ReadRateValue()
{
    return Read(m_rate);
}

void ConsoleChartHost::ShowInformation(const std::string &message)
{
    m_messages << message << '\n';
}

std::string ConsoleChartHost::ArgumentFailure(const std::exception &failure) const
{
    if (m_lastRead == nullptr)
        return {};
    std::string reason;
    if (dynamic_cast<const ArithmeticError *>(&failure))
        reason = "is too large: the chart's numbers reach about 1.7E38";
    else if (m_lastRead->ReadFailed)
        reason = "is not a number";
    else // read, but not a whole number of years that the chart can count in months
        reason = "is not a whole number from -2147483648 to " + std::to_string(MaximumYears);
    return std::string(m_lastRead->Name) + " '" + m_lastRead->Text + "' " + reason;
}
