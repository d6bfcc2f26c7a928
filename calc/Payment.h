#pragma once

#include "calc/Real6.h"

#include <cstdint>

// The extended value nearest to 1/1200 (significand DA740DA740DA740E): turns an annual rate in
// percent into a monthly rate as a fraction.
inline constexpr long double MonthlyRateFactor = 1.0L / 1200;

// The monthly rate (a fraction) of an annual rate in percent: rate x MonthlyRateFactor, rounded to
// Real6. Raises OverflowError for a result beyond the range of Real6.
Real6 MonthlyRateOfAnnual(Real6 annualRate);

// The parts of the level payment that depend on the monthly rate and the months only: the discount
// factor v = (1 + i)^-n, formed as e^(-n ln(1 + i)) in extended and rounded to Real6, and 1 - v.
// Formed once, they serve every amount at that rate and term; Payment gives bit for bit what
// CalcPayment gives and raises the same failure.
class PaymentFactors {
public:
    // At a rate of exactly 0 nothing is formed. Otherwise raises DivisionByZeroError (i = -1),
    // InvalidOperationError (i below -1) or OverflowError (v beyond the range of extended or Real6).
    PaymentFactors(Real6 monthlyRate, std::int32_t months);

    // amount x i / (1 - v), or amount / n at a rate of exactly 0, in extended, rounded to Real6.
    // Raises DivisionByZeroError (a zero divisor: v = 1, or n = 0 at a zero rate),
    // InvalidOperationError (0 / 0) or OverflowError (a payment beyond the range of Real6).
    Real6 Payment(Real6 amount) const;

private:
    long double m_rate;
    long double m_months;
    long double m_oneMinusDiscount = 0; // 1 - v; unused at a zero rate
};

// The level monthly payment that repays `amount` (currency units, any sign) over `months` payments
// at `monthlyRate` (a fraction per month, any sign): amount x i / (1 - (1 + i)^-n), or amount / n
// for a rate of exactly 0. Every step runs in extended; the discount factor (1 + i)^-n is formed
// as e^(-n ln(1 + i)) and rounded to Real6 before 1 minus it is taken, and so is the result.
// Raises DivisionByZeroError (i = 0 and n = 0; i = -1; a discount factor of exactly 1, from n = 0
// or a tiny rate), InvalidOperationError (i below -1; zero amount over zero months) and
// OverflowError (a discount factor or payment beyond the range of extended or Real6).
Real6 CalcPayment(Real6 amount, Real6 monthlyRate, std::int32_t months);
