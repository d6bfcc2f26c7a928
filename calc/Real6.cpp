#include "Real6.h"

#include "Errors.h"

#include <cstring>

namespace {

// The x86 extended layout: a 64-bit significand with explicit integer bit, then 15 exponent bits
// (bias 16383) and the sign.
constexpr int ExtendedBias = 16383;
constexpr int ExtendedSignificandBits = 64;
constexpr std::uint16_t ExtendedExponentMask = 0x7FFF;
constexpr int DroppedBits = ExtendedSignificandBits - Real6::SignificandBits;

// Exponent byte of the 6-byte real for an extended exponent field, both naming the same power of two
// for the significand's top bit.
constexpr int ExponentOffset = ExtendedBias - Real6::ExponentBias;

} // namespace

Real6 Real6::FromExtended(long double value)
{
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&value) + sizeof significand,
                sizeof signAndExponent);
    const int field = signAndExponent & ExtendedExponentMask;
    if (field == ExtendedExponentMask) {
        if (significand << 1 != 0)
            throw InvalidOperationError();
        throw OverflowError();
    }
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
        throw OverflowError();
    return FromParts((signAndExponent >> 15) != 0, static_cast<std::uint8_t>(exponent), kept);
}

long double Real6::ToExtended() const
{
    if (IsZero())
        return 0;
    const std::uint64_t significand = m_significand << DroppedBits;
    const auto signAndExponent =
        static_cast<std::uint16_t>((m_negative ? 0x8000 : 0) | (m_exponent + ExponentOffset));
    long double value = 0;
    std::memcpy(&value, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<char *>(&value) + sizeof significand, &signAndExponent,
                sizeof signAndExponent);
    return value;
}
