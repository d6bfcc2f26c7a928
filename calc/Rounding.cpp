#include "calc/Rounding.h"

#include "calc/Errors.h"

#include <cmath>
#include <limits>

int RoundHalfEven(long double value)
{
    if (std::isnan(value))
        throw ConversionError("Invalid floating point operation");
    // Exact for any long double: value and its floor lie within one unit of each other.
    long double whole = std::floor(value);
    const long double fraction = value - whole;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0))
        whole += 1;
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        throw ConversionError("Value out of range for a 32-bit integer");
    return static_cast<int>(whole);
}
