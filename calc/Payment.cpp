#include "calc/Payment.h"

#include "calc/Extended.h"

Real6 MonthlyRateOfAnnual(Real6 annualRate)
{
    return Real6::FromExtended(Extended::Multiply(annualRate.ToExtended(), MonthlyRateFactor));
}

PaymentFactors::PaymentFactors(Real6 monthlyRate, std::int32_t months)
    : m_rate(monthlyRate.ToExtended()), m_months(static_cast<long double>(months))
{
    if (m_rate == 0)
        return;
    const long double s = Extended::Add(1, m_rate);
    const long double g = Extended::Ln(s);
    const long double t = Extended::Multiply(g, -m_months);
    const Real6 v = Real6::FromExtended(Extended::Exp(t));
    m_oneMinusDiscount = Extended::Subtract(1, v.ToExtended());
}

Real6 PaymentFactors::Payment(Real6 amount) const
{
    const long double a = amount.ToExtended();
    if (m_rate == 0)
        return Real6::FromExtended(Extended::Divide(a, m_months));
    const long double p = Extended::Multiply(m_rate, a);
    return Real6::FromExtended(Extended::Divide(p, m_oneMinusDiscount));
}

Real6 CalcPayment(Real6 amount, Real6 monthlyRate, std::int32_t months)
{
    return PaymentFactors(monthlyRate, months).Payment(amount);
}
