#include "calc/Real6.h"

#include "calc/Errors.h"

void Real6::RaiseOutOfRange(std::uint64_t significand, int field)
{
    // All ones in the exponent field with fraction bits set is not-a-number.
    if (field == ExtendedExponentField && significand << 1 != 0)
        throw InvalidOperationError();
    throw OverflowError();
}
