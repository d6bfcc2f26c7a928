#pragma once

#include "Real6.h"

#include <cstdint>

// The extended value nearest to 1/1200 (significand DA740DA740DA740E): turns an annual rate in
// percent into a monthly rate as a fraction.
inline constexpr long double MonthlyRateFactor = 1.0L / 1200;

// The level monthly payment that repays `amount` (currency units, any sign) over `months` payments
// at `monthlyRate` (a fraction per month, any sign): amount x i / (1 - (1 + i)^-n), or amount / n
// for a rate of exactly 0. Every step runs in extended; the discount factor (1 + i)^-n is formed
// as e^(-n ln(1 + i)) and rounded to Real6 before 1 minus it is taken, and so is the result.
// Raises DivisionByZeroError (i = 0 and n = 0; i = -1; a discount factor of exactly 1, from n = 0
// or a tiny rate), InvalidOperationError (i below -1; zero amount over zero months) and
// OverflowError (a discount factor or payment beyond the range of extended or Real6).
Real6 CalcPayment(Real6 amount, Real6 monthlyRate, std::int32_t months);
