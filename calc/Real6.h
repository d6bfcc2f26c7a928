#pragma once

#include <cstdint>

// The 6-byte real: sign, 8-bit exponent with bias 129 (0 means zero) and a 40-bit significand
// whose top bit is the implicit leading 1. Value: (-1)^sign x Significand x 2^(Exponent - 129 - 39).
// Magnitudes run from 2^-128 (about 2.94E-39) to (2 - 2^-39) x 2^126 (about 1.70E38); there are
// no infinities, not-a-number or subnormal values.
class Real6 {
public:
    static constexpr int SignificandBits = 40;
    static constexpr int ExponentBias = 129;

    constexpr Real6() = default; // zero

    // Exact parts: `significand` must have its bit 39 set and `exponent` be 1..255.
    static constexpr Real6 FromParts(bool negative, std::uint8_t exponent, std::uint64_t significand)
    {
        Real6 value;
        value.m_negative = negative;
        value.m_exponent = exponent;
        value.m_significand = significand;
        return value;
    }
    static constexpr Real6 Smallest()
    {
        return FromParts(false, 1, std::uint64_t{1} << (SignificandBits - 1));
    }
    static constexpr Real6 Largest()
    {
        return FromParts(false, 255, (std::uint64_t{1} << SignificandBits) - 1);
    }

    // Rounds to 40 significant bits on the first dropped bit alone (a dropped half rounds the
    // magnitude up; a carry out of the top raises the exponent). A result below 2^-128 becomes an
    // unsigned 0. Raises OverflowError above Largest() or for an infinity, InvalidOperationError
    // for not-a-number.
    static Real6 FromExtended(long double value);

    // Exact.
    long double ToExtended() const;

    bool Negative() const { return m_negative; }
    std::uint8_t Exponent() const { return m_exponent; }
    std::uint64_t Significand() const { return m_significand; }
    bool IsZero() const { return m_exponent == 0; }

    bool operator==(const Real6 &) const = default;

private:
    bool m_negative = false;
    std::uint8_t m_exponent = 0;
    std::uint64_t m_significand = 0;
};
