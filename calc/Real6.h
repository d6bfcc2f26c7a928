#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// The 6-byte real: sign, 8-bit exponent with bias 129 (0 means zero) and a 40-bit significand
// whose top bit is the implicit leading 1. Value: (-1)^sign x Significand x 2^(Exponent - 129 - 39).
// Magnitudes run from 2^-128 (about 2.94E-39) to (2 - 2^-39) x 2^126 (about 1.70E38); there are
// no infinities, not-a-number or subnormal values. The conversions are inline: the chart makes
// hundreds of them per run.
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
    // The x86 extended layout: a 64-bit significand with explicit integer bit, then 15 exponent
    // bits (bias 16383) and the sign.
    static constexpr int ExtendedExponentField = 0x7FFF;
    static constexpr int DroppedBits = 64 - SignificandBits;
    // Subtracted from an extended exponent field to give the exponent byte of the same power of two.
    static constexpr int ExponentOffset = 16383 - ExponentBias;

    // Raises the failure for an infinity or not-a-number (field all ones) or an exponent above 255.
    [[noreturn]] static void RaiseOutOfRange(std::uint64_t significand, int field);

    bool m_negative = false;
    std::uint8_t m_exponent = 0;
    std::uint64_t m_significand = 0;
};

inline Real6 Real6::FromExtended(long double value)
{
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&value) + sizeof significand,
                sizeof signAndExponent);
    const int field = signAndExponent & ExtendedExponentField;
    if (field == ExtendedExponentField)
        RaiseOutOfRange(significand, field);
    // Zero and the extended subnormals lie far below 2^-128.
    if (field == 0)
        return {};

    std::uint64_t kept = significand >> DroppedBits;
    int exponent = field - ExponentOffset;
    if ((significand >> (DroppedBits - 1)) & 1) {
        ++kept;
        if (kept >> SignificandBits) {
            kept >>= 1;
            ++exponent;
        }
    }
    if (exponent < 1)
        return {};
    if (exponent > 255)
        RaiseOutOfRange(significand, field);
    return FromParts((signAndExponent >> 15) != 0, static_cast<std::uint8_t>(exponent), kept);
}

inline long double Real6::ToExtended() const
{
    // 2^(e - 129 - 39) for every exponent byte e; an integer times a power of two is exact and,
    // unlike assembling the bytes, needs no round trip through memory.
    static constexpr std::array<long double, 256> Scales = [] {
        std::array<long double, 256> table{};
        long double scale = 1;
        for (int e = 0; e < ExponentBias + SignificandBits - 1; ++e)
            scale /= 2;
        for (long double &entry : table) {
            entry = scale;
            scale *= 2;
        }
        return table;
    }();
    const long double magnitude =
        static_cast<long double>(static_cast<std::int64_t>(m_significand)) * Scales[m_exponent];
    return m_negative ? -magnitude : magnitude;
}
