#pragma once

#include <cstdint>

// A decimal number held exactly: Coefficient x 10^Exponent. The number layouts give the value a
// text shows this way, with no trailing zero digit in Coefficient and zero as 0 x 10^0.
struct Decimal {
    std::int64_t Coefficient = 0;
    int Exponent = 0;

    bool operator==(const Decimal &) const = default;
};
