#pragma once

#include "calc/Errors.h"

#include <cfloat>
#include <cmath>

// The chart computes in the 80-bit extended format (64-bit significand), rounding to nearest even.
// Each operation checks its own result instead of relying on floating-point traps: for finite
// operands an infinite result is an overflow and a not-a-number result an invalid operation.
// Underflow and inexact results pass silently. Built without -ffast-math, so nothing is reordered.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended format");

namespace Extended {

// Throws OverflowError for an infinite result and InvalidOperationError for a not-a-number one.
inline long double Checked(long double result)
{
    if (!std::isfinite(result)) [[unlikely]] {
        if (std::isnan(result))
            throw InvalidOperationError();
        throw OverflowError();
    }
    return result;
}

inline long double Add(long double a, long double b)
{
    return Checked(a + b);
}
inline long double Subtract(long double a, long double b)
{
    return Checked(a - b);
}
inline long double Multiply(long double a, long double b)
{
    return Checked(a * b);
}

// DivisionByZeroError for a zero divisor; 0 / 0 is an InvalidOperationError, as in IEEE 754.
inline long double Divide(long double a, long double b)
{
    if (b == 0) {
        if (a == 0)
            throw InvalidOperationError();
        throw DivisionByZeroError();
    }
    return Checked(a / b);
}

// Natural logarithm: DivisionByZeroError for 0, InvalidOperationError below 0.
inline long double Ln(long double x)
{
    if (x == 0)
        throw DivisionByZeroError();
    if (x < 0)
        throw InvalidOperationError();
    return Checked(std::log(x));
}

// e^x: OverflowError beyond the extended range; a result below it is 0 or subnormal, no error.
inline long double Exp(long double x)
{
    return Checked(std::exp(x));
}

} // namespace Extended
