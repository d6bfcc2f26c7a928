#include "Payment.h"

#include "Extended.h"

Real6 CalcPayment(Real6 amount, Real6 monthlyRate, std::int32_t months)
{
    const long double a = amount.ToExtended();
    const long double i = monthlyRate.ToExtended();
    const auto n = static_cast<long double>(months);
    if (i == 0)
        return Real6::FromExtended(Extended::Divide(a, n));

    const long double s = Extended::Add(1, i);
    const long double g = Extended::Ln(s);
    const long double t = Extended::Multiply(g, -n);
    const Real6 v = Real6::FromExtended(Extended::Exp(t));
    const long double p = Extended::Multiply(i, a);
    const long double q = Extended::Subtract(1, v.ToExtended());
    return Real6::FromExtended(Extended::Divide(p, q));
}
