#pragma once

// How GoogleTest shows the calculator's values in a failure: as their fields, named, rather than as
// the bytes of the object. Every test file that compares these values includes this header, so that
// one program prints them one way.

#include "calc/Chart.h"
#include "calc/Format.h"
#include "calc/Schedule.h"
#include "calc/SchedulePlot.h"
#include "calc/ScheduleText.h"

#include <iomanip>
#include <ostream>

inline void PrintTo(const Decimal &value, std::ostream *os)
{
    *os << value.Coefficient << 'E' << value.Exponent;
}

inline void PrintTo(const Real6 &value, std::ostream *os)
{
    *os << std::setprecision(21) << value.ToExtended() << " (sign " << value.Negative() << ", exponent "
        << static_cast<int>(value.Exponent()) << ", significand 0x" << std::hex << value.Significand()
        << std::dec << ')';
}

inline void PrintTo(const MonthlyRate &rate, std::ostream *os)
{
    *os << rate.Numerator << '/' << rate.Denominator;
}

inline void PrintTo(const ScheduleRow &row, std::ostream *os)
{
    *os << "{Number " << row.Number << ", Payment " << row.Payment << ", Interest " << row.Interest
        << ", Principal " << row.Principal << ", Balance " << row.Balance << ", Extra " << row.Extra
        << ", PartialMonths " << row.PartialMonths << '}';
}

inline void PrintTo(const ScheduleTotals &totals, std::ostream *os)
{
    *os << "{Payments " << totals.Payments << ", Interest " << totals.Interest << ", Principal "
        << totals.Principal << ", Extras " << totals.Extras << '}';
}

inline void PrintTo(const PaymentMonth &month, std::ostream *os)
{
    *os << month.Year << '-' << std::setfill('0') << std::setw(2) << month.Month << std::setfill(' ');
}

inline void PrintTo(const ScheduleFigure &figure, std::ostream *os)
{
    *os << '{' << std::quoted(figure.Caption) << ", " << std::quoted(figure.Value) << '}';
}

inline void PrintTo(const BalancePoint &point, std::ostream *os)
{
    *os << "{Payment " << point.Payment << ", Balance " << point.Balance << '}';
}

inline void PrintTo(const YearSplit &year, std::ostream *os)
{
    *os << "{Number " << year.Number << ", PartialMonths " << year.PartialMonths << ", Interest "
        << year.Interest << ", Principal " << year.Principal << '}';
}

inline void PrintTo(const PlotPoint &point, std::ostream *os)
{
    *os << std::setprecision(17) << "{Time " << point.Time << ", Amount " << point.Amount << '}';
}

inline void PrintTo(const ChartHeader &header, std::ostream *os)
{
    *os << std::setprecision(17) << "{LoanAmount " << header.LoanAmount << ", AnnualRate "
        << header.AnnualRate << ", Years " << header.Years << '}';
}

inline void PrintTo(const LocaleValues &locale, std::ostream *os)
{
    *os << "{CurrencySymbol " << std::quoted(locale.CurrencySymbol) << ", CurrencyFormat "
        << locale.CurrencyFormat << ", NegCurrFormat " << locale.NegCurrFormat << ", ThousandSeparator "
        << std::quoted(locale.ThousandSeparator) << ", DecimalSeparator "
        << std::quoted(locale.DecimalSeparator) << '}';
}

inline void PrintTo(const DecimalDigitsResult &digits, std::ostream *os)
{
    *os << (digits.Negative ? "-0." : "0.") << (digits.Digits.empty() ? "0" : digits.Digits) << 'E'
        << digits.Exponent;
}
